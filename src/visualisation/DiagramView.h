#ifndef DiagramViewH
#define DiagramViewH

// The on-screen profile diagram of the main window: a thin, non-interactive graphics view around one
// screen-mode DiagramScene. Redraws on data, type and size changes and offers its picture for the clipboard and
// as a file, each drawn by a fresh scene through DiagramExport.

#include "DiagramExport.h"

#include <QGraphicsView>

class DiagramScene;

class DiagramView : public QGraphicsView {
    Q_OBJECT
public:
    /*! Margin between the widget border and the drawing, pixels. */
    static const int Margin = 5;

    /*! The owner passes the fonts (the window takes them from its settings). */
    explicit DiagramView(const DiagramFontSettings &fonts, QWidget *parent = nullptr);
    /*! A view with the default fonts, as a form creates it; the owner sets its fonts by setFonts(). */
    explicit DiagramView(QWidget *parent = nullptr) : DiagramView(DiagramFontSettings(), parent) {}

    /*! Draws with \a fonts from now on (a new scene, so that every part picks them up). */
    void setFonts(const DiagramFontSettings &fonts);

    /*! Project file that describes an exported SVG; empty for an unsaved project. */
    void setProjectFile(const QString &projectFile) { m_projectFile = projectFile; }

    /*! Copies input data and results, draws them into the widget rectangle shrunk by the margin and shows the view. */
    void setData(QPaintDevice *device, const InputData &input, const CalculationResults &results, double scale = 1.0);
    /*! Stores the type and redraws with the stored data. */
    void setDiagramType(DiagramScene::DiagramType type);
    DiagramScene::DiagramType diagramType() const { return m_type; }

    DiagramScene *diagramScene() const { return m_scene; }

    /*! The diagram as a white pixmap of the widget size scaled to the A4 page width. */
    QPixmap exportImage() const;
    /*! Writes the diagram to \a fileName by its extension (DiagramExport::exportWidgetPicture): pictures of the
        export image's size, an SVG titled by type and described by the project file, a PDF on an A4 page. False
        with the reason in \a errorText; the old file is then untouched. */
    bool exportToFile(const QString &fileName, QString *errorText) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void init();
    QRect drawingRect() const;
    DiagramExport::Content content() const;

    DiagramFontSettings m_fonts;
    QString m_projectFile;
    InputData m_input;
    CalculationResults m_results;
    DiagramScene::DiagramType m_type = DiagramScene::DiagramType::MoistureContent;
    QPaintDevice *m_device = nullptr;
    double m_scale = 1.0;
    QSize m_drawnSize;
    DiagramScene *m_scene = nullptr;
};

#endif // DiagramViewH
