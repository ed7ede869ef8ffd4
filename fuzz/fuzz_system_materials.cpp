// Fuzz target: the system material files ("*.v2m"). The first input byte chooses what the rest is:
// even - a whole file; odd - the record block inside a file, wrapped here with a correct header, checksum
// and compression so that the record decoding is reached behind the checksum.

#include "FuzzSupport.h"

#include <model/SystemMaterialFile.h>

#include <QCryptographicHash>
#include <QDataStream>

#include <cstdlib>

namespace {

// Same key stream as the file format; checked in LLVMFuzzerInitialize so that a format change cannot
// silently leave the record decoding unfuzzed.
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

QByteArray wrapRecordBlock(const QByteArray &block) {
    const QByteArray payload = scramble(qCompress(block, 9));
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.writeRawData("HXM2", 4);
    out << SystemMaterialFile::FormatVersion << quint32(payload.size());
    const QByteArray hash = QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
    out.writeRawData(hash.constData(), hash.size());
    out.writeRawData(payload.constData(), payload.size());
    return data;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    FuzzSupport::silenceMessages();
    QByteArray emptyBlock;
    QDataStream(&emptyBlock, QIODevice::WriteOnly) << quint32(0);
    QVector<Material> materials;
    QString errmsg;
    if (wrapRecordBlock(emptyBlock) != SystemMaterialFile::encode({}) ||
        !SystemMaterialFile::decode(wrapRecordBlock(emptyBlock), materials, errmsg))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), int(size - 1));
    const QByteArray file = (data[0] & 1) ? wrapRecordBlock(rest) : rest;
    QVector<Material> materials;
    QString errmsg;
    SystemMaterialFile::decode(file, materials, errmsg);
    return 0;
}
