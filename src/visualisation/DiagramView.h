#ifndef DiagramViewH
#define DiagramViewH

// The on-screen profile diagram of the main window: a thin, non-interactive graphics view around one
// screen-mode DiagramScene. Redraws on data, type and size changes and offers image, SVG and print exports,
// each drawn by a fresh scene through DiagramExport.

#include "DiagramExport.h"

#include <QGraphicsView>

class DiagramScene;
class QIODevice;
class QPrinter;

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

    /*! Project file that names the SVG file suggestion and describes the SVG; empty for an unsaved project. */
    void setProjectFile(const QString &projectFile) { m_projectFile = projectFile; }
    /*! Last SVG written, whose directory the next "Save SVG" dialog opens in. */
    void setLastExportFile(const QString &lastExportFile) { m_lastExportFile = lastExportFile; }
    const QString &lastExportFile() const { return m_lastExportFile; }

    /*! Copies input data and results, draws them into the widget rectangle shrunk by the margin and shows the view. */
    void setData(QPaintDevice *device, const InputData &input, const CalculationResults &results, double scale = 1.0);
    /*! Stores the type and redraws with the stored data. */
    void setDiagramType(DiagramScene::DiagramType type);
    DiagramScene::DiagramType diagramType() const { return m_type; }

    DiagramScene *diagramScene() const { return m_scene; }

    /*! The diagram as a white pixmap of the widget size scaled to the A4 page width. */
    QPixmap exportImage() const;
    /*! Writes the diagram as SVG of the same size, titled by type, described by the project file. */
    bool exportSvg(QIODevice *out) const;
    /*! Prints the diagram on A4 at the widget size scaled to the page width. */
    void print(QPrinter *printer) const;

    /*! File name offered by the "Save SVG" dialog: the directory of the last export, else of the project, else
        the home directory; the project's base name or "unamedProject"; "_tp" for vapour pressure diagrams and
        "_tw" for water content diagrams; extension ".svg". */
    static QString svgFileSuggestion(const QString &lastExportFile, const QString &projectFile,
                                     DiagramScene::DiagramType type);

public slots:
    /*! Asks for a file name and writes the SVG there; remembers the path and announces it by svgSaved(). */
    void saveSvg();

signals:
    /*! A "Save SVG" chose \a fileName; the window keeps it in its settings. */
    void svgSaved(const QString &fileName);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void init();
    QRect drawingRect() const;
    DiagramExport::Content content() const;

    DiagramFontSettings m_fonts;
    QString m_projectFile;
    QString m_lastExportFile;
    InputData m_input;
    CalculationResults m_results;
    DiagramScene::DiagramType m_type = DiagramScene::DiagramType::MoistureContent;
    QPaintDevice *m_device = nullptr;
    double m_scale = 1.0;
    QSize m_drawnSize;
    DiagramScene *m_scene = nullptr;
};

#endif // DiagramViewH
