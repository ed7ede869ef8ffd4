#ifndef CliOutputH
#define CliOutputH

// Standard output and standard error of the command-line tool: always UTF-8, whatever the locale, and
// flushed at once so that the two streams interleave in order.

#include <QByteArray>
#include <QString>

namespace CliOutput {

/*! Writes \a text unchanged to standard output; false when the stream failed (full disk, closed pipe), so that
    a command never reports a lost output as success. */
bool write(const QByteArray &text);
/*! Writes \a text and a line break to standard output; false when the stream failed. */
bool print(const QString &text);
/*! Writes \a text and a line break to standard error. */
void printError(const QString &text);

} // namespace CliOutput

#endif // CliOutputH
