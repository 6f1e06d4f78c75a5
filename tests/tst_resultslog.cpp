// The results log and its window: lines from the practice sections in the order they were finished,
// written whether or not the window was ever shown; the window's title and place; and closing it
// without losing a line.
#include "logic/resultswindow.h"
#include "practicedriver.h"
#include "results/form3.h"

#include <QApplication>

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

// Finishes the exercise of section 5 on screen, with one wrong check on the way.
void finishSumAfterAMistake(Program& p)
{
    p.click("Command1(5)");
    std::array<int, 4> answer = rightSumAnswer(p);
    answerSum(p, answer);
    p.click("Command16(2)");
    p.click("Command17");
    p.click("Command14(2)");
    p.click("Command17");
}

// Finishes a simplification in section 4 with the keypad: 12/18 typed over the proposed fraction, then 2/3.
void finishSimplification(Program& p)
{
    p.click("Command1(4)");
    const std::pair<int, const char*> typed[] = { { 0, "12" }, { 1, "18" }, { 2, "2" }, { 3, "3" } };
    for (const auto& [field, number] : typed)
        typeOnKeypad(p, field, QString::fromLatin1(number));
    p.click("Command21(0)");
}

// The closing of a results line: the word after a mistake or without one, between `stars` asterisks.
QString closing(const Program& p, const char* stars, bool mistake)
{
    return QStringLiteral(" %1 %2 %1").arg(QLatin1String(stars), p.form->CheckTexts[mistake ? 1 : 0]);
}
}

class ResultsLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linesFromEveryPracticeSectionBeforeTheWindowIsShown()
    {
        Program p(31);
        MessageRecorder messages;
        finishSimplification(p);
        finishMulDiv(p);
        finishSumAfterAMistake(p);
        finishMulDiv(p);
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(p.form->ResultCount, 4);

        Form3* window = p.form->results();
        QVERIFY(!window->isVisible());
        p.click("Command20");
        QVERIFY(window->isVisible());
        const QStringList lines = p.resultLines();
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], "12/18 = 2/3 = " + closing(p, "*", false));
        QVERIFY(lines[1].endsWith(closing(p, "**", false)));
        QVERIFY(lines[2].endsWith(closing(p, "***", true)));
        QVERIFY2(lines[3].endsWith(closing(p, "**", false)), "the mistake of section 5 outlived its visit");
    }

    void closingKeepsEveryLineAndHistorialShowsOneWindow()
    {
        Program p(32);
        p.click("Command20");
        Form3* window = p.form->results();
        p.click("Command20"); // a second press only brings it forward
        QCOMPARE(p.form->results(), window);
        QCOMPARE(topLevels<Form3>().size(), 1);
        finishMulDiv(p); // shown at once in the open window
        QCOMPARE(window->List1->count(), 1);
        window->showMinimized();
        QVERIFY(window->isMinimized());
        p.click("Command20");
        QVERIFY(!window->isMinimized());

        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->close());
        QVERIFY(!window->isVisible() && p.form->isVisible());
        finishMulDiv(p); // written while the window is closed
        QVERIFY(!window->isVisible());
        p.click("Command20");
        QVERIFY(window->isVisible());
        QCOMPARE(window->List1->count(), 2);
        QCOMPARE(p.form->ResultCount, 2);
        QCOMPARE(topLevels<Form3>().size(), 1);
    }

    void placedOverTheSectionArea()
    {
        Program p;
        Form3* window = p.form->results();
        const QPoint place = resultsWindowPlace(twipsGeometry(p.form->Frame1[0]), QSize(9720, 5940));
        QCOMPARE(window->pos(), QPoint(screenTwips().toPixels(place.x()), screenTwips().toPixels(place.y())));
    }

    void countKeepsGoingPast16Bits()
    {
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
