#ifndef DamagedDatabaseH
#define DamagedDatabaseH

// Guards a user database file that could not be read whole (a damaged record, a short file) or has a
// format version this program does not know: writing the list read from it would cut the database down
// for good. Before the first write the original is kept as "<name>.damaged-<yyyyMMdd-hhmmss>", once, and
// the user is told once.

#include <QCoreApplication>
#include <QString>

class DamagedDatabase {
    Q_DECLARE_TR_FUNCTIONS(DamagedDatabase)
public:
    /*! Called by the reader: \a fileName was not read whole, \a reason says why (logged). */
    void markDamaged(const QString &fileName, const QString &reason);
    bool isDamaged() const { return !m_fileName.isEmpty(); }
    /*! "<file>: <reason>" for a caller that only reads (the command-line tool); empty when not damaged. */
    QString damageText() const;

    /*! Called before every write: the first time after markDamaged it copies the original file to the kept
        name. False when that copy could not be made; the caller must not write then. */
    bool keepOriginal();
    /*! Name of the kept copy; empty until it was made. */
    const QString &keptCopy() const { return m_keptCopy; }
    /*! The text for the user after the copy was made, once; empty on every later call. */
    QString takeNotice();

    /*! Name of the kept copy of \a fileName made at the current time. */
    static QString keptName(const QString &fileName);

private:
    QString m_fileName;
    QString m_reason;
    QString m_keptCopy;
    bool m_noticeTaken = false;
};

#endif // DamagedDatabaseH
