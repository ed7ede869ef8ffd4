#ifndef SystemMaterialFileH
#define SystemMaterialFileH

// Reader and writer of the system material files ("*.v2m") delivered in the resources directory.
// Written by the catalogue generator at build time, read by MaterialList at start-up.
//
// File layout (integers big-endian):
//   4 bytes   magic "HXM2"
//   quint32   format version (FormatVersion)
//   quint32   payload length n
//   32 bytes  SHA-256 of the payload
//   n bytes   payload: the record block compressed with qCompress, then scrambled with a fixed key stream
// Record block (QDataStream, Qt 5.15 encoding): quint32 count, then per material: qint32 system id
// (1..32767), the Material binary record of version 4, the measuring, sampling and production dates, and the
// catalogue texts: quint32 number of languages, then per language its id, name, notes and data source.
// Counts and lengths in a file are not trusted: a damaged file is rejected as a whole.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

#include "Material.h"

class SystemMaterialFile {
    Q_DECLARE_TR_FUNCTIONS(SystemMaterialFile)
public:
    static const quint32 FormatVersion = 2;

    /*! Writes \a materials to \a fileName; false with \a errmsg when the file cannot be written. */
    static bool write(const QString &fileName, const QVector<Material> &materials, QString &errmsg);
    /*! Reads all materials of \a fileName. On any damage (wrong magic or version, checksum mismatch, broken
        compression, bad record, id outside 1..32767) returns false with \a errmsg and leaves \a materials empty. */
    static bool read(const QString &fileName, QVector<Material> &materials, QString &errmsg);

    /*! The complete file content for \a materials. */
    static QByteArray encode(const QVector<Material> &materials);
    /*! Decodes a complete file content; same rules as read(). */
    static bool decode(const QByteArray &data, QVector<Material> &materials, QString &errmsg);

private:
    static bool readCatalogueTexts(QDataStream &in, Material &material);
    static bool decodeRecords(const QByteArray &block, QVector<Material> &materials, QString &errmsg);
};

#endif // SystemMaterialFileH
