#include "DamagedDatabase.h"

#include <QDateTime>
#include <QFile>

#include <ZOT_MessageHandler.h>

void DamagedDatabase::markDamaged(const QString &fileName, const QString &reason) {
    m_fileName = fileName;
    m_reason = reason;
    ZOT::message(damageText().toStdString(), ZOT::MSG_WARNING, "DamagedDatabase::markDamaged", -1);
}

QString DamagedDatabase::damageText() const {
    return isDamaged() ? QStringLiteral("%1: %2").arg(m_fileName, m_reason) : QString();
}

QString DamagedDatabase::keptName(const QString &fileName) {
    return fileName + QStringLiteral(".damaged-") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
}

bool DamagedDatabase::keepOriginal() {
    if (!isDamaged() || !m_keptCopy.isEmpty() || !QFile::exists(m_fileName))
        return true;
    const QString kept = keptName(m_fileName);
    if (!QFile::copy(m_fileName, kept)) {
        ZOT::message(tr("Could not keep the damaged database '%1' as '%2'; it is not written.")
                         .arg(m_fileName, kept)
                         .toStdString(),
                     ZOT::MSG_ERROR, "DamagedDatabase::keepOriginal", -1);
        return false;
    }
    m_keptCopy = kept;
    ZOT::message(tr("Damaged database '%1' kept as '%2' before writing it.").arg(m_fileName, kept).toStdString(),
                 ZOT::MSG_WARNING, "DamagedDatabase::keepOriginal", -1);
    return true;
}

QString DamagedDatabase::takeNotice() {
    if (m_keptCopy.isEmpty() || m_noticeTaken)
        return QString();
    m_noticeTaken = true;
    return tr("The database '%1' could not be read completely (%2). The original file was kept as '%3'; the "
              "database now holds only what could be read.")
        .arg(m_fileName, m_reason, m_keptCopy);
}
