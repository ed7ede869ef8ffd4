#include "CliOutput.h"

#include <cstdio>

namespace {

void writeTo(FILE *stream, const QByteArray &text) {
    std::fwrite(text.constData(), 1, size_t(text.size()), stream);
    std::fflush(stream);
}

} // namespace

namespace CliOutput {

void write(const QByteArray &text) {
    writeTo(stdout, text);
}

void print(const QString &text) {
    writeTo(stdout, text.toUtf8() + '\n');
}

void printError(const QString &text) {
    writeTo(stderr, text.toUtf8() + '\n');
}

} // namespace CliOutput
