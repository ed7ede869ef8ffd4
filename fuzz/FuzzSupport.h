#ifndef FuzzSupportH
#define FuzzSupportH

// Helpers shared by the fuzz targets: silence the message handler (every rejected input would log),
// and hand readers that want a file name the fuzz input as a file in a private temporary directory.

#include <QString>

#include <cstddef>
#include <cstdint>

namespace FuzzSupport {

/*! Installs a message handler that drops every message. */
void silenceMessages();

/*! Private directory of this fuzz process, created on first use. */
QString workDirectory();

/*! Writes the input to \a fileName inside workDirectory() and returns the full path. */
QString writeInput(const std::uint8_t *data, std::size_t size, const QString &fileName);

} // namespace FuzzSupport

#endif // FuzzSupportH
