#include <QtTest>

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
        QCOMPARE(input.inputStatus(), 0);
        QCOMPARE(input.conditions().type(), 2);
        QCOMPARE(input.check(), 0);
    }

    void check_data() {
        QTest::addColumn<InputData>("input");
        QTest::addColumn<int>("status");
        QTest::newRow("valid") << fourLayers(-1, -1) << 0;
        QTest::newRow("width 0 in layer 2 before invalid material in layer 4") << fourLayers(1, 3) << 1;
        QTest::newRow("invalid material in layer 2 before width 0 in layer 4") << fourLayers(3, 1) << 2;
        QTest::newRow("invalid climate, valid layers") << withInvalidClimate(fourLayers(-1, -1)) << 3;
        QTest::newRow("invalid climate and width 0") << withInvalidClimate(fourLayers(2, -1)) << 1;
        QTest::newRow("invalid climate and invalid material") << withInvalidClimate(fourLayers(-1, 0)) << 2;
        QTest::newRow("invalid climate, no layers") << withInvalidClimate(InputData()) << 3;
        InputData negative = fourLayers(-1, -1);
        negative.layers()[0].setWidth(-0.01);
        QTest::newRow("negative width") << negative << 1;
        InputData notANumber = fourLayers(-1, -1);
        notANumber.layers()[3].setWidth(std::numeric_limits<double>::quiet_NaN());
        QTest::newRow("NaN width") << notANumber << 1;
        InputData noPeriod = fourLayers(-1, -1);
        noPeriod.conditions().setTT_summer(0);
        QTest::newRow("drying period 0") << noPeriod << 3;
    }

    void check() {
        QFETCH(InputData, input);
        QTEST(input.check(), "status");
        QTEST(input.inputStatus(), "status");
    }

    void checkClearsEarlierStatus() {
        InputData input = fourLayers(1, -1);
        QCOMPARE(input.check(), 1);
        input.layers()[1].setWidth(0.02);
        QCOMPARE(input.check(), 0);
    }

    void equality_data() {
        QTest::addColumn<InputData>("other");
        QTest::addColumn<bool>("equal");
        const InputData &base = m_base;
        QTest::newRow("copy") << base << true;
        InputData wider = base;
        wider.layers()[2].setWidth(0.06);
        QTest::newRow("other width") << wider << false;
        InputData otherLambda = base;
        otherLambda.layers()[0].setLambda(0.035);
        QTest::newRow("other material") << otherLambda << false;
        InputData fewer = base;
        fewer.layers().removeLast();
        QTest::newRow("fewer layers") << fewer << false;
        InputData otherClimate = base;
        otherClimate.conditions().applyType(1);
        QTest::newRow("only the climate differs") << otherClimate << true;
    }

    void equality() {
        QFETCH(InputData, other);
        QFETCH(bool, equal);
        QCOMPARE(m_base == other, equal);
        QCOMPARE(m_base != other, !equal);
    }

private:
    /*! Compared with its own modified copies: new materials get random colours. */
    const InputData m_base = fourLayers(-1, -1);
};

QTEST_GUILESS_MAIN(tst_InputData)
#include "tst_InputData.moc"
