#include "MaterialList.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSet>

#include <ZOT_Exception.h>
#include <ZOT_MessageHandler.h>
#include <ZOT_MessageStream.h>

#include "DatabaseBackup.h"
#include "SafeFileWriter.h"
#include "LegacyMaterialListReader.h"
#include "SystemMaterialFile.h"

const char *const MaterialList::UserDatabaseFileName = "UserData.cmat";

MaterialList::MaterialList(const QString &languageId, const QString &userDirectory, IdSource nextUserId,
                           QObject *parent)
    : QObject(parent), m_languageId(languageId), m_userDirectory(userDirectory), m_nextUserId(std::move(nextUserId)) {}

MaterialList::~MaterialList() {
    if (!m_readOnly)
        writeUserDatabase();
}

int MaterialList::nextUserId() {
    return m_nextUserId ? m_nextUserId() : m_ownCounter++;
}

QString MaterialList::userDatabasePath() const {
    return m_userDirectory + QLatin1Char('/') + QLatin1String(UserDatabaseFileName);
}

Material MaterialList::airSpace() {
    Material air(tr("Air space (not ventilated)"), Material::Miscellaneous,
                 tr("Thermal conductivity will be calculated from construction and heat flow according DIN EN ISO "
                    "6946 5.3.") +
                     QLatin1Char('\n') +
                     tr("Vapour diffusion resistance factor will be calculated from construction according DIN EN "
                        "ISO 13788 4.1."),
                 QString(), QString(), QString(), 1.23, 0.025, 1, 0.00001, 1.0, 0, 0);
    air.setFlags(true, false, false, false);
    return air;
}

bool MaterialList::readDatabase(const QString &resourcesDir) {
    m_systemDirectory = QDir(resourcesDir + QStringLiteral("/DB_materials")).absolutePath();
    ZOT::MessageStream log("MaterialList::read", ZOT::MSG_PROGRESS, -1);
    log << "Path for material database: " << m_systemDirectory.toStdString();
    log.flush();
    m_systemMaterials.clear();
    readSystemFiles();
    m_systemMaterials.push_back(std::make_unique<Material>(airSpace()));
    readUserDatabase();
    return count() > 0;
}

void MaterialList::readSystemFiles() {
    const QDir dir(m_systemDirectory);
    const QStringList files = dir.entryList({QStringLiteral("*.v2m")}, QDir::Files, QDir::Name);
    QSet<int> ids;
    for (const QString &name : files) {
        QVector<Material> materials;
        QString errmsg;
        if (!SystemMaterialFile::read(dir.absoluteFilePath(name), materials, errmsg)) {
            ZOT::message(errmsg.toStdString(), ZOT::MSG_ERROR, "MaterialList::read", -1);
            continue;
        }
        for (const Material &m : materials) {
            if (ids.contains(m.materialId())) {
                ZOT::message(
                    tr("Duplicate system material id %1 in '%2' ignored.").arg(m.materialId()).arg(name).toStdString(),
                    ZOT::MSG_WARNING, "MaterialList::read", -1);
                continue;
            }
            ids.insert(m.materialId());
            m_systemMaterials.push_back(std::make_unique<Material>(m));
            m_systemMaterials.back()->showLanguage(m_languageId);
        }
    }
}

bool MaterialList::readUserDatabase() {
    QString damage;
    const QVector<Material> materials = readUserFile(userDatabasePath(), damage);
    if (!damage.isEmpty())
        m_damaged.markDamaged(userDatabasePath(), damage);
    if (materials.isEmpty())
        return false;
    m_userMaterials.clear();
    for (const Material &m : materials)
        m_userMaterials.push_back(std::make_unique<Material>(m));
    return true;
}

bool MaterialList::writeUserDatabase() const {
    if (m_userDirectory.isEmpty() || !QDir().mkpath(m_userDirectory) || !m_damaged.keepOriginal())
        return false;
    if (m_userMaterials.empty())
        return DatabaseBackup::moveToBackup(userDatabasePath());
    QByteArray content;
    QDataStream out(&content, QIODevice::WriteOnly);
    out << qint32(UserFileMarker) << qint32(m_userMaterials.size());
    for (const auto &m : m_userMaterials)
        m->writeBinary(out, Material::CurrentBinaryVersion);
    return out.status() == QDataStream::Ok && SafeFileWriter::write(userDatabasePath(), content);
}

int MaterialList::addUserMaterial(const Material &material) {
    auto m = std::make_unique<Material>(material);
    // A copy of a system material keeps the one name it was given, in whatever language.
    m->clearCatalogueTexts();
    m->setMaterialId(nextUserId());
    const int id = m->materialId();
    m_userMaterials.push_back(std::move(m));
    return id;
}

bool MaterialList::updateUserMaterial(const Material &material) {
    for (auto &m : m_userMaterials) {
        if (m->materialId() == material.materialId()) {
            *m = material;
            m->clearCatalogueTexts();
            return true;
        }
    }
    return false;
}

bool MaterialList::removeUserMaterial(int id) {
    for (auto it = m_userMaterials.begin(); it != m_userMaterials.end(); ++it) {
        if ((*it)->materialId() == id) {
            m_userMaterials.erase(it);
            return true;
        }
    }
    return false;
}

const Material *MaterialList::materialAt(int index) const {
    if (index < 0 || index >= count())
        return nullptr;
    if (index < systemMaterialCount())
        return m_systemMaterials[size_t(index)].get();
    return m_userMaterials[size_t(index - systemMaterialCount())].get();
}

const Material *MaterialList::materialById(int id) const {
    for (const MaterialVector *list : {&m_systemMaterials, &m_userMaterials}) {
        for (const auto &m : *list) {
            if (m->materialId() == id)
                return m.get();
        }
    }
    return nullptr;
}

QVector<Material> MaterialList::readLegacyList(const QString &fileName, QString *errmsg) {
    QVector<Material> materials;
    try {
        LegacyMaterialListReader::read(
            fileName, [this] { return nextUserId(); }, materials);
    }
    catch (const ZOT::Exception &e) {
        const QString text =
            tr("Error reading material list from file '%1'!\n%2").arg(fileName, QString::fromStdString(e.what()));
        ZOT::message(text.toStdString(), ZOT::MSG_ERROR, "MaterialList::readLegacyList", -1);
        if (errmsg)
            *errmsg = text;
    }
    return materials;
}

QVector<Material> MaterialList::readUserFile(const QString &fileName) {
    QString damage;
    return readUserFile(fileName, damage);
}

QVector<Material> MaterialList::readUserFile(const QString &fileName, QString &damage) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QDataStream in(&file);
    qint32 first = 0;
    in >> first;
    int version = 1;
    qint32 count = first;
    if (first < 0) {
        // A negative first value is the format marker -v of record version v.
        if (first < -4) {
            damage = tr("unknown format version %1").arg(-qint64(first));
            return {};
        }
        version = -first;
        in >> count;
    }
    QVector<Material> materials;
    // The count is not trusted: records are read one by one, and a damaged record ends the file without
    // being kept, so that half a record never enters the user database.
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        Material m;
        if (!m.readBinary(in, version, 0))
            break;
        m.setMaterialId(nextUserId());
        materials.append(m);
    }
    if (in.status() != QDataStream::Ok || count < 0 || materials.size() != count)
        damage = tr("only %1 of %2 materials could be read").arg(materials.size()).arg(qMax(count, 0));
    else if (!in.atEnd())
        damage = tr("unknown data after the last of %1 materials").arg(count);
    return materials;
}
