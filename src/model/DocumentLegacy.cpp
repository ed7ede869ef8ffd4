// Reader of the project files of the previous program generation: a "FileVersion" header and one
// "DOCUMENT" block with climates, layers, periods, surface resistances and project texts.

#include "Document.h"

#include <QFile>

#include <ZOT_EOLStreamBuffer.h>
#include <ZOT_Exception.h>

#include <cctype>
#include <cstdint>
#include <fstream>
#include <limits>

#include "LegacyLine.h"
#include "LegacyValueReader.h"
#include "XMLHelpers.h"

namespace {

const char *const WHERE = "[Document::readOld]";

[[noreturn]] void fail(const QString &text) {
    throw ZOT::Exception(text.toStdString(), WHERE);
}

double valueOf(const LegacyLine &line, LegacyValueReader::Quantity quantity) {
    double value = 0;
    if (!LegacyValueReader::readValue(line.rest(), quantity, value))
        fail(Document::tr("Invalid value '%1' of keyword '%2'.").arg(line.rest(), line.keyword()));
    return value;
}

// The remarks are a byte count and that many bytes of text; they are not kept. The count comes from the
// file: it must fit in 32 bits and must not reach beyond the end of the file, and nothing is allocated for it.
void skipRemarks(std::istream &in) {
    std::string token;
    LegacyLine::readToken(in, token);
    bool ok = false;
    const qint64 length = QString::fromStdString(token).toLongLong(&ok);
    const QString invalidLength =
        Document::tr("Invalid length '%1' of the remarks!").arg(QString::fromStdString(token));
    if (!ok || length < 0 || length > std::numeric_limits<std::int32_t>::max())
        fail(invalidLength);
    if (std::isspace(in.peek()))
        in.get();
    in.ignore(static_cast<std::streamsize>(length));
    if (in.gcount() < length)
        fail(invalidLength);
    LegacyLine line;
    if (!line.read(in) || !line.isBlockEnd())
        fail(Document::tr("Block end '}' missing for remarks!"));
}

// Keywords of the "DOCUMENT" block other than the sub-blocks; false for an unknown keyword.
bool readDocumentEntry(const LegacyLine &line, Document &document) {
    AssessmentConditions &conditions = document.inputData().conditions();
    ProjectInformation &info = document.projectInformation();
    const QString &keyword = line.keyword();
    // The left value goes to the exterior and the right one to the interior side, as the files were read
    // by the previous generation.
    if (keyword == QLatin1String("RO_Left"))
        conditions.setExterior(AssessmentConditions::SurfaceResistance, AssessmentConditions::Winter,
                               valueOf(line, LegacyValueReader::SurfaceResistance));
    else if (keyword == QLatin1String("RO_Right"))
        conditions.setInterior(AssessmentConditions::SurfaceResistance, AssessmentConditions::Winter,
                               valueOf(line, LegacyValueReader::SurfaceResistance));
    else if (keyword == QLatin1String("wintertime"))
        conditions.setTT(valueOf(line, LegacyValueReader::Period));
    else if (keyword == QLatin1String("summertime"))
        conditions.setTT_summer(valueOf(line, LegacyValueReader::Period));
    else if (keyword == QLatin1String("Project_name"))
        info.m_projectName = line.rest();
    else if (keyword == QLatin1String("Construction"))
        info.m_constructionID = line.rest();
    else if (keyword == QLatin1String("Consultant"))
        info.m_userName = line.rest();
    else if (keyword == QLatin1String("Project_work"))
        info.m_description = line.rest();
    else
        return false;
    return true;
}

// The "DOCUMENT" block; false with the error text of the block or of the failing sub-block.
bool readDocumentBlock(std::istream &in, const QString &version, Document &document, QString &errorText) {
    LegacyLine line;
    if (!line.read(in) || line.keyword() != QLatin1String("DOCUMENT") || !line.opensBlock(in)) {
        errorText = Document::tr("Keyword 'DOCUMENT' missing!");
        return false;
    }
    for (;;) {
        if (!line.read(in))
            fail(Document::tr("Unexpected end of file!"));
        if (line.isBlockEnd())
            return true;
        const QString &keyword = line.keyword();
        const bool isBlock = keyword == QLatin1String("CLIMATE_LIST") || keyword == QLatin1String("STRUCTURE");
        if (isBlock && !line.opensBlock(in))
            fail(Document::tr("Block start '{' missing for '%1'!").arg(keyword));
        if (keyword == QLatin1String("CLIMATE_LIST")) {
            if (!document.inputData().readClimateOld(in, errorText))
                return false;
        }
        else if (keyword == QLatin1String("STRUCTURE")) {
            if (!document.inputData().readConstructionOld(in, version, errorText))
                return false;
        }
        else if (keyword == QLatin1String("Remarks")) {
            if (!line.opensBlock(in)) {
                errorText = Document::tr("Block start '{' missing for remarks!");
                return false;
            }
            skipRemarks(in);
        }
        else if (!readDocumentEntry(line, document)) {
            errorText = Document::tr("Invalid keyword '%1' in project file!").arg(keyword);
            return false;
        }
    }
}

// The first line: a keyword containing "FileVersion" and the file version.
bool readHeader(std::istream &in, QString &version) {
    try {
        LegacyLine header;
        if (!header.read(in) || !header.keyword().contains(QLatin1String("FileVersion")))
            return false;
        version = header.restTokens().value(0);
        return true;
    }
    catch (const ZOT::Exception &) {
        return false;
    }
}

} // namespace

bool Document::readOld(const QString &fileName, QString &errorText) {
    errorText.clear();
    std::ifstream file(QFile::encodeName(fileName).constData(), std::ios::binary);
    if (!file) {
        errorText = LegacyValueReader::located(
            WHERE, tr("Cannot open file '%1' for reading (maybe missing permissions).").arg(fileName));
        return false;
    }
    ZOT::EOLStreamBuffer lineEnds(file);
    m_inputData = InputData();
    QString version;
    if (!readHeader(file, version)) {
        errorText = LegacyValueReader::located(WHERE, tr("Keyword 'FileVersion' missing!"));
        return false;
    }
    QString blockError;
    bool ok = false;
    try {
        ok = readDocumentBlock(file, version, *this, blockError);
    }
    catch (const ZOT::Exception &ex) {
        blockError = tr("Error reading project file.\n") + LegacyValueReader::exceptionText(ex);
    }
    if (!ok) {
        errorText =
            LegacyValueReader::located(WHERE, tr("Error reading project file '%1'\n").arg(fileName)) + blockError;
        return false;
    }
    ProjectInformation &info = m_projectInformation;
    for (QString *text : {&info.m_projectName, &info.m_constructionID, &info.m_userName, &info.m_description})
        XMLHelpers::cleanIncomingText(*text, tr("the project information"));
    // The files keep no summer surface resistances; equal ones let a standard conditions type be recognised.
    AssessmentConditions &conditions = m_inputData.conditions();
    conditions.setInterior(AssessmentConditions::SurfaceResistance, AssessmentConditions::Summer, conditions.Rsi());
    conditions.setExterior(AssessmentConditions::SurfaceResistance, AssessmentConditions::Summer, conditions.Rse());
    return true;
}
