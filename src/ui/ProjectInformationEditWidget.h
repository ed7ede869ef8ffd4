#ifndef ProjectInformationEditWidgetH
#define ProjectInformationEditWidgetH

// The five texts of a project information record: project name, construction id, editor, company and
// description. Used for the open project, for the defaults of new projects and in the new project wizard.

#include <QWidget>

class ProjectInformation;
class QLineEdit;
class QPlainTextEdit;

class ProjectInformationEditWidget : public QWidget {
    Q_OBJECT
public:
    explicit ProjectInformationEditWidget(QWidget *parent = nullptr);

    /*! Fills the five fields from \a info. */
    void setInfo(const ProjectInformation &info);
    /*! Writes the five fields into \a info as entered; its other values stay. */
    void getInfo(ProjectInformation &info) const;

private:
    QLineEdit *addLine(const QString &label, const char *objectName);

    QLineEdit *m_projectName = nullptr;
    QLineEdit *m_constructionId = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_company = nullptr;
    QPlainTextEdit *m_description = nullptr;
};

#endif // ProjectInformationEditWidgetH
