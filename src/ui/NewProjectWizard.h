#ifndef NewProjectWizardH
#define NewProjectWizardH

// Fills the document of a new project: the project information, then the first material of the
// construction, a whole stored construction, or a template project whose layers and climates it takes.

#include <QWizard>

class ConstructionList;
class Document;
class MaterialList;
class NewProjectWizardMaterialPage;
class ProjectInformationEditWidget;

class NewProjectWizard : public QWizard {
    Q_OBJECT
public:
    /*! \a document is prefilled by the caller and filled on acceptance; \a templateFiles are the project
        files offered as templates. */
    NewProjectWizard(Document &document, MaterialList &materials, ConstructionList &constructions,
                     const QStringList &templateFiles, QWidget *parent = nullptr);

    /*! Project files in \a directories (shipped ones first), offered as templates. */
    static QStringList templateFiles(const QStringList &directories);
    /*! The directory of the shipped templates in \a languageId: its subdirectory of \a directory when there is
        one, else \a directory itself (the English templates). */
    static QString shippedTemplates(const QString &directory, const QString &languageId);

public slots:
    void accept() override;

private:
    /*! Puts the chosen template's content into the document; false (after telling the user) when it
        cannot be read. */
    bool applyTemplate(const QString &fileName);

    Document &m_document;
    ProjectInformationEditWidget *m_projectInformation;
    NewProjectWizardMaterialPage *m_materialPage;
};

#endif // NewProjectWizardH
