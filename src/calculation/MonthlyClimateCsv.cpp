#include "MonthlyClimateCsv.h"

#include "MonthlyClimate.h"
#include "PhysicalProperties.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <array>
#include <cmath>

namespace {

/*! Far above any monthly mean vapour pressure of outside air, Pa; larger values are typing errors. */
const double MaximumPressure = 10000;

enum class Humidity { Unknown, Pressure, Relative };

/*! One data row as read. */
struct Row {
    int line = 0;
    int month = 0;
    double theta = 0;
    double value = 0;
};

QChar separatorOf(const QStringList &lines) {
    for (const QString &line : lines) {
        if (line.contains(QLatin1Char('\t')))
            return QLatin1Char('\t');
        if (line.contains(QLatin1Char(';')))
            return QLatin1Char(';');
        if (line.contains(QLatin1Char(',')))
            return QLatin1Char(',');
    }
    return QLatin1Char(',');
}

bool toNumber(QString text, QChar separator, double &value) {
    text = text.trimmed();
    if (separator != QLatin1Char(','))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

/*! What the header says the third column holds. */
Humidity headerUnit(const QString &column) {
    const QString c = column.trimmed().toLower();
    for (const QString &word :
         {QStringLiteral("%"), QStringLiteral("rh"), QStringLiteral("phi"), QStringLiteral("humid"),
          QStringLiteral("feucht"), QString(QChar(0x03C6)), QString(QChar(0x03D5))})
        if (c.contains(word))
            return Humidity::Relative;
    if (c.contains(QLatin1String("pa")) || c.startsWith(QLatin1Char('p')) || c.contains(QLatin1String("druck")))
        return Humidity::Pressure;
    return Humidity::Unknown;
}

} // namespace

bool MonthlyClimateCsv::readFile(const QString &path, MonthlyClimate &climate, QString &errorText) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errorText = tr("%1: the climate file cannot be read (%2).").arg(path, file.errorString());
        return false;
    }
    if (!read(file.readAll(), QFileInfo(path).completeBaseName(), climate, errorText)) {
        errorText = QStringLiteral("%1: %2").arg(path, errorText);
        return false;
    }
    return true;
}

bool MonthlyClimateCsv::read(const QByteArray &data, const QString &name, MonthlyClimate &climate, QString &errorText) {
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        const int comment = line.indexOf(QLatin1Char('#'));
        if (comment >= 0)
            line.truncate(comment);
        line = line.trimmed();
    }
    const QChar separator = separatorOf(lines);
    Humidity unit = Humidity::Unknown;
    bool headerAllowed = true;
    std::vector<Row> rows;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const QStringList fields = lines[i].split(separator);
        Row row;
        row.line = i + 1;
        double month = 0;
        const bool numeric = fields.size() == 3 && toNumber(fields[0], separator, month) &&
                             toNumber(fields[1], separator, row.theta) && toNumber(fields[2], separator, row.value);
        if (!numeric && headerAllowed && fields.size() == 3 && !toNumber(fields[0], separator, month)) {
            unit = headerUnit(fields[2]);
            headerAllowed = false;
            continue;
        }
        headerAllowed = false;
        if (!numeric) {
            errorText = tr("line %1: three numbers expected (month, temperature, humidity).").arg(row.line);
            return false;
        }
        row.month = int(month);
        if (row.month != month || row.month < 1 || row.month > MonthlyClimate::Months) {
            errorText = tr("line %1: the month must be a whole number from 1 to 12.").arg(row.line);
            return false;
        }
        rows.push_back(row);
    }
    if (rows.size() != std::size_t(MonthlyClimate::Months)) {
        errorText = tr("12 months expected, %1 found.").arg(rows.size());
        return false;
    }
    if (unit == Humidity::Unknown) {
        unit = Humidity::Relative;
        for (const Row &row : rows)
            if (row.value > 100)
                unit = Humidity::Pressure;
    }

    MonthlyClimate result;
    result.name = name;
    std::array<bool, MonthlyClimate::Months> seen{};
    for (const Row &row : rows) {
        const std::size_t m = std::size_t(row.month - 1);
        if (seen[m]) {
            errorText = tr("line %1: month %2 appears twice.").arg(row.line).arg(row.month);
            return false;
        }
        seen[m] = true;
        if (row.theta < -80 || row.theta > 80) {
            errorText = tr("line %1: the temperature must lie between -80 and 80 °C.").arg(row.line);
            return false;
        }
        if (unit == Humidity::Relative && !(row.value > 0 && row.value <= 100)) {
            errorText = tr("line %1: the relative humidity must lie above 0 and at most 100 %.").arg(row.line);
            return false;
        }
        if (unit == Humidity::Pressure && !(row.value > 0 && row.value <= MaximumPressure)) {
            errorText = tr("line %1: the vapour pressure must lie above 0 and at most %2 Pa.")
                            .arg(row.line)
                            .arg(MaximumPressure);
            return false;
        }
        result.thetaE[m] = row.theta;
        result.pE[m] = unit == Humidity::Relative ? vapourPressureMagnus(row.theta, row.value) : row.value;
    }
    climate = result;
    return true;
}
