#include "Construction.h"

#include <QCoreApplication>
#include <QDataStream>

#include "XMLHelpers.h"

bool Construction::operator==(const Construction &other) const {
    return m_name == other.m_name && m_notes == other.m_notes && m_layers == other.m_layers;
}

bool Construction::sameDatabaseEntry(const Construction &other) const {
    if (m_name != other.m_name || m_notes != other.m_notes || m_layers.size() != other.m_layers.size())
        return false;
    for (int i = 0; i < m_layers.size(); ++i)
        if (m_layers[i].material() != other.m_layers[i].material())
            return false;
    return true;
}

void Construction::writeBinary(QDataStream &out) const {
    out << qint32(1) << qint32(m_layers.size()) << m_name << m_notes;
    for (const MaterialLayer &layer : m_layers)
        layer.writeBinary(out);
}

bool Construction::readBinary(QDataStream &in) {
    qint32 version = 0;
    qint32 count = 0;
    in >> version >> count >> m_name >> m_notes;
    const QString name = XMLHelpers::xmlSafeText(m_name);
    XMLHelpers::cleanIncomingText(
        m_name, QCoreApplication::translate("Construction", "the name of construction '%1'").arg(name));
    XMLHelpers::cleanIncomingText(
        m_notes, QCoreApplication::translate("Construction", "the notes of construction '%1'").arg(name));
    m_layers.clear();
    // The count comes from the file: layers are appended one by one instead of reserving space for it.
    for (qint32 i = 0; i < count; ++i) {
        MaterialLayer layer;
        if (!layer.readBinary(in))
            return false;
        m_layers.append(layer);
    }
    return in.status() == QDataStream::Ok;
}
