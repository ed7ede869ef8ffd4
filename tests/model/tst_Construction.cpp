#include <QtTest>

#include <QDataStream>

#include <model/Construction.h>

namespace {

MaterialLayer layer(const QString &name, double width) {
    Material m(name, Material::Miscellaneous, QString(), QString(), QString(), QString(), 1000, 0.5, 10, 0.01, 0.3,
               0.01, 1);
    m.setColor(QColor(10, 20, 30));
    return MaterialLayer(m, width);
}

Construction threeLayers() {
    Construction c(QStringLiteral("Outer wall"), {layer("Plaster", 0.015), layer("Brick", 0.24), layer("EPS", 0.1)});
    c.setNotes(QStringLiteral("U about 0.3"));
    return c;
}

QByteArray record(const Construction &c) {
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    c.writeBinary(out);
    return data;
}

} // namespace

class tst_Construction : public QObject {
    Q_OBJECT
private slots:
    void equality_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("equal");
        QTest::newRow("different widths") << "width" << false;
        QTest::newRow("different name") << "name" << false;
        QTest::newRow("different notes") << "notes" << false;
        QTest::newRow("one layer less") << "count" << false;
        QTest::newRow("different material") << "material" << false;
    }
    void equality() {
        QFETCH(QString, change);
        QFETCH(bool, equal);
        const Construction a = threeLayers();
        Construction b = a;
        if (change == "width")
            b.layers()[1].setWidth(0.365);
        else if (change == "name")
            b.setName(QStringLiteral("Roof"));
        else if (change == "notes")
            b.setNotes(QString());
        else if (change == "count")
            b.layers().removeLast();
        else if (change == "material")
            b.layers()[2].setRho(15);
        QCOMPARE(a == b, equal);
    }

    void binaryRoundTrip() {
        const Construction a = threeLayers();
        QDataStream in(record(a));
        Construction b(QStringLiteral("old"), {layer("Old", 1)});
        QVERIFY(b.readBinary(in));
        QVERIFY(a == b);
        QCOMPARE(b.layers()[1].width(), 0.24);
        QCOMPARE(b.layers()[1].materialId(), 65536);
    }

    void truncatedThirdLayer() {
        const Construction a = threeLayers();
        const QByteArray full = record(a);
        Construction firstTwo = a;
        firstTwo.layers().removeLast();
        const QByteArray twoLayers = record(firstTwo);
        // Keep the header of three layers, the first two records and part of the third.
        const QByteArray truncated = full.left(twoLayers.size() + 20);
        QDataStream in(truncated);
        Construction b;
        QVERIFY(!b.readBinary(in));
        QCOMPARE(b.layers().size(), 2);
        QVERIFY(b.layers()[1].material() == a.layers()[1].material());
    }

    void hugeCountInDamagedRecord() {
        QByteArray data;
        {
            QDataStream out(&data, QIODevice::WriteOnly);
            out << qint32(1) << qint32(2000000000) << QStringLiteral("Broken") << QString();
        }
        QDataStream in(data);
        Construction c;
        QVERIFY(!c.readBinary(in));
        QCOMPARE(c.name(), QStringLiteral("Broken"));
        QVERIFY(c.layers().isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_Construction)
#include "tst_Construction.moc"
