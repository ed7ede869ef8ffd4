#ifndef ConstructionTableWidgetH
#define ConstructionTableWidgetH

// The construction as a one-row table: column 0 the warm-side climate, one column per layer with a width
// proportional to its thickness, the last column the cold-side climate. The main window's selection device and
// the source of the construction sketch images (copy, export). Shows the project it is given: the open one, or
// the construction database dialog's own. Cells are painted by HatchedItemDelegate.

#include <model/MaterialLayer.h>
#include <visualisation/DiagramExport.h>

#include <QPixmap>
#include <QTableWidget>

class Project;

class ConstructionTableWidget : public QTableWidget {
    Q_OBJECT
public:
    /*! Smallest pixel width of a layer column. */
    static constexpr int MinimumLayerWidth = 5;
    /*! Share of the table width the layer columns may take together. */
    static constexpr double MaximumLayerShare = 0.92;

    explicit ConstructionTableWidget(QWidget *parent = nullptr);

    /*! Shows the construction of \a project (nullptr: none). */
    void setProject(const Project *project);
    /*! Unit of the layer widths in tool tips, as factor from metres (1, 10, 100, 1000). */
    void setWidthUnit(int unit);
    /*! Fonts of the sketch images. */
    void setDiagramFonts(const DiagramFontSettings &fonts) { m_fonts = fonts; }

    /*! The project's layers; nullptr when there is nothing to show. */
    const QVector<MaterialLayer> *shownLayers() const;

    /*! Pixel widths of the layer columns for layer widths \a widths (m) in a table \a tableWidth pixels wide:
        proportional to the thickness in 80 % of the width, at least MinimumLayerWidth each. When they take
        more than MaximumLayerShare of the table, the scale shrinks until they fit into that share; when even
        the minimum widths do not fit, all layers share it equally (never below 2 pixels). */
    static QVector<int> layerColumnWidths(const QVector<double> &widths, int tableWidth);
    /*! Recomputes the column widths; nothing happens when there is nothing to show. */
    void updateColumnWidths();

    /*! The construction sketch as an image of A4 page width, 0.4 times as high. */
    QPixmap sketchPixmap() const;
    /*! Writes the sketch to \a fileName by its extension (DiagramExport::exportWidgetPicture): pictures of the
        image's size, an SVG described by \a description, a PDF across an A4 page. False with the reason in
        \a errorText; the old file is then untouched. */
    bool exportSketch(const QString &fileName, const QString &description, QString *errorText) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    /*! Size of the sketch images. */
    static QSize sketchSize();
    /*! What the sketch images draw: the shown layers and, for a project, its results. */
    DiagramExport::Content sketchContent() const;

    const Project *m_project = nullptr;
    int m_widthUnit = 1000;
    DiagramFontSettings m_fonts;
};

#endif // ConstructionTableWidgetH
