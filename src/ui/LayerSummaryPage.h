#ifndef LayerSummaryPageH
#define LayerSummaryPageH

// Page 0 of the main window's editor stack until the layer editor is built: shows the selected layer's
// width and material values read-only.

#include <QWidget>

class Project;
class QLabel;
class QLineEdit;

class LayerSummaryPage : public QWidget {
    Q_OBJECT
public:
    LayerSummaryPage(const Project &project, QWidget *parent = nullptr);

    /*! Shows layer \a index (0-based) of the open project. */
    void setLayer(int index);

    QLineEdit *widthEdit() const { return m_widthEdit; }

private:
    const Project &m_project;
    int m_layerIndex = -1;
    QLabel *m_title;
    QLabel *m_values;
    QLabel *m_widthLabel;
    QLineEdit *m_widthEdit;
};

#endif // LayerSummaryPageH
