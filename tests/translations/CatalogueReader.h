#ifndef CatalogueReaderH
#define CatalogueReaderH

// Reads a Qt Linguist catalogue for the tests of the German translation.

#include <QFile>
#include <QString>
#include <QVector>
#include <QXmlStreamReader>

// One message of the catalogue.
struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

// The messages of a Qt Linguist catalogue; none when it cannot be read.
inline QVector<Message> readCatalogue(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader reader(&file);
    QVector<Message> messages;
    QString context;
    Message message;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = reader.name();
        if (name == QLatin1String("name"))
            context = reader.readElementText();
        else if (name == QLatin1String("message"))
            message = {context, {}, {}, false};
        else if (name == QLatin1String("source"))
            message.source = reader.readElementText();
        else if (name == QLatin1String("translation")) {
            message.finished = !reader.attributes().hasAttribute("type");
            message.translation = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            messages << message;
        }
    }
    return reader.hasError() ? QVector<Message>() : messages;
}

#endif // CatalogueReaderH
