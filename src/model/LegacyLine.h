#ifndef LegacyLineH
#define LegacyLineH

// One keyword line of the legacy text formats, and the block syntax around it: a keyword (a trailing ":"
// is dropped) followed by the rest of the line; blocks open with "{" on the keyword line or as the next
// token and close with a line "}" alone. Reads from a stream whose line ends were normalised by
// ZOT::EOLStreamBuffer. Lines and tokens are limited in length, so that a binary file cannot make the
// readers allocate without bound; an overlong line throws ZOT::Exception.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <istream>
#include <string>

class LegacyLine {
    Q_DECLARE_TR_FUNCTIONS(LegacyLine)
public:
    /*! Longest line or token accepted, in bytes. */
    static const std::size_t MaxLength = 65536;

    /*! Reads the next non-empty line; false at the end of the input. */
    bool read(std::istream &in);
    /*! Takes a trimmed, non-empty line apart into keyword and rest. */
    void setText(const QString &line);

    /*! First token without a trailing ":". */
    const QString &keyword() const { return m_keyword; }
    /*! The text after the first token, trimmed. */
    const QString &rest() const { return m_rest; }
    /*! The tokens after the first one. */
    QStringList restTokens() const;
    /*! True for a line "}" alone. */
    bool isBlockEnd() const { return m_keyword == QLatin1String("}") && m_rest.isEmpty(); }
    /*! True when the block of this line is opened: the rest of the line is "{", or the line has no rest and
        the next token is "{" (its line is consumed). */
    bool opensBlock(std::istream &in) const;

    /*! Reads the next whitespace-separated token (the separator after it stays in the stream); false at the
        end of the input. */
    static bool readToken(std::istream &in, std::string &token);

private:
    QString m_keyword;
    QString m_rest;
};

#endif // LegacyLineH
