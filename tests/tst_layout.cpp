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
        QCOMPARE(r.innerFrame[3], QPoint(120, 780)); // Frame6 keeps its own left edge
    }

    void everythingFitsOnEveryScreen_data()
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
    void everythingFitsOnEveryScreen()
    {
        QFETCH(QSize, pixels);
        const LayoutInput in = designInput(pixels * 15);
        const LayoutResult r = arrangeScreen(in);
        const QRect& s = r.section;
        QVERIFY(QRect(QPoint(0, 0), in.screen).contains(s));
        QVERIFY(s.left() > in.menuLeft + in.menuWidth); // right of the menu column

        // The two pictures one above the other, alike and apart, each with its side frame to its right, all
        // inside the section.
        QCOMPARE(r.picture1.size(), r.picture2.size());
        QCOMPARE(r.picture1.left(), r.picture2.left());
        QVERIFY(r.picture1.bottom() < r.picture2.top());
        for (const auto& [picture, frame] :
            { std::pair { r.picture1, r.frame2 }, std::pair { r.picture2, r.frame3 } }) {
            QCOMPARE(frame.y(), picture.top());
            QVERIFY(frame.x() > picture.right());
            QVERIFY(s.contains(picture));
            QVERIFY(frame.x() + in.sideFrameWidth <= s.right());
        }

        // Every inner frame lies inside its section; those of sections 5 to 8 centred to a twip, sections 1 to 3
        // centred in the upper half, section 4 centred across.
        for (int section = 1; section < 9; ++section)
            QVERIFY(QRect(QPoint(0, 0), s.size()).contains(QRect(r.innerFrame[section], in.innerFrame[section])));
        const auto margins = [&](int section, int height) {
            const QPoint at = r.innerFrame[section];
            const QSize size = in.innerFrame[section];
            return QPoint(s.width() - at.x() - size.width() - at.x(), height - at.y() - size.height() - at.y());
        };
        for (int section : { 5, 6, 7, 8 })
            QVERIFY(qAbs(margins(section, s.height()).x()) <= 1 && qAbs(margins(section, s.height()).y()) <= 1);
        for (int section : { 1, 2, 3 })
            QVERIFY(qAbs(margins(section, s.height() / 2).y()) <= 1);
        QVERIFY(qAbs(margins(4, s.height()).x()) <= 1);
    }
};

QTEST_GUILESS_MAIN(LayoutTest)
#include "tst_layout.moc"
