#ifndef GlobalsH
#define GlobalsH

// Program-wide objects of one run: the material database and the construction database (each created and
// read on first request), the language id and the counter of user material ids. The databases are written
// when they are released: main() calls releaseDatabases() before the program ends, while the message
// handler still exists; the destructor does it otherwise.

#include <QString>
#include <QStringList>

#include <memory>

class ConstructionList;
class MaterialList;

class Globals {
public:
    static Globals &instance();

    Globals();
    ~Globals();
    Globals(const Globals &) = delete;
    Globals &operator=(const Globals &) = delete;

    /*! The material database, created with the language id and read from the resources directory and the
        user databases directory on first call. */
    MaterialList &materialList();
    /*! The construction database, created and read on first call; when no database can be read it is seeded
        with the example construction. */
    ConstructionList &constructionList();
    /*! Writes and deletes both databases; the next request creates and reads them anew. */
    void releaseDatabases();
    /*! Writes the databases read so far; false when one of them could not be written. */
    bool writeDatabases();
    /*! For each database read so far whose damaged original was kept before a write: the text for the user,
        once. */
    QStringList takeDamageNotices();

    const QString &languageId() const { return m_languageId; }
    void setLanguageId(const QString &languageId) { m_languageId = languageId; }

    /*! Takes the next user material id (first 32768) and advances the counter. */
    int takeNextUserMaterialId() { return m_nextUserMaterialId++; }
    /*! The id the next user material will get. */
    int nextUserMaterialId() const { return m_nextUserMaterialId; }

    /*! The resources directory: the executable's directory + "/resources". */
    static QString resourcesDir();

private:
    std::unique_ptr<MaterialList> m_materialList;
    std::unique_ptr<ConstructionList> m_constructionList;
    QString m_languageId;
    int m_nextUserMaterialId;
};

#endif // GlobalsH
