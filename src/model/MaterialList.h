#ifndef MaterialListH
#define MaterialListH

// The material database: the read-only system materials of the resources directory (with the built-in air
// space last) followed by the user materials of the user databases directory. Owned by the Globals singleton
// of the application; the command-line tool creates its own.
//
// Addressing: a running index covers the system materials first, then the user materials; ids are searched
// in the system materials first, then in the user materials.

#include <QObject>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <vector>

#include "DamagedDatabase.h"
#include "Material.h"

class MaterialList : public QObject {
    Q_OBJECT
public:
    /*! Hands out the next user material id (application-wide counter starting at 32768). */
    using IdSource = std::function<int()>;

    static const int FirstUserMaterialId = 32768;
    /*! Name of the user database file in the user directory. */
    static const char *const UserDatabaseFileName;
    /*! Format marker written in front of the user database (record version 4). */
    static const int UserFileMarker = -4;

    /*! \a languageId: the system materials show their catalogue texts of this language (English when the
        catalogue has none in it). \a userDirectory: directory of the user databases. \a nextUserId: the id
        counter; when empty, the list keeps its own counter starting at 32768. */
    MaterialList(const QString &languageId, const QString &userDirectory, IdSource nextUserId = IdSource(),
                 QObject *parent = nullptr);
    /*! Writes the user database. */
    ~MaterialList() override;

    /*! Reads the system files "*.v2m" of \a resourcesDir + "/DB_materials", appends the air space and reads the
        user database. True when at least one material is known. */
    bool readDatabase(const QString &resourcesDir);
    /*! Replaces the user materials by those of the user database file when it yields at least one. */
    bool readUserDatabase();
    /*! Writes the user database atomically; an empty list moves the existing file to the backup name instead.
        False when the file could not be written. */
    bool writeUserDatabase() const;
    /*! A read-only list does not write the user database when it is destroyed: the command-line tool lists the
        databases without touching them. */
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

    /*! Stores a copy with the next user material id and returns that id; the copy keeps only its shown texts. */
    int addUserMaterial(const Material &material);
    /*! Replaces the user material with the same id; false when there is none. */
    bool updateUserMaterial(const Material &material);
    bool removeUserMaterial(int id);

    /*! Material at the running index, nullptr when out of range. */
    const Material *materialAt(int index) const;
    /*! Material with the id, system materials first; nullptr when unknown. */
    const Material *materialById(int id) const;
    int systemMaterialCount() const { return int(m_systemMaterials.size()); }
    int userMaterialCount() const { return int(m_userMaterials.size()); }
    int count() const { return systemMaterialCount() + userMaterialCount(); }

    /*! Materials of a "1.9" text list, each with the next user material id. On a reading error the materials
        read so far are returned and \a errmsg is set (and logged). */
    QVector<Material> readLegacyList(const QString &fileName, QString *errmsg = nullptr);
    /*! Materials of a "cmat" file, each with the next user material id. */
    QVector<Material> readUserFile(const QString &fileName);
    /*! As above; \a damage says why when the file could not be read whole or has an unknown version. */
    QVector<Material> readUserFile(const QString &fileName, QString &damage);

    /*! Why the user database could not be read whole ("<file>: <reason>"); empty when it was. */
    QString damageText() const { return m_damaged.damageText(); }
    /*! After the first write kept a copy of a damaged user database: the text for the user, once. */
    QString takeDamageNotice() { return m_damaged.takeNotice(); }

    /*! The built-in non-ventilated air space (id 0). */
    static Material airSpace();

    const QString &languageId() const { return m_languageId; }
    const QString &systemDirectory() const { return m_systemDirectory; }
    const QString &userDirectory() const { return m_userDirectory; }
    QString userDatabasePath() const;

private:
    using MaterialVector = std::vector<std::unique_ptr<Material>>;

    int nextUserId();
    void readSystemFiles();

    QString m_languageId;
    QString m_systemDirectory;
    QString m_userDirectory;
    IdSource m_nextUserId;
    int m_ownCounter = FirstUserMaterialId;
    bool m_readOnly = false;
    // Written from the const write: the copy of a damaged file is made on the first write.
    mutable DamagedDatabase m_damaged;
    MaterialVector m_systemMaterials;
    MaterialVector m_userMaterials;
};

#endif // MaterialListH
