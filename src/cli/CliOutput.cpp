#include "CliOutput.h"

#include <cstdio>

namespace {

bool writeTo(FILE *stream, const QByteArray &text) {
    const size_t written = std::fwrite(text.constData(), 1, size_t(text.size()), stream);
    return std::fflush(stream) == 0 && written == size_t(text.size()) && !std::ferror(stream);
}

} // namespace

namespace CliOutput {

bool write(const QByteArray &text) {
    return writeTo(stdout, text);
}

bool print(const QString &text) {
    return writeTo(stdout, text.toUtf8() + '\n');
}

void printError(const QString &text) {
    writeTo(stderr, text.toUtf8() + '\n');
}

} // namespace CliOutput
