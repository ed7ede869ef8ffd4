// File input and output of a layer: the "Layer" element of the project file and the "LAYER_DEFINITION"
// block of the legacy project file.

#include "MaterialLayer.h"

#include "InputData.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <ZOT_Exception.h>
#include <ZOT_MessageHandler.h>

#include <cmath>

#include "LegacyLine.h"
#include "LegacyValueReader.h"
#include "XMLHelpers.h"

namespace {

const char *const WHERE = "[MaterialLayer::readOld]";

// "r g b" with three integers; channels outside 0..255 are brought into range with a warning, as in the
// other file formats.
bool parseColour(const QStringList &tokens, QColor &colour) {
    if (tokens.size() != 3)
        return false;
    int rgb[3];
    bool clamped = false;
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const int value = tokens[i].toInt(&ok);
        if (!ok)
            return false;
        rgb[i] = qBound(0, value, 255);
        clamped = clamped || rgb[i] != value;
    }
    if (clamped)
        ZOT::message(MaterialLayer::tr("Layer colour '%1' brought into the range 0..255.")
                         .arg(tokens.join(QLatin1Char(' ')))
                         .toStdString(),
                     ZOT::MSG_WARNING, "MaterialLayer::readOld", -1);
    colour = QColor(rgb[0], rgb[1], rgb[2]);
    return true;
}

} // namespace

InputStatus MaterialLayer::readLayerXML(QXmlStreamReader &reader, int &index) {
    *this = MaterialLayer();
    InputStatus status = InputStatus::Valid;
    // The stored width is kept as it is: re-deriving it from an sd-value would change the saved project.
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("d"), m_width);
    if (!(m_width > 0) || !std::isfinite(m_width))
        status = InputStatus::InvalidWidth;
    index = 0;
    XMLHelpers::readIntAttribute(reader, QStringLiteral("index"), index);
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Material")) {
            if (!material().readXML(reader))
                status = InputStatus::InvalidMaterial;
        }
        else
            XMLHelpers::readUnknownElement(reader);
    }
    return status;
}

void MaterialLayer::writeLayerXML(QXmlStreamWriter &writer, int index) const {
    writer.writeStartElement(QStringLiteral("Layer"));
    writer.writeAttribute(QStringLiteral("index"), QString::number(index));
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("d"), m_width);
    material().writeXML(writer);
    writer.writeEndElement();
}

bool MaterialLayer::readOld(std::istream &in, const QString &version, QString &errorText) {
    *this = MaterialLayer();
    // The old files name no database material; id 0 would be taken for the built-in air space.
    setMaterialId(ConstructionDatabaseId);
    QColor colour;
    try {
        LegacyLine line;
        for (;;) {
            if (!line.read(in))
                throw ZOT::Exception(tr("Unexpected end of file!").toStdString(), WHERE);
            if (line.isBlockEnd())
                break;
            if (line.keyword() == QLatin1String("Width")) {
                if (!LegacyValueReader::readValue(line.rest(), LegacyValueReader::Length, m_width)) {
                    errorText = LegacyValueReader::located(WHERE, tr("Error reading layer width!"));
                    return false;
                }
            }
            else if (line.keyword() == QLatin1String("Colour")) {
                if (!parseColour(line.restTokens(), colour)) {
                    errorText = LegacyValueReader::located(WHERE, tr("Error reading layer colour!"));
                    return false;
                }
            }
            else if (line.keyword() == QLatin1String("MATERIAL_DEFINITION")) {
                if (!line.opensBlock(in)) {
                    errorText =
                        LegacyValueReader::located(WHERE, tr("Block start '{' of material definition missing!"));
                    return false;
                }
                if (!material().readOld(in, version, errorText))
                    return false;
            }
            else {
                errorText = LegacyValueReader::located(WHERE, tr("Invalid keyword!"));
                return false;
            }
        }
    }
    catch (const ZOT::Exception &ex) {
        errorText =
            LegacyValueReader::located(WHERE, tr("Error reading layer data!\n")) + LegacyValueReader::exceptionText(ex);
        return false;
    }
    // The colour line may come before the material block, which starts a fresh record.
    if (colour.isValid())
        setColor(colour);
    return true;
}
