#ifndef ClimateSummaryPageH
#define ClimateSummaryPageH

// Page 1 of the main window's editor stack until the climate and assessment editor is built: shows the
// climate of the selected side (winter and summer values, periods, assessment type) read-only and says
// that the editor will come here.

#include <QWidget>

class Project;
class QLabel;

class ClimateSummaryPage : public QWidget {
    Q_OBJECT
public:
    enum Side { WarmSide, ColdSide };

    ClimateSummaryPage(const Project &project, QWidget *parent = nullptr);

    /*! Shows the climate of \a side of the open project. */
    void setSide(Side side);

private:
    const Project &m_project;
    QLabel *m_title;
    QLabel *m_values;
};

#endif // ClimateSummaryPageH
