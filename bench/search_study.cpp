// Compares the program's bounded plane search for long constructions with the exhaustive search on random
// constructions of 13 to 16 layers and counts how the results differ. Prints one line per kind of outcome.

#include "BaselinePlaneSearch.h"
#include "RandomConstruction.h"

#include <calculation/Calculation.h>
#include <calculation/PlaneSearch.h>

#include <QCoreApplication>

#include <cstdio>
#include <map>
#include <string>

namespace {

/*! Records the combination each pass found ("failed" when the search failed), for the program's search or the
    baseline. */
class Recording : public PlaneSearchStrategy {
public:
    explicit Recording(std::unique_ptr<PlaneSearchStrategy> search) : m_search(std::move(search)) {}
    QString passes() const { return m_passes.join(' '); }

    Outcome find(const Pass &pass, int &lastCombination) override {
        const Outcome outcome = m_search->find(pass, lastCombination);
        m_passes << (outcome == Found ? QString::number(lastCombination, 16) : QStringLiteral("failed"));
        return outcome;
    }
    bool isPlane(int k) const override { return m_search->isPlane(k); }
    const std::vector<double> &solution() const override { return m_search->solution(); }
    const double *trialPressures() const override { return m_search->trialPressures(); }
    bool missedColdSurface() const override { return m_search->missedColdSurface(); }

private:
    std::unique_ptr<PlaneSearchStrategy> m_search;
    QStringList m_passes;
};

bool sameResults(const CalculationResults &a, const CalculationResults &b) {
    return a == b;
}

std::string outcome(const CalculationResults &program, const CalculationResults &baseline) {
    if (sameResults(program, baseline))
        return "identical";
    const bool programFound = program.resultCode >= ResultCode::OnePlane;
    const bool baselineFound = baseline.resultCode >= ResultCode::OnePlane;
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
        const auto programSearch = std::make_shared<Recording>(std::make_unique<PlaneSearch>());
        const auto baselineSearch = std::make_shared<Recording>(std::make_unique<BaselinePlaneSearch>());
        Calculation program(programSearch);
        Calculation baseline(baselineSearch);
        program.calculate(input, HeatFlowDirection::Horizontal);
        baseline.calculate(input, HeatFlowDirection::Horizontal);
        const std::string o = outcome(program.results(), baseline.results());
        if (++outcomes[o] <= 10 && o != "identical")
            std::printf("  construction %d (%d layers): %s\n    program:  passes %s: %s\n    baseline: passes %s: "
                        "%s\n",
                        i, input.layers().size(), o.c_str(), qPrintable(programSearch->passes()),
                        qPrintable(program.results().messages.join('|')), qPrintable(baselineSearch->passes()),
                        qPrintable(baseline.results().messages.join('|')));
        ++codes[int(baseline.results().resultCode)];
    }
    for (const auto &o : outcomes)
        std::printf("%6d  %s\n", o.second, o.first.c_str());
    std::printf("result codes of the exhaustive search:");
    for (const auto &c : codes)
        std::printf(" %d: %d", c.first, c.second);
    std::printf("\n");
    return 0;
}
