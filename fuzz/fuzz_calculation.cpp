// Fuzz target: the calculation with arbitrary but finite input: 1 to 12 layers with any widths and material
// values, any climates and periods, any heat flow direction. Most inputs go through the input check first,
// as in the program; some skip it, since calculate() must cope with whatever it is given. The results then
// go through the criteria evaluation (with criteria settings as a hand-edited settings file may hold them)
// and the verdict texts, as after every calculation in the program.

#include "FuzzSupport.h"

#include <calculation/Calculation.h>
#include <calculation/CriteriaBasis.h>
#include <calculation/DINCriteria.h>
#include <calculation/ResultTexts.h>
#include <model/InputData.h>
#include <model/ReportSettings.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <QStringLiteral>

#include <array>
#include <cfloat>

namespace {

/*! A finite number: mostly from the plausible range [lo, hi], otherwise any finite double or an extreme. */
double number(FuzzedDataProvider &fdp, double lo, double hi) {
    static const std::array<double, 12> extremes = {0.0,  -0.0,  1e-12, -1e-12,  1e-300,   4.9e-324,
                                                    1e30, -1e30, 1e300, DBL_MAX, -DBL_MAX, 1.0};
    switch (fdp.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
    case 1: return fdp.ConsumeFloatingPointInRange<double>(lo, hi);
    case 2: return fdp.ConsumeFloatingPoint<double>();
    default: return extremes[fdp.ConsumeIntegralInRange<std::size_t>(0, extremes.size() - 1)];
    }
}

MaterialLayer layer(FuzzedDataProvider &fdp) {
    Material m;
    m.setName(QStringLiteral("fuzz"));
    m.setCategory(fdp.ConsumeIntegralInRange<int>(0, 13));
    m.setRho(number(fdp, 1, 3000));
    m.setLambda(number(fdp, 0.01, 5));
    m.setMu(number(fdp, 0.5, 1e6));
    m.setMu_min(m.mu());
    m.setMu_max(m.mu());
    m.setW_80(number(fdp, 1e-5, 0.3));
    m.setW_sat(number(fdp, 1e-4, 1));
    m.setAw(number(fdp, 0, 1), true);
    if (fdp.ConsumeIntegralInRange<int>(0, 7) == 0)
        m.setSd_value(number(fdp, 0, 1500));
    m.setFlags(fdp.ConsumeBool(), fdp.ConsumeBool(), fdp.ConsumeBool(), fdp.ConsumeBool());
    MaterialLayer l(m, number(fdp, 1e-4, 1));
    l.updateWidthFromSd();
    return l;
}

ClimateRecord climate(FuzzedDataProvider &fdp) {
    ClimateRecord c;
    c.T = number(fdp, -40, 80);
    c.rh = number(fdp, 0, 100);
    c.Rs = number(fdp, 0.04, 0.25);
    return c;
}

ReportSettings criteriaSettings(FuzzedDataProvider &fdp) {
    ReportSettings settings;
    settings.m_minimumHeatResVersion = fdp.ConsumeIntegralInRange<int>(-1, 2);
    settings.m_minimumHeatResConstruction = fdp.ConsumeIntegralInRange<int>(-1, 40);
    settings.m_frsiCheck = fdp.ConsumeBool();
    settings.m_dryingReserve = number(fdp, 0, 1);
    settings.m_DIN4108_3Accordance_Type = fdp.ConsumeIntegralInRange<int>(-1, 4);
    settings.m_nonCapillarAw = number(fdp, 0, 0.01);
    settings.m_capillarActiveAw = number(fdp, 0, 0.02);
    settings.m_capillaryCheckOneSide = fdp.ConsumeBool();
    return settings;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    FuzzSupport::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider fdp(data, size);
    const bool skipCheck = fdp.ConsumeIntegralInRange<int>(0, 7) == 0;
    const HeatFlowDirection heatFlowDirection =
        ProjectInformation::heatFlowDirection(fdp.ConsumeIntegralInRange<int>(0, 2));
    InputData input;
    AssessmentConditions &c = input.conditions();
    c.setInteriorWinter(climate(fdp));
    c.setInteriorSummer(climate(fdp));
    c.setExteriorWinter(climate(fdp));
    c.setExteriorSummer(climate(fdp));
    c.setTT(number(fdp, 1, 365));
    c.setTT_summer(number(fdp, 1, 365));
    const int n = fdp.ConsumeIntegralInRange<int>(1, 12);
    for (int j = 0; j < n; ++j)
        input.layers().append(layer(fdp));
    if (!skipCheck)
        input.check();
    const ReportSettings settings = criteriaSettings(fdp);
    Calculation calculation;
    calculation.calculate(input, heatFlowDirection);
    const CalculationResults &results = calculation.results();
    DINCriteria::toJson(DINCriteria::evaluate(input, heatFlowDirection, results, settings), CriteriaBasis(results));
    ResultTexts::verdictHtml(results);
    return 0;
}
