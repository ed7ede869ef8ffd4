// Opening and saving project files.

#include "Project.h"

#include "SafeFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QBuffer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

bool Project::read(const QString &fileName, QString &errorText, bool *converted) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        errorText = tr("Cannot open file '%1' for reading (maybe missing permissions).").arg(fileName);
        return false;
    }
    const QString extension = QFileInfo(fileName).suffix().toLower();
    std::unique_ptr<Document> document(new Document);
    bool ok = false;
    bool tryLegacy = extension == QLatin1String("vpj");
    if (!tryLegacy) {
        QXmlStreamReader reader(&file);
        ok = document->readXML(reader);
        if (!ok) {
            // Where in the file: a project has many layers with the same attribute names.
            errorText = tr("line %1, column %2: %3")
                            .arg(reader.lineNumber())
                            .arg(reader.columnNumber())
                            .arg(reader.errorString());
            tryLegacy = extension != QLatin1String("v2p");
        }
    }
    file.close();
    if (tryLegacy) {
        // A failed XML attempt may have filled parts of the document.
        document.reset(new Document);
        QString legacyError;
        ok = document->readOld(fileName, legacyError);
        if (!ok)
            errorText = tr("Error reading file as VAPRO 1 version.\n") + legacyError;
    }
    if (!ok)
        return false;
    if (document->inputData().layers().isEmpty()) {
        errorText = tr("Project doesn't contain any layers. Please create a new project!");
        return false;
    }
    // No building comes near it; far more layers only make every calculation and report crawl.
    if (document->inputData().layers().size() > MaximumLayerCount) {
        errorText = tr("The project has more than %1 layers.").arg(MaximumLayerCount);
        return false;
    }
    m_document = std::move(document);
    if (converted)
        *converted = tryLegacy;
    return true;
}

bool Project::write(const QString &fileName, QString *errorText) const {
    const auto failed = [errorText](const QString &text) {
        if (errorText)
            *errorText = text;
        return false;
    };
    if (!m_document)
        return failed(tr("No project to save."));
    QByteArray content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    m_document->writeXML(writer);
    if (writer.hasError())
        return failed(tr("Error writing file '%1'.").arg(fileName));
    return SafeFileWriter::write(fileName, content, errorText);
}
