#ifndef DatabaseBackupH
#define DatabaseBackupH

// Backup rule shared by the user material database and the construction database: an empty list never
// overwrites the last database file; the file is moved to its ".backup" name instead.

#include <QString>

class DatabaseBackup {
public:
    /*! Name of the backup copy of \a fileName. */
    static QString backupName(const QString &fileName) { return fileName + QStringLiteral(".backup"); }
    /*! Renames an existing \a fileName to the backup name, deleting an older backup first. True when there was
        nothing to move or the rename succeeded. */
    static bool moveToBackup(const QString &fileName);
};

#endif // DatabaseBackupH
