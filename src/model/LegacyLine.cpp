#include "LegacyLine.h"

#include <QRegularExpression>

#include <ZOT_Exception.h>

#include <cctype>

#include "LegacyValueReader.h"

namespace {

bool isSpace(int c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

void throwTooLong() {
    throw ZOT::Exception(LegacyLine::tr("Line too long; this is not a text project file.").toStdString(),
                         "[LegacyLine::read]");
}

// Reads up to the next line end; false when the input has ended before any character.
bool readRawLine(std::istream &in, std::string &line) {
    line.clear();
    std::istream::int_type c = in.get();
    if (c == std::istream::traits_type::eof())
        return false;
    while (c != std::istream::traits_type::eof() && c != '\n') {
        if (line.size() >= LegacyLine::MaxLength)
            throwTooLong();
        line.push_back(static_cast<char>(c));
        c = in.get();
    }
    return true;
}

} // namespace

bool LegacyLine::read(std::istream &in) {
    std::string raw;
    QString line;
    do {
        if (!readRawLine(in, raw))
            return false;
        line = LegacyValueReader::decodeText(raw).trimmed();
    } while (line.isEmpty());
    setText(line);
    return true;
}

void LegacyLine::setText(const QString &line) {
    const int split = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
    m_keyword = split < 0 ? line : line.left(split);
    if (m_keyword.size() > 1 && m_keyword.endsWith(QLatin1Char(':')))
        m_keyword.chop(1);
    m_rest = split < 0 ? QString() : line.mid(split).trimmed();
}

QStringList LegacyLine::restTokens() const {
    return m_rest.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

bool LegacyLine::opensBlock(std::istream &in) const {
    if (!m_rest.isEmpty())
        return m_rest == QLatin1String("{");
    std::string token;
    if (!readToken(in, token) || token != "{")
        return false;
    std::string remainder;
    readRawLine(in, remainder);
    return true;
}

bool LegacyLine::readToken(std::istream &in, std::string &token) {
    token.clear();
    std::istream::int_type c = in.get();
    while (c != std::istream::traits_type::eof() && isSpace(c))
        c = in.get();
    while (c != std::istream::traits_type::eof() && !isSpace(c)) {
        if (token.size() >= MaxLength)
            throwTooLong();
        token.push_back(static_cast<char>(c));
        c = in.get();
    }
    if (c != std::istream::traits_type::eof())
        in.unget();
    return !token.empty();
}
