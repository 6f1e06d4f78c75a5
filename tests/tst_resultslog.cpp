// The results log and its window: lines from the practice sections in the order they were finished,
// written whether or not the window was ever shown; the window's place; closing it without losing a line;
// and a count that never runs out.
#include "logic/resultswindow.h"
#include "practicedriver.h"
#include "results/form3.h"

using namespace maroleta;
using namespace maroleta::testing;

namespace {
// Finishes the exercise of section 6 on screen, right the first time.
void finishMulDiv(Program& p)
{
    p.click("Command1(6)");
    const auto [x, y] = rightMulDivAnswer(p);
    answerMulDiv(p, x, y);
    p.click("Command19");
}
}

class ResultsLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linesFromEverySectionKeptWhateverTheWindowDoes()
    {
        Program p(31);
        MessageRecorder messages; // none expected, but none may block the walk either
        // Section 4: 12/18 typed over the proposed fraction, then 2/3.
        p.click("Command1(4)");
        for (const auto& [field, number] : { std::pair { 0, "12" }, { 1, "18" }, { 2, "2" }, { 3, "3" } })
            typeOnKeypad(p, field, QString::fromLatin1(number));
        p.click("Command21(0)");
        finishMulDiv(p);
        // Section 5 with one wrong check on the way.
        p.click("Command1(5)");
        answerSum(p, rightSumAnswer(p));
        for (const char* button : { "Command16(2)", "Command17", "Command14(2)", "Command17" })
            p.click(button);
        finishMulDiv(p);

        Form3* window = p.form->results();
        QVERIFY(!window->isVisible());
        p.click("Command20");
        QVERIFY(window->isVisible());
        // Over the section area of the main window.
        const QPoint place = resultsWindowPlace(twipsGeometry(p.form->Frame1[0]), QSize(9720, 5940));
        QCOMPARE(window->pos(), QPoint(screenTwips().toPixels(place.x()), screenTwips().toPixels(place.y())));
        // The closing of each line: the word after a mistake or without one, between the section's asterisks.
        const auto closing = [&](const char* stars, bool mistake) {
            return QStringLiteral(" %1 %2 %1").arg(QLatin1String(stars), p.form->CheckTexts[mistake ? 1 : 0]);
        };
        const QStringList lines = p.resultLines();
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], "12/18 = 2/3 = " + closing("*", false));
        QVERIFY(lines[1].endsWith(closing("**", false)));
        QVERIFY(lines[2].endsWith(closing("***", true)));
        QVERIFY2(lines[3].endsWith(closing("**", false)), "the mistake of section 5 outlived its visit");

        // A second press only brings the window forward, back from minimised too.
        window->showMinimized();
        p.click("Command20");
        QVERIFY(!window->isMinimized());
        QCOMPARE(topLevels<Form3>(), QList<Form3*> { window });
        finishMulDiv(p); // shown at once in the open window
        QCOMPARE(window->List1->count(), 5);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->close());
        QVERIFY(!window->isVisible() && p.form->isVisible());
        finishMulDiv(p); // written while the window is closed
        p.click("Command20");
        QVERIFY(window->isVisible());
        QCOMPARE(topLevels<Form3>(), QList<Form3*> { window });
        QCOMPARE(p.resultLines().mid(0, 4), lines);
        QVERIFY(window->List1->count() == 6 && p.form->ResultCount == 6);
    }

    void countKeepsGoingPast16Bits()
    {
        static_assert(std::is_same_v<decltype(Form1::ResultCount), qint64>);
        Program p;
        for (int i = 0; i < 32770; ++i)
            p.form->WriteResultLine(QStringLiteral("line %1").arg(i));
        QCOMPARE(p.form->ResultCount, 32770);
        QCOMPARE(p.form->results()->List1->count(), 32770);
        QCOMPARE(p.form->results()->List1->item(32769)->text(), QStringLiteral("line 32769"));
    }
};

QTEST_MAIN(ResultsLog)
#include "tst_resultslog.moc"
