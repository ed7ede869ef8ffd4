#ifndef JsonWriterH
#define JsonWriterH

// Streaming JSON writer of the command-line tool. Keeps object members in the order they are written (scripts
// and people read the output), puts object members on lines of their own and writes arrays on one line unless
// asked for a block. Doubles get 17 significant digits so that they read back to the same bits; a non-finite
// double becomes null.

#include <QByteArray>
#include <QString>
#include <QVector>

class QJsonValue;

class JsonWriter {
public:
    enum Layout { Inline, Block };

    void beginObject();
    void endObject();
    void beginArray(Layout layout = Inline);
    void endArray();
    /*! Name of the next member of the current object. */
    void key(const QString &name);

    void value(double number);
    void value(int number);
    void value(bool flag);
    void value(const QString &text);
    void value(const char *text) { value(QString::fromUtf8(text)); }
    void null();
    /*! Writes a Qt JSON value tree; its objects come out in the key order of QJsonObject. */
    void value(const QJsonValue &json);

    /*! The text written so far, UTF-8. */
    const QByteArray &text() const { return m_text; }

    /*! A double as JSON number text: 17 significant digits, "null" when not finite. */
    static QByteArray number(double number);
    /*! A string as quoted JSON text with escapes for quotes, backslashes and control characters. */
    static QByteArray quoted(const QString &text);

private:
    struct Level {
        bool object = false;
        bool block = true;
        bool empty = true;
    };

    void beginContainer(char bracket, bool object, bool block);
    void endContainer(char bracket);
    /*! Separator and indentation before a value (or a key in an object). */
    void beforeItem();
    void newLine(int depth);
    void raw(const QByteArray &text);

    QByteArray m_text;
    QVector<Level> m_levels;
    bool m_afterKey = false;
};

#endif // JsonWriterH
