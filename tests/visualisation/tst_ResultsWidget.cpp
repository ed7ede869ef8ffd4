// The results panel: the verdict line for every result code with its colour, the message list of invalid
// input, the table values and what is painted.

#include <calculation/DINCriteria.h>
#include <model/ReportSettings.h>
#include <visualisation/V2_ResultsWidget.h>

#include <QtExt_Table.h>

#include <QImage>
#include <QLocale>
#include <QTextDocument>
#include <QtTest>

#include <CoreEnums.h>

namespace {

QString blue(const QString &text) {
    return QStringLiteral("<font color=\"#0000FF\">%1</font>").arg(text);
}
QString red(const QString &text) {
    return QStringLiteral("<font color=\"#FF0000\">%1</font>").arg(text);
}

bool containsColor(const QImage &image, const QColor &color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

QImage render(V2_ResultsWidget &widget) {
    widget.resize(600, 320);
    QImage image(widget.size(), QImage::Format_ARGB32);
    widget.render(&image);
    return image;
}

} // namespace

using Zones = std::vector<std::pair<int, int>>;
Q_DECLARE_METATYPE(Zones)

class tst_ResultsWidget : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void verdictLine_data();
    void verdictLine();
    void invalidInputListsMessages();
    void tableValues();
    void criteriaRows();
    void judgedFiguresAndNotes_data();
    void judgedFiguresAndNotes();
    void paintedVerdictColour_data();
    void paintedVerdictColour();
    void messageLinksAreClicked_data();
    void messageLinksAreClicked();
};

void tst_ResultsWidget::initTestCase() {
    QLocale locale(QLocale::C);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

void tst_ResultsWidget::verdictLine_data() {
    QTest::addColumn<ResultCode>("code");
    QTest::addColumn<Zones>("zones");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0 no input") << ResultCode::NoLayers << Zones{} << QStringList{} << red("No input!");
    QTest::newRow("1 invalid input") << ResultCode::InvalidInput << Zones{} << QStringList{} << red("Invalid input!");
    QTest::newRow("2 with two messages") << ResultCode::CalculationError << Zones{}
                                         << QStringList{"Layer 1 failed.", "No solution."}
                                         << red("Layer 1 failed.") + "\n" + red("No solution.");
    QTest::newRow("2 without messages leaves the line empty")
        << ResultCode::CalculationError << Zones{} << QStringList{} << QString();
    QTest::newRow("3 no algorithm") << ResultCode::NoAlgorithm << Zones{} << QStringList{}
                                    << red("There is no algorithm for this problem.");
    QTest::newRow("4 warm surface") << ResultCode::CondensationLeftSurface << Zones{} << QStringList{}
                                    << red("Condensation on the surface (warm side). No calculation possible.");
    QTest::newRow("5 cold surface") << ResultCode::CondensationRightSurface << Zones{} << QStringList{}
                                    << red("Condensation on the surface (cold side). No calculation possible.");
    QTest::newRow("6 one layer") << ResultCode::OneLayer << Zones{} << QStringList{}
                                 << blue("Only one layer. No condensate possible!");
    QTest::newRow("7 no condensate") << ResultCode::NoCondensation << Zones{} << QStringList{}
                                     << blue("No condensate emerges!");
    QTest::newRow("8 loading time") << ResultCode::HygroscopicLoadingTimeTooLong << Zones{} << QStringList{}
                                    << red("t_hyg bigger than duration of winter climate!");
    QTest::newRow("9 one plane") << ResultCode::OnePlane << Zones{{2, 3}} << QStringList{}
                                 << blue("Condensation between layer 3 and 4!");
    QTest::newRow("10 one zone") << ResultCode::OneZone << Zones{{0, 2}} << QStringList{}
                                 << blue("Condensation between layer 1 and 3!");
    QTest::newRow("11 three zones") << ResultCode::SeveralZones << Zones{{0, 1}, {2, 3}, {4, 5}} << QStringList{}
                                    << blue("Condensation between layer 1 and 2, 3 and 4, 5 and 6.");
    QTest::newRow("unknown code") << static_cast<ResultCode>(42) << Zones{} << QStringList{} << red("Unknown result!");
    QTest::newRow("negative code") << static_cast<ResultCode>(-1) << Zones{} << QStringList{} << red("Unknown result!");
}

void tst_ResultsWidget::verdictLine() {
    QFETCH(ResultCode, code);
    QFETCH(Zones, zones);
    QFETCH(QStringList, messages);
    QFETCH(QString, expected);
    CalculationResults results;
    results.resultCode = code;
    results.condensationZones = zones;
    results.messages = messages;
    QCOMPARE(V2_ResultsWidget::verdictLine(results), expected);
}

void tst_ResultsWidget::invalidInputListsMessages() {
    CalculationResults results;
    results.resultCode = ResultCode::InvalidInput;
    results.messages = QStringList{"Layer <a href=\"layer-2\">2</a> has no width.", "Climate out of range."};
    QCOMPARE(V2_ResultsWidget::invalidInputText(results),
             red("Invalid input!") + "<br/>Layer <a href=\"layer-2\">2</a> has no width.<br/>Climate out of range.");
    V2_ResultsWidget widget;
    InputData input;
    widget.setData(input, results);
    QVERIFY(containsColor(render(widget), QColor("#FF0000")));
}

void tst_ResultsWidget::tableValues() {
    InputData input;
    Material material;
    input.layers().append(MaterialLayer(material, 0.2));
    input.layers().append(MaterialLayer(material, 0.0125));
    CalculationResults results;
    results.resultCode = ResultCode::OneZone;
    results.condensationZones = {{0, 1}};
    results.R_layers = 2.5;
    results.U = 0.35714;
    results.U_moist = 0.4;
    results.U_iso6946 = 0.37;
    results.Mc = 0.1234;
    results.dryingTime = 86400;
    V2_ResultsWidget widget;
    widget.setData(input, results);
    QTextDocument document;
    const auto table = widget.createTable(&document);
    QCOMPARE(table->columnCount(), 3);
    QCOMPARE(table->rowCount(), 9);
    QCOMPARE(table->cellText(1, 0), QStringLiteral("0.213"));
    QCOMPARE(table->cellText(1, 1), QStringLiteral("2.500"));
    QCOMPARE(table->cellText(1, 3), QStringLiteral("0.357"));
    QCOMPARE(table->cellText(1, 4), QStringLiteral("0.400"));
    QCOMPARE(table->cellText(1, 5), QStringLiteral("0.370"));
    QCOMPARE(table->cellText(0, 6), blue("Condensation in the plane between layer 1 and layer 2."));
    QCOMPARE(table->cellText(1, 7), QStringLiteral("0.123"));
    QCOMPARE(table->cellText(1, 8), QStringLiteral("1.00"));
    QCOMPARE(table->cellText(2, 8), QStringLiteral("d"));
}

void tst_ResultsWidget::criteriaRows() {
    // Dew on the warm surface: the thermal row passes, the dew fails, the condensate rows are not assessed.
    InputData input;
    Material material;
    input.layers() = {MaterialLayer(material, 0.2), MaterialLayer(material, 0.1)};
    CalculationResults results;
    results.resultCode = ResultCode::CondensationLeftSurface;
    results.R_layers = 5;
    const std::vector<DINCriterion> criteria =
        DINCriteria::evaluate(input, HeatFlowDirection::Horizontal, results, ReportSettings());
    V2_ResultsWidget widget;
    widget.setData(input, results, criteria);
    QTextDocument document;
    const auto table = widget.createTable(&document);
    // the summary rows, a heading, then one row per criterion with the conclusions' verdict
    const int first = 10;
    QCOMPARE(table->rowCount(), first + int(criteria.size()));
    for (std::size_t i = 0; i < criteria.size(); ++i) {
        QCOMPARE(table->cellText(0, first + int(i)), criteria[i].caption);
        QCOMPARE(table->cellText(1, first + int(i)), DINCriteria::verdictHtml(criteria[i]));
    }
    QVERIFY(table->cellText(1, first).startsWith("<b>"));
    QVERIFY(table->cellText(1, first + 1).contains("#FF0000"));
    QVERIFY(table->cellText(1, first + 2).contains("#808080"));
}

void tst_ResultsWidget::judgedFiguresAndNotes_data() {
    QTest::addColumn<ResultCode>("code");
    QTest::addColumn<ResultCode>("glaserCode");
    QTest::addColumn<double>("w");
    QTest::addColumn<QString>("massText");
    QTest::addColumn<QStringList>("notes");
    const QString glaserNote =
        "The moisture-dependent method has no stationary solution here: condensate forms between layers without "
        "capillary transport. The moisture criteria are judged by the Glaser scheme of DIN 4108-3.";
    QTest::newRow("no stationary solution, Glaser plane")
        << ResultCode::CalculationError << ResultCode::OnePlane << 0.0 << "0.300" << QStringList{glaserNote};
    QTest::newRow("no stationary solution, no Glaser condensation")
        << ResultCode::CalculationError << ResultCode::NoCondensation << 0.0
        << "<font color=\"#808080\">Not assessed</font>" << QStringList{};
    QTest::newRow("zone above saturation")
        << ResultCode::OneZone << ResultCode::OnePlane << 0.6 << "0.123"
        << QStringList{"Moisture content above saturation in <a href=\"layer-2\">layer 2</a>: the stationary result "
                       "overestimates the moisture content there."};
    QTest::newRow("zone at saturation") << ResultCode::OneZone << ResultCode::OnePlane << 0.5 << "0.123"
                                        << QStringList{};
}

void tst_ResultsWidget::judgedFiguresAndNotes() {
    QFETCH(ResultCode, code);
    QFETCH(ResultCode, glaserCode);
    QFETCH(double, w);
    QFETCH(QString, massText);
    QFETCH(QStringList, notes);
    Material material;
    material.setW_sat(0.5);
    InputData input;
    input.layers() = {MaterialLayer(material, 0.1), MaterialLayer(material, 0.1)};
    CalculationResults results;
    results.resultCode = code;
    results.glaserResultCode = glaserCode;
    results.glaserZones = {{1, 1}};
    results.glaserMc = 0.3;
    results.glaserDryingTime = 40 * 86400;
    results.messages = QStringList{"No Solution found!"};
    if (code >= ResultCode::OnePlane) {
        results.condensationZones = {{0, 1}};
        results.Mc = 0.1234;
        results.w_left = {0.1, 0.1};
        results.w_right = {0.1, w};
    }
    V2_ResultsWidget widget;
    widget.setData(input, results);
    QTextDocument document;
    const auto table = widget.createTable(&document);

    QCOMPARE(table->rowCount(), 9 + notes.size());
    QCOMPARE(table->cellText(1, 7), massText);
    const bool glaser = code == ResultCode::CalculationError && glaserCode == ResultCode::OnePlane;
    QCOMPARE(table->cellText(0, 7).endsWith(" (Glaser)"), glaser);
    QCOMPARE(table->cellText(0, 8).endsWith(" (Glaser)"), glaser);
    if (glaser)
        QCOMPARE(table->cellText(1, 8), QStringLiteral("40.00"));
    for (int i = 0; i < notes.size(); ++i)
        QCOMPARE(table->cellText(0, 9 + i), notes.at(i));
    // On the Glaser basis a neutral line names the plane and the basis instead of the method's failure.
    if (glaser)
        QCOMPARE(table->cellText(0, 6),
                 blue("Condensation in the plane between layer 1 and layer 2, judged by the Glaser scheme of "
                      "DIN 4108-3."));
    else if (code == ResultCode::CalculationError)
        QCOMPARE(table->cellText(0, 6), red("No Solution found!"));
}

void tst_ResultsWidget::paintedVerdictColour_data() {
    QTest::addColumn<ResultCode>("code");
    QTest::addColumn<QString>("color");
    QTest::newRow("no condensate in blue") << ResultCode::NoCondensation << "#0000FF";
    QTest::newRow("surface condensation in red") << ResultCode::CondensationLeftSurface << "#FF0000";
}

void tst_ResultsWidget::paintedVerdictColour() {
    QFETCH(ResultCode, code);
    QFETCH(QString, color);
    CalculationResults results;
    results.resultCode = code;
    V2_ResultsWidget widget;
    widget.setData(InputData(), results);
    QVERIFY(containsColor(render(widget), QColor(color)));
}

void tst_ResultsWidget::messageLinksAreClicked_data() {
    QTest::addColumn<ResultCode>("code");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("link");
    QTest::newRow("invalid input list") << ResultCode::InvalidInput
                                        << "Invalid width 0 of <a href=\"layer-2\">layer #2</a>."
                                        << "layer-2";
    QTest::newRow("calculation error in the verdict cell")
        << ResultCode::CalculationError << "Invalid moisture storage values for <a href=\"layer-3\">layer #3</a>."
        << "layer-3";
}

void tst_ResultsWidget::messageLinksAreClicked() {
    QFETCH(ResultCode, code);
    QFETCH(QString, message);
    QFETCH(QString, link);
    CalculationResults results;
    results.resultCode = code;
    results.messages = QStringList{message};
    V2_ResultsWidget widget;
    widget.setData(InputData(), results);
    // Every pixel painted in the link colour must lead to the link, and a click there must report it.
    const QImage image = render(widget);
    const QColor linkColor = widget.palette().color(QPalette::Link);
    QVector<QPoint> linkPixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == linkColor)
                linkPixels << QPoint(x, y);
    QVERIFY(!linkPixels.isEmpty());
    for (const QPoint &p : {linkPixels.first(), linkPixels.last()})
        QCOMPARE(widget.anchorAt(p), link);
    QSignalSpy spy(&widget, &V2_ResultsWidget::linkClicked);
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(&widget, Qt::LeftButton, {}, linkPixels.first());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toUrl(), QUrl(link));
}

QTEST_MAIN(tst_ResultsWidget)
#include "tst_ResultsWidget.moc"
