#include "JsonWriter.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>

void JsonWriter::beginObject() {
    beginContainer('{', true, true);
}

void JsonWriter::endObject() {
    endContainer('}');
}

void JsonWriter::beginArray(Layout layout) {
    beginContainer('[', false, layout == Block);
}

void JsonWriter::endArray() {
    endContainer(']');
}

void JsonWriter::key(const QString &name) {
    beforeItem();
    m_text += quoted(name) + ": ";
    m_afterKey = true;
}

void JsonWriter::value(double number) {
    raw(JsonWriter::number(number));
}

void JsonWriter::value(int number) {
    raw(QByteArray::number(number));
}

void JsonWriter::value(bool flag) {
    raw(flag ? "true" : "false");
}

void JsonWriter::value(const QString &text) {
    raw(quoted(text));
}

void JsonWriter::null() {
    raw("null");
}

void JsonWriter::value(const QJsonValue &json) {
    switch (json.type()) {
    case QJsonValue::Bool: value(json.toBool()); break;
    case QJsonValue::Double: value(json.toDouble()); break;
    case QJsonValue::String: value(json.toString()); break;
    case QJsonValue::Array: {
        const QJsonArray array = json.toArray();
        bool hasObject = false;
        for (const QJsonValue &element : array)
            hasObject = hasObject || element.isObject();
        beginArray(hasObject ? Block : Inline);
        for (const QJsonValue &element : array)
            value(element);
        endArray();
        break;
    }
    case QJsonValue::Object: {
        const QJsonObject object = json.toObject();
        beginObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            key(it.key());
            value(it.value());
        }
        endObject();
        break;
    }
    default: null(); break;
    }
}

QByteArray JsonWriter::number(double number) {
    if (!std::isfinite(number))
        return "null";
    // Qt drops the sign of a negative zero.
    if (number == 0)
        return std::signbit(number) ? "-0" : "0";
    // Qt formats without the C locale of the process, so the decimal separator is always a dot.
    return QByteArray::number(number, 'g', 17);
}

QByteArray JsonWriter::quoted(const QString &text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\b': out += QLatin1String("\\b"); break;
        case '\f': out += QLatin1String("\\f"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    // Surrogate pairs stay together in the string, so they convert to one UTF-8 sequence.
    return out.toUtf8();
}

void JsonWriter::beginContainer(char bracket, bool object, bool block) {
    raw(QByteArray(1, bracket));
    Level level;
    level.object = object;
    level.block = block;
    m_levels.append(level);
}

void JsonWriter::endContainer(char bracket) {
    const Level level = m_levels.takeLast();
    if (level.block && !level.empty)
        newLine(m_levels.size());
    m_text += bracket;
    if (m_levels.isEmpty())
        m_text += '\n';
}

void JsonWriter::beforeItem() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_levels.isEmpty())
        return;
    Level &level = m_levels.last();
    if (!level.empty)
        m_text += level.block ? "," : ", ";
    if (level.block)
        newLine(m_levels.size());
    level.empty = false;
}

void JsonWriter::newLine(int depth) {
    m_text += '\n' + QByteArray(2 * depth, ' ');
}

void JsonWriter::raw(const QByteArray &text) {
    beforeItem();
    m_text += text;
}
