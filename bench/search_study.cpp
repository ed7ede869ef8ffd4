// Compares the program's bounded plane search for long constructions with the exhaustive search on random
// constructions of 13 to 16 layers and counts how the results differ. Prints one line per kind of outcome.

#include "BaselineCalculation.h"
#include "RandomConstruction.h"

#include <calculation/Calculation.h>

#include <QCoreApplication>

#include <cstdio>
#include <map>
#include <string>

namespace {

/*! Records the combination each pass found (-1 when the search failed), for the program or the baseline. */
template <class Base> class Recording : public Base {
public:
    QString passes() const { return m_passes.join(' '); }

protected:
    int findPlaneCombination() override {
        const int code = Base::findPlaneCombination();
        m_passes << (code == 0 ? QString::number(this->m_lastCombination, 16) : QStringLiteral("failed"));
        return code;
    }

private:
    QStringList m_passes;
};

bool sameResults(const CalculationResults &a, const CalculationResults &b) {
    return a == b;
}

std::string outcome(const CalculationResults &program, const CalculationResults &baseline) {
    if (sameResults(program, baseline))
        return "identical";
    const bool programFound = program.resultCode >= RC_OnePlane;
    const bool baselineFound = baseline.resultCode >= RC_OnePlane;
    if (programFound && baselineFound)
        return program.condensationZones == baseline.condensationZones ? "both valid, same zones, other values"
                                                                       : "both valid, other zones";
    if (!programFound && baselineFound)
        return "program failed (" + program.messages.join('|').left(40).toStdString() + "), baseline valid";
    if (programFound && !baselineFound)
        return "program valid, baseline failed (" + baseline.messages.join('|').left(40).toStdString() + ")";
    return "both failed, other messages";
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 2000;
    std::mt19937 rng(13162024);
    std::map<std::string, int> outcomes;
    std::map<int, int> codes;
    for (int i = 0; i < count; ++i) {
        const InputData input = randomConstruction(rng, 13, 16);
        Recording<Calculation> program;
        Recording<BaselineCalculation> baseline;
        program.calculate(input, HeatFlowDirection::Horizontal);
        baseline.calculate(input, HeatFlowDirection::Horizontal);
        const std::string o = outcome(program.results(), baseline.results());
        if (++outcomes[o] <= 10 && o != "identical")
            std::printf("  construction %d (%d layers): %s\n    program:  passes %s: %s\n    baseline: passes %s: "
                        "%s\n",
                        i, input.layers().size(), o.c_str(), qPrintable(program.passes()),
                        qPrintable(program.results().messages.join('|')), qPrintable(baseline.passes()),
                        qPrintable(baseline.results().messages.join('|')));
        ++codes[baseline.results().resultCode];
    }
    for (const auto &o : outcomes)
        std::printf("%6d  %s\n", o.second, o.first.c_str());
    std::printf("result codes of the exhaustive search:");
    for (const auto &c : codes)
        std::printf(" %d: %d", c.first, c.second);
    std::printf("\n");
    return 0;
}
