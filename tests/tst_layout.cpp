// The arithmetic of the screen layout on several screens.
#include "logic/layout.h"

#include <QTest>

using namespace maroleta;

namespace {
LayoutInput designInput(QSize screen)
{
    LayoutInput input;
    input.screen = screen;
    input.innerFrame = designInnerFrameSizes();
    return input;
}
}

class LayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void workedExample1024x768()
    {
        const LayoutResult r = arrangeScreen(designInput(QSize(15360, 11520)));
        QCOMPARE(r.section, QRect(1845, 890, 13435, 9630));
        QCOMPARE(r.picture1, QRect(1905, 1090, 11480, 4615));
        QCOMPARE(r.picture2, QRect(1905, 5735, 11480, 4615));
        QCOMPARE(r.frame2, QPoint(13405, 1090));
        QCOMPARE(r.frame3, QPoint(13405, 5735));
        QCOMPARE(r.innerFrame[7], QPoint(3230, 2587)); // Frame10
        QCOMPARE(r.innerFrame[2], QPoint(3050, 1260)); // Frame5
        QCOMPARE(r.innerFrame[4], QPoint(2090, 200)); // Frame9
    }

    void rulesHoldOnEveryScreen_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addRow("800x600") << QSize(800, 600);
        QTest::addRow("1024x768") << QSize(1024, 768);
        QTest::addRow("1280x1024") << QSize(1280, 1024);
        QTest::addRow("1366x768") << QSize(1366, 768);
        QTest::addRow("1920x1080") << QSize(1920, 1080);
        QTest::addRow("3840x2160") << QSize(3840, 2160);
        QTest::addRow("odd 1023x767") << QSize(1023, 767);
    }
    void rulesHoldOnEveryScreen()
    {
        QFETCH(QSize, pixels);
        const QSize screen = pixels * 15;
        const LayoutInput in = designInput(screen);
        const LayoutResult r = arrangeScreen(in);
        const QRect& s = r.section;

        QCOMPARE(s.top(), in.topMenuButtonTop - 70);
        QCOMPARE(s.left(), in.menuLeft + in.menuWidth + 30);
        QCOMPARE(screen.width() - (s.left() + s.width()), 80);
        QCOMPARE(screen.height() - (s.top() + s.height()), 1000);

        QCOMPARE(r.picture1.size(), r.picture2.size());
        QCOMPARE(r.picture2.top() - (r.picture1.top() + r.picture1.height()), 30);
        QCOMPARE(r.picture1.top(), s.top() + 200);
        QCOMPARE(r.picture1.left(), s.left() + 60);
        // The picture and its side frame fill the section's width but for 60 twips each side and a gap of 20.
        QCOMPARE(r.picture1.width() + 20 + in.sideFrameWidth + 120, s.width());
        QCOMPARE(r.picture1.height(), s.height() / 2 - 200);
        QCOMPARE(r.frame2, QPoint(r.picture1.left() + r.picture1.width() + 20, r.picture1.top()));
        QCOMPARE(r.frame3, QPoint(r.picture2.left() + r.picture2.width() + 20, r.picture2.top()));

        // Centred frames leave equal margins, to a twip.
        for (int section : { 5, 6, 7, 8 }) {
            const QPoint at = r.innerFrame[section];
            const QSize size = in.innerFrame[section];
            QVERIFY(qAbs((s.width() - at.x() - size.width()) - at.x()) <= 1);
            QVERIFY(qAbs((s.height() - at.y() - size.height()) - at.y()) <= 1);
        }
        // Sections 1 to 3 sit centred in the upper half; section 3 keeps its own left edge.
        for (int section : { 1, 2, 3 }) {
            const QPoint at = r.innerFrame[section];
            QVERIFY(qAbs((s.height() / 2 - at.y() - in.innerFrame[section].height()) - at.y()) <= 1);
        }
        QCOMPARE(r.innerFrame[3].x(), 120);
        QCOMPARE(r.innerFrame[4].y(), 200);
        QVERIFY(qAbs((s.width() - r.innerFrame[4].x() - in.innerFrame[4].width()) - r.innerFrame[4].x()) <= 1);
    }
};

QTEST_GUILESS_MAIN(LayoutTest)
#include "tst_layout.moc"
