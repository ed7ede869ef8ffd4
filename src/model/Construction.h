#ifndef ConstructionH
#define ConstructionH

// Record of the construction database: a named layer sequence (interior side first) with notes.

#include <QString>
#include <QVector>

#include "MaterialLayer.h"

class Construction {
public:
    explicit Construction(const QString &name = QString()) : m_name(name) {}
    Construction(const QString &name, const QVector<MaterialLayer> &layers) : m_name(name), m_layers(layers) {}

    const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    const QString &notes() const { return m_notes; }
    void setNotes(const QString &notes) { m_notes = notes; }
    const QVector<MaterialLayer> &layers() const { return m_layers; }
    QVector<MaterialLayer> &layers() { return m_layers; }
    void setLayers(const QVector<MaterialLayer> &layers) { m_layers = layers; }

    /*! Same name, notes and layers (material and width) position by position. */
    bool operator==(const Construction &other) const;
    bool operator!=(const Construction &other) const { return !(*this == other); }
    /*! Same name, notes and layer materials, whatever the widths: the construction database keeps one entry for
        such constructions, since a width is chosen anew each time a construction is used. */
    bool sameDatabaseEntry(const Construction &other) const;

    /*! Writes version 1, the layer count, name, notes and every layer record. */
    void writeBinary(QDataStream &out) const;
    /*! Replaces name, notes and layers by the record; returns false at the first layer that cannot be read,
        keeping the layers read before it. */
    bool readBinary(QDataStream &in);

private:
    QString m_name;
    QString m_notes;
    QVector<MaterialLayer> m_layers;
};

#endif // ConstructionH
