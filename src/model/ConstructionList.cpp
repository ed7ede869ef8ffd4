#include "ConstructionList.h"

#include <QDataStream>
#include <QDir>
#include <QFile>

#include <ZOT_MessageHandler.h>
#include <ZOT_MessageStream.h>

#include "DatabaseBackup.h"
#include "SafeFileWriter.h"
#include "MaterialList.h"

#include <algorithm>

const char *const ConstructionList::FileName = "ConstructionData.constr";

ConstructionList::ConstructionList(const QString &languageId, const QString &directory, QObject *parent)
    : QObject(parent), m_languageId(languageId), m_directory(directory) {}

ConstructionList::~ConstructionList() {
    write();
}

QString ConstructionList::filePath() const {
    return m_directory + QLatin1Char('/') + QLatin1String(FileName);
}

bool ConstructionList::read() {
    ZOT::MessageStream log("ConstructionList::read", ZOT::MSG_PROGRESS, -1);
    log << "Construction directory: " << QDir(m_directory).absolutePath().toStdString();
    log.flush();
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    log << "Read construction file: " << filePath().toStdString();
    QDataStream in(&file);
    qint32 version = 0;
    in >> version;
    log << " with version: " << version;
    log.flush();
    m_constructions.clear();
    if (version != FileVersion) {
        m_damaged.markDamaged(filePath(), tr("unknown format version %1").arg(version));
        return true;
    }
    qint32 count = 0;
    in >> count;
    // The count is not trusted: records are appended one by one until the first that fails.
    for (qint32 i = 0; i < count; ++i) {
        auto construction = std::make_unique<Construction>(QCoreApplication::translate("Construction", "Unknown"));
        if (!construction->readBinary(in))
            break;
        m_constructions.push_back(std::move(construction));
    }
    if (in.status() != QDataStream::Ok || count < 0 || this->count() != count)
        m_damaged.markDamaged(filePath(),
                              tr("only %1 of %2 constructions could be read").arg(this->count()).arg(qMax(count, 0)));
    else if (!in.atEnd())
        m_damaged.markDamaged(filePath(), tr("unknown data after the last of %1 constructions").arg(count));
    return true;
}

bool ConstructionList::write() const {
    if (m_directory.isEmpty() || !QDir().mkpath(m_directory) || !m_damaged.keepOriginal())
        return false;
    ZOT::MessageStream log("ConstructionList::write", ZOT::MSG_PROGRESS, -1);
    log << "Write construction file: " << filePath().toStdString();
    log.flush();
    if (m_constructions.empty())
        return DatabaseBackup::moveToBackup(filePath());
    QByteArray content;
    QDataStream out(&content, QIODevice::WriteOnly);
    out << qint32(FileVersion) << qint32(m_constructions.size());
    for (const auto &c : m_constructions)
        c->writeBinary(out);
    return out.status() == QDataStream::Ok && SafeFileWriter::write(filePath(), content);
}

bool ConstructionList::addConstruction(const Construction &construction) {
    for (const auto &c : m_constructions) {
        if (c->sameDatabaseEntry(construction))
            return false;
    }
    m_constructions.push_back(std::make_unique<Construction>(construction));
    emit constructionAdded(m_constructions.back().get());
    return true;
}

bool ConstructionList::removeConstruction(const Construction &construction) {
    for (auto it = m_constructions.begin(); it != m_constructions.end(); ++it) {
        if ((*it)->sameDatabaseEntry(construction)) {
            m_constructions.erase(it);
            emit constructionRemoved();
            return true;
        }
    }
    return false;
}

void ConstructionList::removeAt(int index) {
    m_constructions.erase(m_constructions.begin() + index);
    emit constructionRemoved();
}

void ConstructionList::replace(int index, const Construction &construction) {
    *m_constructions[size_t(index)] = construction;
    emit constructionChanged(index);
}

int ConstructionList::maxLayerCount() const {
    int result = 0;
    for (const auto &c : m_constructions)
        result = std::max(result, int(c->layers().size()));
    return result;
}

bool ConstructionList::addExampleConstruction(const MaterialList &materials) {
    const Material *masonry = materials.materialById(493);
    const Material *insulation = materials.materialById(282);
    if (!masonry || !insulation)
        return false;
    const QVector<MaterialLayer> layers = {MaterialLayer(*masonry, 0.12), MaterialLayer(*insulation, 0.08),
                                           MaterialLayer(*masonry, 0.12)};
    return addConstruction(Construction(tr("test construction 1"), layers));
}
