#ifndef SafeFileWriterH
#define SafeFileWriterH

// Writes project and database files so that a failing write (full disk, file size limit, permissions)
// never leaves a truncated file behind: the new content goes to a temporary file that replaces the old
// one only when every byte was written. Used by the project file and both user databases.

#include <QCoreApplication>
#include <QString>

#include <functional>

class QByteArray;
class QSaveFile;

class SafeFileWriter {
    Q_DECLARE_TR_FUNCTIONS(SafeFileWriter)
public:
    /*! The final step that puts the written temporary file in place of the old one; false with the cause in
        \a reason when it failed. */
    using CommitStep = std::function<bool(QSaveFile &file, QString &reason)>;

    /*! Replaces \a fileName by \a data. On failure the old file is untouched, the result is false and
        \a errorText (when given) says why. */
    static bool write(const QString &fileName, const QByteArray &data, QString *errorText = nullptr);
    /*! As above with another commit step, so that a failing rename can be brought about on purpose. */
    static bool write(const QString &fileName, const QByteArray &data, QString *errorText, const CommitStep &commit);
};

#endif // SafeFileWriterH
