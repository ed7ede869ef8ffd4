#include <QtTest>

#include <CoreEnums.h>

#include <model/InputData.h>

#include <limits>

Q_DECLARE_METATYPE(InputData)

namespace {

MaterialLayer layer(double width, double lambda = 0.04, double w_80 = 0.01) {
    const Material m("Insulation", Material::InsulationMaterials, QString(), QString(), QString(), QString(), 30,
                     lambda, 1, w_80, 0.5, 0, 1);
    return MaterialLayer(m, width);
}

/*! Four valid layers; the given layer (0-based) gets width 0, another one an invalid material (w_80 = 0). */
InputData fourLayers(int zeroWidthLayer, int invalidMaterialLayer) {
    InputData input;
    for (int i = 0; i < 4; ++i)
        input.layers().append(layer(i == zeroWidthLayer ? 0.0 : 0.05, 0.04, i == invalidMaterialLayer ? 0.0 : 0.01));
    return input;
}

InputData withInvalidClimate(InputData input) {
    input.conditions().setInterior(AssessmentConditions::Temperature, AssessmentConditions::Winter, 90);
    return input;
}

} // namespace

class tst_InputData : public QObject {
    Q_OBJECT
private slots:
    void defaults() {
        InputData input;
        QVERIFY(input.layers().isEmpty());
        QCOMPARE(input.inputStatus(), InputStatus::Valid);
        QCOMPARE(input.conditions().type(), 2);
        QCOMPARE(input.check(), InputStatus::Valid);
    }

    void check_data() {
        QTest::addColumn<InputData>("input");
        QTest::addColumn<InputStatus>("status");
        using S = InputStatus;
        QTest::newRow("valid") << fourLayers(-1, -1) << S::Valid;
        QTest::newRow("width 0 in layer 2 before invalid material in layer 4") << fourLayers(1, 3) << S::InvalidWidth;
        QTest::newRow("invalid material in layer 2 before width 0 in layer 4")
            << fourLayers(3, 1) << S::InvalidMaterial;
        QTest::newRow("invalid climate, valid layers") << withInvalidClimate(fourLayers(-1, -1)) << S::InvalidClimate;
        QTest::newRow("invalid climate and width 0") << withInvalidClimate(fourLayers(2, -1)) << S::InvalidWidth;
        QTest::newRow("invalid climate and invalid material")
            << withInvalidClimate(fourLayers(-1, 0)) << S::InvalidMaterial;
        QTest::newRow("invalid climate, no layers") << withInvalidClimate(InputData()) << S::InvalidClimate;
        InputData negative = fourLayers(-1, -1);
        negative.layers()[0].setWidth(-0.01);
        QTest::newRow("negative width") << negative << S::InvalidWidth;
        InputData notANumber = fourLayers(-1, -1);
        notANumber.layers()[3].setWidth(std::numeric_limits<double>::quiet_NaN());
        QTest::newRow("NaN width") << notANumber << S::InvalidWidth;
        InputData noPeriod = fourLayers(-1, -1);
        noPeriod.conditions().setTT_summer(0);
        QTest::newRow("drying period 0") << noPeriod << S::InvalidClimate;
    }

    void check() {
        QFETCH(InputData, input);
        QTEST(input.check(), "status");
        QTEST(input.inputStatus(), "status");
    }

    void checkClearsEarlierStatus() {
        InputData input = fourLayers(1, -1);
        QCOMPARE(input.check(), InputStatus::InvalidWidth);
        input.layers()[1].setWidth(0.02);
        QCOMPARE(input.check(), InputStatus::Valid);
    }

    void equality_data() {
        QTest::addColumn<InputData>("other");
        QTest::addColumn<bool>("sameLayers");
        QTest::addColumn<bool>("equal");
        const InputData &base = m_base;
        QTest::newRow("copy") << base << true << true;
        InputData wider = base;
        wider.layers()[2].setWidth(0.06);
        QTest::newRow("other width") << wider << false << false;
        InputData otherLambda = base;
        otherLambda.layers()[0].setLambda(0.035);
        QTest::newRow("other material") << otherLambda << false << false;
        InputData fewer = base;
        fewer.layers().removeLast();
        QTest::newRow("fewer layers") << fewer << false << false;
        InputData otherType = base;
        otherType.conditions().applyType(1);
        QTest::newRow("other conditions type") << otherType << true << false;
        InputData otherStatus = base;
        otherStatus.setInputStatus(InputStatus::InvalidClimate);
        QTest::newRow("other input status") << otherStatus << true << false;
        addClimateRows(base);
    }

    void equality() {
        QFETCH(InputData, other);
        QFETCH(bool, sameLayers);
        QFETCH(bool, equal);
        QCOMPARE(m_base.sameLayers(other), sameLayers);
        QCOMPARE(m_base == other, equal);
        QCOMPARE(m_base != other, !equal);
    }

private:
    /*! One row for each value of the climate records and periods that equality must notice. */
    static void addClimateRows(const InputData &base) {
        using Change = void (*)(AssessmentConditions &);
        const QVector<QPair<const char *, Change>> changes = {
            {"interior winter T", [](AssessmentConditions &c) { c.setInterior(c.Temperature, c.Winter, 21); }},
            {"exterior summer rh", [](AssessmentConditions &c) { c.setExterior(c.RelativeHumidity, c.Summer, 71); }},
            {"exterior winter Rs", [](AssessmentConditions &c) { c.setExterior(c.SurfaceResistance, c.Winter, 0.1); }},
            {"interior summer period tag",
             [](AssessmentConditions &c) {
                 ClimateRecord r = c.interiorSummer();
                 r.period = ClimateRecord::BothPeriods;
                 c.setInteriorSummer(r);
             }},
            {"exterior winter side",
             [](AssessmentConditions &c) {
                 ClimateRecord r = c.exteriorWinter();
                 r.outdoor = !r.outdoor;
                 c.setExteriorWinter(r);
             }},
            {"condensation period", [](AssessmentConditions &c) { c.setTT(61); }},
            {"drying period", [](AssessmentConditions &c) { c.setTT_summer(91); }},
        };
        for (const auto &change : changes) {
            InputData other = base;
            change.second(other.conditions());
            QTest::newRow(change.first) << other << true << false;
        }
    }

    /*! Compared with its own modified copies: new materials get random colours. Custom conditions stay custom
        when one value changes, so that each climate row differs in that value only. */
    static InputData customBase() {
        InputData input = fourLayers(-1, -1);
        input.conditions().setInterior(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, 51);
        return input;
    }
    const InputData m_base = customBase();
};

QTEST_GUILESS_MAIN(tst_InputData)
#include "tst_InputData.moc"
