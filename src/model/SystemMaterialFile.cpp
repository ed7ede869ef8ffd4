#include "SystemMaterialFile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QSaveFile>

#include "XMLHelpers.h"

namespace {

const char Magic[4] = {'H', 'X', 'M', '2'};
const int HeaderSize = 4 + 4 + 4 + 32;
// Upper bounds far above any real catalogue; they keep a damaged length from causing huge allocations.
const qint64 MaxFileSize = 16 * 1024 * 1024;
const quint32 MaxBlockSize = 64 * 1024 * 1024;
const int SystemIdLimit = 32768;
// A catalogue is delivered in a handful of languages; more marks a damaged record.
const quint32 MaxLanguages = 16;

// The files are not meant to be edited by hand: the payload is XOR-ed with a xorshift key stream.
// Applying the function twice restores the data.
QByteArray scramble(const QByteArray &data) {
    QByteArray result(data);
    quint32 state = 0x48594752u;
    for (char &c : result) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        c = static_cast<char>(c ^ static_cast<char>(state & 0xff));
    }
    return result;
}

QByteArray sha256(const QByteArray &data) {
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256);
}

quint32 bigEndian32(const QByteArray &data, int offset) {
    const auto *p = reinterpret_cast<const uchar *>(data.constData() + offset);
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

} // namespace

QByteArray SystemMaterialFile::encode(const QVector<Material> &materials) {
    QByteArray block;
    QDataStream records(&block, QIODevice::WriteOnly);
    records.setVersion(QDataStream::Qt_5_15);
    records << quint32(materials.size());
    for (const Material &m : materials) {
        records << qint32(m.materialId());
        m.writeBinary(records, Material::CurrentBinaryVersion);
        records << m.measuringDate() << m.samplingDate() << m.productionDate();
        records << quint32(m.catalogueTexts().size());
        for (auto texts = m.catalogueTexts().cbegin(); texts != m.catalogueTexts().cend(); ++texts)
            records << texts.key() << texts->name << texts->notes << texts->dataSource;
    }
    const QByteArray payload = scramble(qCompress(block, 9));

    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.writeRawData(Magic, 4);
    out << FormatVersion << quint32(payload.size());
    const QByteArray hash = sha256(payload);
    out.writeRawData(hash.constData(), hash.size());
    out.writeRawData(payload.constData(), payload.size());
    return data;
}

bool SystemMaterialFile::decode(const QByteArray &data, QVector<Material> &materials, QString &errmsg) {
    materials.clear();
    if (data.size() < HeaderSize || !data.startsWith(QByteArray(Magic, 4))) {
        errmsg = tr("Not a system material file.");
        return false;
    }
    const quint32 version = bigEndian32(data, 4);
    if (version != FormatVersion) {
        errmsg = tr("Unsupported system material file version %1.").arg(version);
        return false;
    }
    const quint32 payloadSize = bigEndian32(data, 8);
    if (payloadSize != quint32(data.size() - HeaderSize)) {
        errmsg = tr("System material file is truncated or has trailing data.");
        return false;
    }
    const QByteArray payload = data.mid(HeaderSize);
    if (sha256(payload) != data.mid(12, 32)) {
        errmsg = tr("Checksum mismatch: the system material file is damaged.");
        return false;
    }
    const QByteArray compressed = scramble(payload);
    if (compressed.size() < 4 || bigEndian32(compressed, 0) > MaxBlockSize) {
        errmsg = tr("Invalid compressed data in system material file.");
        return false;
    }
    const QByteArray block = qUncompress(compressed);
    if (block.isEmpty()) {
        errmsg = tr("Invalid compressed data in system material file.");
        return false;
    }
    return decodeRecords(block, materials, errmsg);
}

bool SystemMaterialFile::decodeRecords(const QByteArray &block, QVector<Material> &materials, QString &errmsg) {
    QDataStream in(block);
    in.setVersion(QDataStream::Qt_5_15);
    quint32 count = 0;
    in >> count;
    // Appended one by one: the count is checked against the data actually present, not trusted for reserve().
    for (quint32 i = 0; i < count; ++i) {
        qint32 id = 0;
        in >> id;
        Material m;
        QDate measuring, sampling, production;
        const bool ok = m.readBinary(in, Material::CurrentBinaryVersion, id);
        in >> measuring >> sampling >> production;
        const bool textsOk = readCatalogueTexts(in, m);
        if (!ok || !textsOk || in.status() != QDataStream::Ok || id <= 0 || id >= SystemIdLimit) {
            materials.clear();
            errmsg = tr("Damaged material record %1 in system material file.").arg(i + 1);
            return false;
        }
        m.setMeasuringDate(measuring);
        m.setSamplingDate(sampling);
        m.setProductionDate(production);
        materials.append(m);
    }
    if (!in.atEnd()) {
        materials.clear();
        errmsg = tr("System material file holds more data than its records.");
        return false;
    }
    return true;
}

bool SystemMaterialFile::readCatalogueTexts(QDataStream &in, Material &material) {
    quint32 count = 0;
    in >> count;
    if (count > MaxLanguages)
        return false;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString language;
        Material::Texts texts;
        in >> language >> texts.name >> texts.notes >> texts.dataSource;
        // The texts become the shown ones, which every project file must be able to hold.
        material.setCatalogueTexts(language, {XMLHelpers::xmlSafeText(texts.name), XMLHelpers::xmlSafeText(texts.notes),
                                              XMLHelpers::xmlSafeText(texts.dataSource)});
    }
    return true;
}

bool SystemMaterialFile::write(const QString &fileName, const QVector<Material> &materials, QString &errmsg) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        errmsg = tr("Cannot write system material file '%1'.").arg(fileName);
        return false;
    }
    file.write(encode(materials));
    if (!file.commit()) {
        errmsg = tr("Cannot write system material file '%1'.").arg(fileName);
        return false;
    }
    return true;
}

bool SystemMaterialFile::read(const QString &fileName, QVector<Material> &materials, QString &errmsg) {
    materials.clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        errmsg = tr("Cannot open system material file '%1'.").arg(fileName);
        return false;
    }
    if (file.size() > MaxFileSize) {
        errmsg = tr("System material file '%1' is too large.").arg(fileName);
        return false;
    }
    QString decodeError;
    if (!decode(file.readAll(), materials, decodeError)) {
        errmsg = tr("Error reading system material file '%1': %2").arg(fileName, decodeError);
        return false;
    }
    return true;
}
