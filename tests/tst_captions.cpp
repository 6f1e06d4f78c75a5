// Numbers read from and written to captions, and the whole-number conversions.
#include "logic/captions.h"

#include <QTest>

using namespace maroleta;

class CaptionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsLeadingNumber_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("value");
        QTest::addRow("empty") << "" << 0.0;
        QTest::addRow("question mark") << "?" << 0.0;
        QTest::addRow("blanks then digits then letters") << "  12abc" << 12.0;
        QTest::addRow("negative") << "-3" << -3.0;
        QTest::addRow("decimal") << "12.5" << 12.5;
        QTest::addRow("double sign") << "--4" << 0.0;
        QTest::addRow("plus sign") << "+7" << 7.0;
        QTest::addRow("leading point") << ".5" << 0.5;
        QTest::addRow("fraction text stops at slash") << "6/9" << 6.0;
        QTest::addRow("blank inside stops") << "1 2" << 1.0;
        QTest::addRow("exponent") << "1e3" << 1000.0;
        QTest::addRow("large") << "100009" << 100009.0;
    }
    void readsLeadingNumber()
    {
        QFETCH(QString, caption);
        QFETCH(double, value);
        QCOMPARE(captionValue(caption), value);
    }

    void overlongDigitsStayFinite()
    {
        const double value = captionValue(QString(400, u'9'));
        QVERIFY(std::isfinite(value));
        QVERIFY(value > 1e300);
    }

    void writesPlainDecimal_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("caption");
        QTest::addRow("zero") << 0.0 << "0";
        QTest::addRow("negative zero") << -0.0 << "0";
        QTest::addRow("whole") << 12.0 << "12";
        QTest::addRow("negative") << -1.0 << "-1";
        QTest::addRow("large whole") << 1234567.0 << "1234567";
        QTest::addRow("half") << 2.5 << "2.5";
    }
    void writesPlainDecimal()
    {
        QFETCH(double, value);
        QFETCH(QString, caption);
        QCOMPARE(numberCaption(value), caption);
        QCOMPARE(captionValue(numberCaption(value)), value == 0.0 ? 0.0 : value);
    }

    void roundsHalfToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("rounded");
        QTest::addColumn<qint64>("floored");
        QTest::addColumn<qint64>("halved");
        QTest::addRow("0.5") << 0.5 << qint64(0) << qint64(0) << qint64(0);
        QTest::addRow("1.5") << 1.5 << qint64(2) << qint64(1) << qint64(1);
        QTest::addRow("2.5") << 2.5 << qint64(2) << qint64(2) << qint64(1);
        QTest::addRow("-2.5") << -2.5 << qint64(-2) << qint64(-3) << qint64(-1);
        QTest::addRow("5175") << 5175.0 << qint64(5175) << qint64(5175) << qint64(2587);
        QTest::addRow("-7") << -7.0 << qint64(-7) << qint64(-7) << qint64(-3);
        QTest::addRow("2.6") << 2.6 << qint64(3) << qint64(2) << qint64(1);
    }
    void roundsHalfToEven()
    {
        QFETCH(double, value);
        QFETCH(qint64, rounded);
        QFETCH(qint64, floored);
        QFETCH(qint64, halved);
        QCOMPARE(roundHalfEven(value), rounded);
        QCOMPARE(floorInt(value), floored);
        QCOMPARE(halveRounded(value), halved);
    }
};

QTEST_GUILESS_MAIN(CaptionsTest)
#include "tst_captions.moc"
