#include "MinimumHeatResistance.h"

namespace {

struct TableRow {
    int kind;
    const char *text;
    const char *row;
    double rMin;
};

const TableRow Table2004[] = {
    {0, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Outer wall"), "1", 1.2},
    {1, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Partition wall"), "2", 0.07},
    {2, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Wall to stair case with temperature <10°C"), "3", 0.25},
    {3, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Wall to stair case with temperature >10°C"), "4", 0.07},
    {4, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Common separating ceiling"), "5", 0.35},
    {5, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Separating ceiling for officebuilding with central heating"), "6",
     0.17},
    {6, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Floor plate over ground"), "7", 0.9},
    {7, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Floor plate to non ventilated cavity"), "8", 0.9},
    {8, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Ceiling below attic"), "9", 0.9},
    {9, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Ceiling for cellar"), "10", 0.9},
    {10, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Floor over garage or passage"), "11.1", 1.75},
    {11, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Roof"), "11.2", 1.2},
};

// In the order offered for selection, which is not the order of the kind numbers.
const TableRow Table2013[] = {
    {12,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Wall of heated room to outside, ground, underground garage or similar"),
     "1", 1.2},
    {13, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Roof pitch to outside"), "2", 1.2},
    {14, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Flat roof or ceiling to outside"), "3.1", 1.2},
    {8, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Ceiling to ventilated roof space or to non heated room"), "3.2 3.3",
     0.9},
    {15, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Ceiling between insulated roof pitch and jamb wall"), "3.4", 0.35},
    {10,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Floor over outside, underground garage, garage (heated or not), ventilated crawl space etc."),
     "4.1", 1.75},
    {9, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Floor over cellar, to ground, non ventilated crawl space"),
     "4.2 4.3 4.4", 0.9},
    {16, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Wall between heated room and directly heated stair case"), "5.1",
     0.07},
    {17, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Wall between heated room and indirectly heated stair case"), "5.2",
     0.25},
    {1, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Partition walls between heated rooms"), "6.1", 0.07},
    {4,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Ceiling between rooms of different use and apartment separating ceiling"),
     "6.2", 0.35},
    {18, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Construction with mass per area lower than 100kg/m2"),
     "Cap 5.1.2.2", 1.75},
    {19, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Opaque part of transparent constructions"), "Cap 5.1.4", 1.2},
};

template <std::size_t N> const TableRow *findRow(const TableRow (&table)[N], int kind) {
    for (const TableRow &row : table)
        if (row.kind == kind)
            return &row;
    return nullptr;
}

const TableRow *findRow(int version, int kind) {
    switch (version) {
    case MinimumHeatResistance::DIN4108_2_2004: return findRow(Table2004, kind);
    case MinimumHeatResistance::DIN4108_2_2013: return findRow(Table2013, kind);
    default: return nullptr;
    }
}

template <std::size_t N> QVector<int> kinds(const TableRow (&table)[N]) {
    QVector<int> result;
    for (const TableRow &row : table)
        result.append(row.kind);
    return result;
}

} // namespace

double MinimumHeatResistance::minimumResistance(int version, int kind) {
    const TableRow *row = findRow(version, kind);
    return row ? row->rMin : 1.2;
}

QVector<int> MinimumHeatResistance::constructionKinds(int version) {
    switch (version) {
    case DIN4108_2_2004: return kinds(Table2004);
    case DIN4108_2_2013: return kinds(Table2013);
    default: return {};
    }
}

QString MinimumHeatResistance::kindText(int version, int kind) {
    const TableRow *row = findRow(version, kind);
    return row ? tr(row->text) : tr("Unknown");
}

QString MinimumHeatResistance::rowLabel(int version, int kind) {
    const TableRow *row = findRow(version, kind);
    return row ? QString::fromLatin1(row->row) : QString();
}

QString MinimumHeatResistance::versionText(int version) {
    switch (version) {
    case DIN4108_2_2004: return tr("DIN 4108-2 2004 Tab. 3");
    case DIN4108_2_2013: return tr("DIN 4108-2 2013 Tab. 3");
    default: return tr("Unknown");
    }
}
