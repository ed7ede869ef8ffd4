// Fuzz target: monthly climate tables of the monthly method (CSV with ",", ";" or tab, optional header,
// comments). A table the reader accepts then goes through the monthly method on a timber-frame-like wall with
// both interior models, since every accepted climate must give a result without a crash.

#include "FuzzSupport.h"

#include <calculation/MonthlyClimate.h>
#include <calculation/MonthlyClimateCsv.h>
#include <calculation/MonthlyInterior.h>
#include <calculation/MonthlyMethod.h>
#include <model/InputData.h>
#include <model/ProjectInformation.h>

#include <QByteArray>
#include <QStringLiteral>

namespace {

InputData wall() {
    InputData input;
    const double layers[][3] = {{0.0125, 0.25, 8}, {0.16, 0.04, 1}, {0.015, 0.13, 100}};
    for (const auto &l : layers) {
        const Material m(QStringLiteral("fuzz"), Material::BuildingBoards, QString(), QString(), QString(), QString(),
                         500, l[1], l[2], 0.01, 0.5, 0, 1);
        input.layers().append(MaterialLayer(m, l[0]));
    }
    input.check();
    return input;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    FuzzSupport::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const InputData input = wall();
    MonthlyClimate climate;
    QString errorText;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    if (!MonthlyClimateCsv::read(bytes, QStringLiteral("fuzz"), climate, errorText))
        return 0;
    MonthlyInterior interior;
    (void)MonthlyMethod::calculate(input, HeatFlowDirection::Horizontal, climate, interior);
    interior.model = MonthlyInterior::Model::MoistureExcess;
    (void)MonthlyMethod::calculate(input, HeatFlowDirection::Upwards, climate, interior);
    return 0;
}
