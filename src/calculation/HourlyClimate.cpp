#include "HourlyClimate.h"

#include "PhysicalProperties.h"

#include <QList>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

const int HOURS_PER_YEAR = 8760;
/*! Limits of the time column: a century in hours either way, steps of at least one second. */
const double MAX_HOURS = 1e6;
const double MIN_STEP = 1;

double clampedLinear(double x, double x0, double y0, double x1, double y1) {
    if (x <= x0)
        return y0;
    if (x >= x1)
        return y1;
    return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

} // namespace

bool HourlyClimate::readCsv(const QByteArray &data, QString &errorText) {
    m_values.clear();
    const QList<QByteArray> lines = data.split('\n');
    const QRegularExpression separator(QStringLiteral("[,;\\t ]+"));
    bool headerSeen = false;
    double previousTime = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        const int lineNumber = i + 1;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList columns = line.split(separator);
        if (!headerSeen) {
            bool numeric = false;
            columns.constFirst().toDouble(&numeric);
            if (numeric) {
                errorText =
                    tr("Line %1: expected the header line with the column names before the values.").arg(lineNumber);
                return false;
            }
            headerSeen = true;
            continue;
        }
        if (columns.size() != 3) {
            errorText = tr("Line %1: expected 3 columns (time in h, temperature in °C, relative humidity in %), "
                           "found %2.")
                            .arg(lineNumber)
                            .arg(columns.size());
            return false;
        }
        double values[3];
        for (int c = 0; c < 3; ++c) {
            bool ok = false;
            values[c] = columns[c].toDouble(&ok);
            if (!ok || !std::isfinite(values[c])) {
                errorText = tr("Line %1: '%2' is not a number.").arg(lineNumber).arg(columns[c]);
                return false;
            }
        }
        if (values[1] < -80 || values[1] > 100) {
            errorText = tr("Line %1: temperature %2 °C lies outside -80 ... 100 °C.").arg(lineNumber).arg(values[1]);
            return false;
        }
        if (values[2] < 0 || values[2] > 100) {
            errorText = tr("Line %1: relative humidity %2 % lies outside 0 ... 100 %.").arg(lineNumber).arg(values[2]);
            return false;
        }
        if (std::fabs(values[0]) > MAX_HOURS) {
            errorText =
                tr("Line %1: time %2 h lies outside -%3 ... %3 h.").arg(lineNumber).arg(values[0]).arg(MAX_HOURS);
            return false;
        }
        const double time = values[0] * SECONDS_PER_HOUR;
        if (m_values.empty()) {
            m_start = time;
        }
        else {
            const double step = time - previousTime;
            if (m_values.size() == 1 && step >= MIN_STEP)
                m_step = step;
            if (step < MIN_STEP || std::fabs(step - m_step) > 1e-6 * m_step) {
                errorText = tr("Line %1: time %2 h does not follow %3 h in steps of %4 h (gap or disorder).")
                                .arg(lineNumber)
                                .arg(values[0])
                                .arg(previousTime / SECONDS_PER_HOUR)
                                .arg(m_step / SECONDS_PER_HOUR);
                return false;
            }
        }
        previousTime = time;
        m_values.push_back({values[1], values[2] / 100.0});
    }
    if (m_values.empty()) {
        errorText = tr("No climate values after the header line.");
        return false;
    }
    return true;
}

HourlyClimate HourlyClimate::constant(double temperature, double rh) {
    HourlyClimate climate;
    climate.m_values.push_back({temperature, rh});
    return climate;
}

HourlyClimate HourlyClimate::sineFromMonthlyMeans(const double (&monthlyMeans)[12], double rh, double dailySwing) {
    HourlyClimate climate;
    climate.m_values.reserve(HOURS_PER_YEAR);
    const double hoursPerMonth = HOURS_PER_YEAR / 12.0;
    for (int h = 0; h < HOURS_PER_YEAR; ++h) {
        // position in months relative to the middle of January
        const double m = (h + 0.5) / hoursPerMonth - 0.5;
        const int m0 = static_cast<int>(std::floor(m));
        const double f = m - m0;
        const double t0 = monthlyMeans[(m0 + 12) % 12];
        const double t1 = monthlyMeans[(m0 + 13) % 12];
        const double mean = t0 + (t1 - t0) * (1 - std::cos(M_PI * f)) / 2;
        const double hourOfDay = h % 24;
        const double swing = dailySwing * std::cos(2 * M_PI * (hourOfDay - 15) / 24);
        climate.m_values.push_back({mean + swing, rh});
    }
    return climate;
}

HourlyClimate HourlyClimate::en15026Interior(const HourlyClimate &outdoor, MoistureLoad load) {
    HourlyClimate climate;
    const double step = outdoor.step() > 0 ? outdoor.step() : SECONDS_PER_HOUR;
    const int count = outdoor.step() > 0 ? outdoor.size() : 1;
    const int perDay = std::max(1, static_cast<int>(std::lround(SECONDS_PER_DAY / step)));
    climate.m_step = step;
    climate.m_start = outdoor.m_start;
    climate.m_values.reserve(count);
    const double rhLow = load == HighLoad ? 0.4 : 0.3;
    for (int dayStart = 0; dayStart < count; dayStart += perDay) {
        const int dayEnd = std::min(count, dayStart + perDay);
        double sum = 0;
        for (int i = dayStart; i < dayEnd; ++i)
            sum += outdoor.m_values[i].T;
        const double mean = sum / (dayEnd - dayStart);
        const Value inside{clampedLinear(mean, 10, 20, 20, 25), clampedLinear(mean, -10, rhLow, 20, rhLow + 0.3)};
        for (int i = dayStart; i < dayEnd; ++i)
            climate.m_values.push_back(inside);
    }
    return climate;
}

bool HourlyClimate::monthlyMeans(const QString &name, double (&means)[12]) {
    if (name.compare(QLatin1String("potsdam"), Qt::CaseInsensitive) != 0)
        return false;
    const double potsdam[12] = {0.7, 1.6, 4.9, 10.2, 14.2, 18.1, 19.7, 19.1, 15.1, 9.8, 5.5, 2.4};
    std::copy(std::begin(potsdam), std::end(potsdam), std::begin(means));
    return true;
}

void HourlyClimate::valueAt(double t, double &temperature, double &rh) const {
    const int n = size();
    if (n == 1) {
        temperature = m_values[0].T;
        rh = m_values[0].rh;
        return;
    }
    // The series repeats with the period n steps; the start time maps onto the first value.
    const double position = std::fmod((t - m_start) / m_step, static_cast<double>(n));
    const double wrapped = position < 0 ? position + n : position;
    const int i0 = std::min(static_cast<int>(wrapped), n - 1);
    const int i1 = (i0 + 1) % n;
    const double f = wrapped - i0;
    temperature = m_values[i0].T + f * (m_values[i1].T - m_values[i0].T);
    rh = m_values[i0].rh + f * (m_values[i1].rh - m_values[i0].rh);
}
