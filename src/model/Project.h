#ifndef ProjectH
#define ProjectH

// The open project: owns at most one Document and the file name. Every change of the
// project goes through setModified(), which recalculates when needed and tells the user interface what
// changed through modified(). The program uses the one instance(); tests may create their own.

#include "Document.h"

#include <QObject>
#include <QString>

#include <memory>

class Project : public QObject {
    Q_OBJECT
public:
    /*! Modification types passed to setModified() and emitted by modified(). */
    enum class ModificationType {
        /*! Anything that can change results: input check and recalculation. */
        AllModified = 0,
        /*! Layer colour or material name. */
        LayerAppearanceModified = 1,
        /*! Project information. */
        ProjectInfoModified = 2
    };
    Q_ENUM(ModificationType)

    /*! Largest number of layers a project file may hold; read() refuses more. */
    static const int MaximumLayerCount = 1000;

    explicit Project(QObject *parent = nullptr);
    ~Project() override;

    /*! The program's project, created on first use. */
    static Project &instance();

    /*! Replaces the document by a new default one whose project information is \a defaults, and clears
        the file name. */
    void createNew(const ProjectInformation &defaults = ProjectInformation());
    /*! Deletes the document. */
    void close();

    bool hasDocument() const { return m_document != nullptr; }
    /*! The document, nullptr when no project is open. */
    Document *document() { return m_document.get(); }
    const Document *document() const { return m_document.get(); }
    /*! Copies input data, calculation and project information of \a document into the owned document
        (created when there is none). */
    void setDocumentData(const Document &document);

    /*! Path of the project file; empty for a new project. */
    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    /*! For AllModified runs the input check and the calculation of the document; then emits modified(modType).
        Whether the project differs from its file is the user interface's to know (its undo stack). */
    void setModified(ModificationType modType);

    /*! Opens a project file: XML, or the previous generation's format for the extension "vpj" and as fallback
        for an unreadable file whose extension is not "v2p". On success the document is replaced; on failure it
        stays as it was and errorText says why. A project without layers is refused. \a converted (when given)
        tells whether the file was of the previous generation's format. */
    bool read(const QString &fileName, QString &errorText, bool *converted = nullptr);
    /*! Saves the document as XML. The old file is replaced only after everything was written; false (with
        the reason in errorText, when given) for any failure. */
    bool write(const QString &fileName, QString *errorText = nullptr) const;

signals:
    void modified(Project::ModificationType modType);

private:
    std::unique_ptr<Document> m_document;
    QString m_fileName;
};

#endif // ProjectH
