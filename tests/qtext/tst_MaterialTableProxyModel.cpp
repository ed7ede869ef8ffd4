#include <QtTest>

#include <QtExt_MaterialTableModel.h>
#include <QtExt_MaterialTableProxyModel.h>

namespace {

/*! A material with only the fields the filter reads. */
class FakeMaterial : public QtExt::MaterialBase {
public:
    FakeMaterial(const QString &name, const QString &product, int category, const QString &producer,
                 const QString &source, const QString &notes, int flags)
        : m_name(name), m_product(product), m_category(category), m_producer(producer), m_source(source),
          m_notes(notes), m_flags(flags) {}
    int materialId() const override { return 0; }
    int index() const override { return 0; }
    bool isUserDefined() const override { return false; }
    QString name() const override { return m_name; }
    QStringList otherNames() const override { return m_otherNames; }
    void setOtherNames(const QStringList &names) { m_otherNames = names; }
    int categoryId() const override { return m_category; }
    QString category() const override { return QString(); }
    QString productId() const override { return m_product; }
    QString producer() const override { return m_producer; }
    QString dataSource() const override { return m_source; }
    QString notes() const override { return m_notes; }
    QColor color() const override { return Qt::red; }
    int flags() const override { return m_flags; }
    double value(ParameterKind) const override { return 0; }
    QString valueString(ParameterKind) const override { return QString(); }
    QString informationText() const override { return QString(); }

private:
    QString m_name, m_product;
    QStringList m_otherNames;
    int m_category;
    QString m_producer, m_source, m_notes;
    int m_flags;
};

QtExt::MaterialTableModel::MaterialVector materials() {
    using Q = QtExt::MaterialBase;
    QtExt::MaterialTableModel::MaterialVector v;
    auto brick = std::make_unique<FakeMaterial>("Solid brick", "", 2, "Brickworks", "Lab A", "", 0);
    brick->setOtherNames({"Vollziegel"});
    v.push_back(std::move(brick));
    v.push_back(std::make_unique<FakeMaterial>("Lime plaster", "KP 10", 1, "Stuck GmbH", "Norm", "old house", 0));
    v.push_back(std::make_unique<FakeMaterial>("Mineral wool", "Wool 035", 5, "Isowerk", "Lab B", "", 0));
    v.push_back(std::make_unique<FakeMaterial>("Spruce", "", 7, "", "Norm", "grown in the north", Q::FlagWood));
    v.push_back(
        std::make_unique<FakeMaterial>("OSB board", "", 6, "Brickworks", "Lab A", "", Q::FlagWoodbased | Q::FlagWood));
    v.push_back(std::make_unique<FakeMaterial>("PE foil", "", 11, "Foliant", "", "", Q::FlagFoil));
    return v;
}

} // namespace

// The filter of the material browser: each setting alone, then combined, on six materials.
class tst_MaterialTableProxyModel : public QObject {
    Q_OBJECT
private slots:
    void filter_data();
    void filter();
};

void tst_MaterialTableProxyModel::filter_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("producer");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("expected");

    const QStringList all = {"Solid brick", "Lime plaster", "Mineral wool", "Spruce", "OSB board", "PE foil"};
    QTest::newRow("no filter") << -1 << ""
                               << ""
                               << ""
                               << "" << 0 << all;
    QTest::newRow("blanks only") << -1 << "   "
                                 << ""
                                 << ""
                                 << "" << 0 << all;
    QTest::newRow("two words, any case") << -1 << "BRICK  wOOl"
                                         << ""
                                         << ""
                                         << "" << 0 << QStringList{"Solid brick", "Mineral wool"};
    QTest::newRow("word in product id") << -1 << "kp"
                                        << ""
                                        << ""
                                        << "" << 0 << QStringList{"Lime plaster"};
    QTest::newRow("name in another language") << -1 << "ziegel"
                                              << ""
                                              << ""
                                              << "" << 0 << QStringList{"Solid brick"};
    QTest::newRow("wildcards") << -1 << "m*l?wool"
                               << ""
                               << ""
                               << "" << 0 << QStringList{"Mineral wool"};
    QTest::newRow("pattern characters taken literally") << -1 << "(wool"
                                                        << ""
                                                        << ""
                                                        << "" << 0 << QStringList();
    QTest::newRow("category") << 7 << ""
                              << ""
                              << ""
                              << "" << 0 << QStringList{"Spruce"};
    QTest::newRow("category out of range shows all") << 13 << ""
                                                     << ""
                                                     << ""
                                                     << "" << 0 << all;
    QTest::newRow("producer") << -1 << ""
                              << "brick"
                              << ""
                              << "" << 0 << QStringList{"Solid brick", "OSB board"};
    QTest::newRow("producer and name") << -1 << "osb"
                                       << "brick"
                                       << ""
                                       << "" << 0 << QStringList{"OSB board"};
    QTest::newRow("source") << -1 << ""
                            << ""
                            << "norm"
                            << "" << 0 << QStringList{"Lime plaster", "Spruce"};
    QTest::newRow("comment") << -1 << ""
                             << ""
                             << ""
                             << "NORTH house" << 0 << QStringList{"Lime plaster", "Spruce"};
    QTest::newRow("flag mask needs every bit") << -1 << ""
                                               << ""
                                               << ""
                                               << "" << 3 << QStringList{"OSB board"};
    QTest::newRow("one flag") << -1 << ""
                              << ""
                              << ""
                              << "" << 1 << QStringList{"Spruce", "OSB board"};
    QTest::newRow("category and producer exclude each other") << 2 << ""
                                                              << "foliant"
                                                              << ""
                                                              << "" << 0 << QStringList();
}

void tst_MaterialTableProxyModel::filter() {
    QFETCH(int, category);
    QFETCH(QString, name);
    QFETCH(QString, producer);
    QFETCH(QString, source);
    QFETCH(QString, comment);
    QFETCH(int, flags);
    QFETCH(QStringList, expected);

    QtExt::MaterialTableModel model;
    model.setMaterials(materials());
    QtExt::MaterialTableProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setCategory(category);
    proxy.setNameFilter(name);
    proxy.setProducerFilter(producer);
    proxy.setSourceFilter(source);
    proxy.setCommentFilter(comment);
    proxy.setFlagMask(flags);

    const int nameColumn = model.columnOf(QtExt::MaterialBase::MC_NAME);
    QStringList shown;
    for (int row = 0; row < proxy.rowCount(); ++row)
        shown << proxy.index(row, nameColumn).data().toString();
    QCOMPARE(shown, expected);
}

QTEST_GUILESS_MAIN(tst_MaterialTableProxyModel)
#include "tst_MaterialTableProxyModel.moc"
