// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 4: simplifying a fraction step by step, with the keypad.
#include "practice/simplifypractice.h"

#include "logic/captions.h"
#include "widgets/accessibility.h"
#include "widgets/messagebox.h"

namespace maroleta {

namespace {
    // Left edge of the fields of each column: the fraction to simplify, then steps 1 to 5.
    constexpr std::array<int, 6> columnLefts { 240, 1680, 3240, 4800, 6360, 7920 };
    constexpr std::array<int, 5> checkLefts { 1560, 3120, 4800, 6240, 7800 };
    constexpr int numeratorTop = 480;
    constexpr int denominatorTop = 1200;
    // A lone whole number sits this much lower than a numerator, level with the fraction bars.
    constexpr int wholeNumberDrop = 300;

    // The fraction bar under the fields that start at `left`: 960 twips long, from 120 to the left of them.
    QLine fractionBar(int left) { return QLine(left - 120, 1080, left + 840, 1080); }
}

SimplifyPracticeSection::SimplifyPracticeSection(
    Frame* frame, Random& random, const LanguageTexts& texts, ResultsLog& results, Voice& voice)
    : PracticeSection(random, texts, results, voice)
    , Primes(firstTenPrimes())
{
    // What screen readers are told this section's controls are.
    addControlNames(frame->window(),
        {
            { QStringLiteral("Label17"),
                [](int i) {
                    if (i < 2)
                        return termWord(i) + QString::fromUtf8(" de la fracción que se simplifica");
                    return termWord(i) + QString::fromUtf8(" del paso %1").arg(i / 2);
                } },
            { QStringLiteral("Command21"), [](int i) { return QString::fromUtf8("Comprobar el paso %1").arg(i + 1); } },
        });
    Frame* Frame9 = makeInnerFrame(frame, 4, QStringLiteral("Frame9"));
    for (int i = 0; i < 12; ++i) {
        const int column = i / 2;
        const int top = i % 2 == 0 ? numeratorTop : denominatorTop;
        Label17[i] = makeNumberLabel(Frame9, arrayName(QStringLiteral("Label17"), i),
            QRect(columnLefts[column], top, 855, 495), QStringLiteral("?"));
        Label17[i]->setForeColor(DesignColor::White);
        // Tab reaches a field that is open for typing; Space or Enter opens the keypad as a click does.
        Label17[i]->setFocusPolicy(Qt::TabFocus);
        connect(Label17[i], &Label::clicked, this, [this, i] { Label17_Click(i); });
    }
    for (int i = 0; i < 5; ++i) {
        Command21[i] = makeControl<CommandButton>(
            Frame9, arrayName(QStringLiteral("Command21"), i), QRect(checkLefts[i], 1680, 1215, 615));
        Command21[i]->setText(QStringLiteral("COMPROBAR"));
        Command21[i]->setBackColor(DesignColor::White);
        connect(Command21[i], &QPushButton::clicked, this, [this, i] { Command21_Click(i); });
    }

    const auto stroke = [this, Frame9](int index, const QLine& line) {
        Line7[index] = makeStroke(Frame9, arrayName(QStringLiteral("Line7"), index), line);
    };
    stroke(0, fractionBar(columnLefts[0])); // (120, 1080) to (1080, 1080)
    for (int j = 1; j <= 5; ++j) {
        // The "=" sign sits in the middle of the gap between the previous bar and the bar of step j.
        const int gapStart = fractionBar(columnLefts[j - 1]).x2();
        const int gapEnd = fractionBar(columnLefts[j]).x1();
        const int signLeft = (gapStart + gapEnd) / 2 - 180;
        stroke(3 * j - 2, QLine(signLeft, 960, signLeft + 360, 960));
        stroke(3 * j - 1, QLine(signLeft, 1200, signLeft + 360, 1200));
        stroke(3 * j, fractionBar(columnLefts[j]));
    }
}

void SimplifyPracticeSection::prepare()
{
    NewSimplifyExercises();
    MistakeMade = false;
    m_voice.say(m_voice.fraction(captionValue(Label17[0]->text()), captionValue(Label17[1]->text())),
        caption(Label17[0], Label17[1]));
}

void SimplifyPracticeSection::takeTexts(const LanguageTexts& texts)
{
    for (CommandButton* button : Command21)
        takeLine(button, texts.check, 0);
}

void SimplifyPracticeSection::NewSimplifyExercises()
{
    const SimplifyExercise exercise = drawSimplifyExercise(m_random);

    for (int i = 0; i < 12; ++i) {
        Label17[i]->setForeColor(DesignColor::White);
        Label17[i]->setEnabled(true);
        Label17[i]->setText(QStringLiteral("?"));
        Label17[i]->setVisible(i <= 3);
    }
    // A whole-number answer of the last exercise may have moved its numerator down.
    const int top = twipsGeometry(Label17[0]).top();
    for (int i = 2; i <= 10; i += 2)
        setTwipsPosition(Label17[i], QPoint(twipsGeometry(Label17[i]).left(), top));

    Label17[0]->setText(QString::number(exercise.numerator));
    Label17[1]->setText(QString::number(exercise.denominator));

    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            Command21[i]->hide();
        Command21[i]->setEnabled(true);
        Command21[i]->setBackColor(DesignColor::White);
    }
    for (int i = 0; i < 16; ++i)
        Line7[i]->setVisible(i <= 3);
}

void SimplifyPracticeSection::Label17_Click(int Index)
{
    if (Index < 0 || Index >= int(Label17.size()))
        return;
    Label17[Index]->setForeColor(DesignColor::Blue);
    Q_EMIT keypadWanted(Label17[Index]);
}

void SimplifyPracticeSection::CheckStillSimplifiable() { CanSimplify = canBeSimplified(ToNum, ToDen, Primes); }

void SimplifyPracticeSection::Command21_Click(int Index)
{
    if (Index < 0 || Index >= int(Command21.size()))
        return;
    readStep(Index);
    if (FromNum == FromDen) {
        showMessage(
            Command21[Index]->window(), QString::fromUtf8("Numerador y denominador han de tener distinto número"));
        return;
    }
    if (Index == 0)
        judgeGivenFraction();
    CheckStillSimplifiable();

    switch (simplifyBranch(FromDen, ToDen, CanSimplify)) {
    case SimplifyBranch::WholeNumber:
        checkWholeNumber(Index);
        break;
    case SimplifyBranch::Intermediate:
        if (settleStep(Index, sameFractionValue(FromNum, FromDen, ToNum, ToDen), 2, false) && Index < 4)
            showNextStep(Index);
        break;
    case SimplifyBranch::Final:
        settleStep(Index, sameFractionValue(FromNum, FromDen, ToNum, ToDen), 2, true);
        break;
    }
    CanSimplify = false;
}

void SimplifyPracticeSection::readStep(int k)
{
    FromNum = captionValue(Label17[2 * k]->text());
    FromDen = captionValue(Label17[2 * k + 1]->text());
    ToNum = captionValue(Label17[2 * k + 2]->text());
    ToDen = wholeNumber32(captionValue(Label17[2 * k + 3]->text()));
}

void SimplifyPracticeSection::judgeGivenFraction()
{
    if (canBeSimplified(FromNum, FromDen, Primes)) {
        for (Label* start : { Label17[0], Label17[1] }) {
            start->setForeColor(DesignColor::Blue);
            start->setEnabled(false);
        }
    } else {
        Label17[0]->setForeColor(DesignColor::Red);
        Label17[1]->setForeColor(DesignColor::Red);
        showMessage(Command21[0]->window(), QString::fromUtf8("Esta fracción no se puede simplificar"));
    }
}

void SimplifyPracticeSection::checkWholeNumber(int k)
{
    Label* answerNumerator = Label17[2 * k + 2];
    const StepVerdict verdict
        = judgeWholeNumber(Label17[2 * k]->text(), FromDen, answerNumerator->text(), Label17[2 * k + 3]->text());
    if (verdict == StepVerdict::NotJudged)
        return; // a denominator typed where a whole number is asked for: nothing to judge
    if (verdict == StepVerdict::Right) {
        const QRect place = twipsGeometry(answerNumerator);
        setTwipsPosition(answerNumerator, QPoint(place.left(), place.top() + wholeNumberDrop));
    }
    settleStep(k, verdict == StepVerdict::Right, 1, true);
}

bool SimplifyPracticeSection::settleStep(int k, bool right, int fields, bool finishes)
{
    for (int i = 2 * k + 2; i < 2 * k + 2 + fields; ++i) {
        Label17[i]->setForeColor(right ? DesignColor::Blue : DesignColor::Red);
        if (right)
            Label17[i]->setEnabled(false);
    }
    ResultLine line;
    if (finishes) {
        line = [this, k, fields](const QString& closing) {
            QStringList chain;
            for (int i = 0; i <= 2 * k + 3; ++i)
                chain << Label17[i]->text();
            return simplifyResultLine(chain, k, fields == 1, closing);
        };
    }
    judgeSayLog(right, Command21[k], DesignColor::Blue, line);
    if (right)
        Command21[k]->setEnabled(false);
    return right;
}

void SimplifyPracticeSection::showNextStep(int k)
{
    Label17[2 * k + 4]->show();
    Line7[3 * k + 4]->show();
    Line7[3 * k + 5]->show();
    if (captionValue(Label17[2 * k + 3]->text()) != 1) {
        Label17[2 * k + 5]->show();
        Line7[3 * k + 6]->show();
    }
    Command21[k + 1]->show();
}

} // namespace maroleta
