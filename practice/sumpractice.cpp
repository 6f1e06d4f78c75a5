// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 5: adding and subtracting three fractions over a common denominator.
#include "practice/sumpractice.h"

#include "logic/captions.h"
#include "logic/sumexercise.h"
#include "widgets/accessibility.h"
#include "widgets/announce.h"

#include <QSignalBlocker>

#include <algorithm>

namespace maroleta {

namespace {
    constexpr int givenLefts[3] = { 240, 1440, 2640 };
    constexpr int answerLefts[4] = { 3960, 5280, 6480, 7800 };
    constexpr int minusLefts[4] = { 4320, 5640, 6840, 8160 };

    // Fraction bars and the strokes of the signs, by index of Line5.
    constexpr int strokes[19][4] = {
        { 240, 1560, 960, 1560 }, { 1440, 1560, 2160, 1560 }, { 2640, 1560, 3360, 1560 }, // given fractions
        { 3960, 1560, 4680, 1560 }, { 5280, 1560, 6000, 1560 }, { 6480, 1560, 7200, 1560 }, // answer row
        { 7800, 1560, 8520, 1560 }, { 1080, 1560, 1320, 1560 },
        { 1200, 1680, 1200, 1440 }, // plus between given 0 and 1
        { 2400, 1680, 2400, 1440 }, { 2280, 1560, 2520, 1560 }, // 9 vertical, 10 horizontal
        { 3600, 1680, 3840, 1680 }, { 3600, 1440, 3840, 1440 }, // equals
        { 4920, 1560, 5160, 1560 }, { 5040, 1680, 5040, 1440 }, // plus between answers 0 and 1
        { 6240, 1680, 6240, 1440 }, { 6120, 1560, 6360, 1560 }, // 15 vertical, 16 horizontal
        { 7440, 1680, 7680, 1680 }, { 7440, 1440, 7680, 1440 }, // equals before the result
    };

    // The position picked in a list counted from 0, or -1 when nothing is picked.
    int selectedRow(const ListBox* list)
    {
        const QList<QListWidgetItem*> picked = list->selectedItems();
        return picked.isEmpty() ? -1 : list->row(picked.first());
    }
}

SumPracticeSection::SumPracticeSection(
    Frame* frame, Random& random, const LanguageTexts& texts, ResultsLog& results, Voice& voice)
    : PracticeSection(random, texts, results, voice)
{
    // What screen readers are told this section's controls are. The answer buttons step the numerator of
    // fraction i over the common denominator, or of the result (i = 3).
    const auto answerNumerator = [](int i) {
        return i < 3
            ? QString::fromUtf8("numerador de ") + fractionWords(i) + QString::fromUtf8(" con el denominador común")
            : QString::fromUtf8("numerador del resultado");
    };
    addControlNames(frame->window(),
        {
            { QStringLiteral("Label12"), [](int i) { return QString::fromUtf8("Numerador de ") + fractionWords(i); } },
            { QStringLiteral("Label13"),
                [](int i) {
                    if (i < 3)
                        return QString::fromUtf8("Denominador de ") + fractionWords(i);
                    if (i < 6)
                        return QString::fromUtf8("Denominador común de ") + fractionWords(i - 3);
                    return QString::fromUtf8("Denominador del resultado");
                } },
            { QStringLiteral("Command14"),
                [answerNumerator](int i) {
                    const QString numerator = answerNumerator(i);
                    return numerator.left(1).toUpper() + numerator.mid(1) + QString::fromUtf8(": sumar 1");
                } },
            { QStringLiteral("Command15"),
                [answerNumerator](int i) { return QString::fromUtf8("Sumar 5 al ") + answerNumerator(i); } },
            { QStringLiteral("Command16"),
                [answerNumerator](int i) { return QString::fromUtf8("Restar 1 al ") + answerNumerator(i); } },
            { QStringLiteral("List1"),
                [](int i) { return QString::fromUtf8("Múltiplos del denominador de ") + fractionWords(i); } },
            { QStringLiteral("Label14"),
                [](int i) { return QString::fromUtf8("Múltiplo elegido para ") + fractionWords(i); } },
            { QStringLiteral("Command17"), fixedName("Comprobar la suma") },
        });
    Frame* Frame7 = makeInnerFrame(frame, 5, QStringLiteral("Frame7"));

    for (int i = 0; i < 3; ++i) {
        Label12[i] = makeNumberLabel(
            Frame7, arrayName(QStringLiteral("Label12"), i), QRect(givenLefts[i], 960, 615, 375), QStringLiteral("1"));
        Label13[i] = makeNumberLabel(
            Frame7, arrayName(QStringLiteral("Label13"), i), QRect(givenLefts[i], 1680, 615, 375), QStringLiteral("1"));

        List1[i] = makeControl<ListBox>(
            Frame7, arrayName(QStringLiteral("List1"), i), QRect(givenLefts[i], 2280, 975, 2910));
        List1[i]->setFont(designFont(QStringLiteral("Arial"), 12, true));
        List1[i]->setSelectionMode(QAbstractItemView::SingleSelection);
        connect(List1[i], &QListWidget::itemSelectionChanged, this, [this, i] { List1_Click(i); });

        Label14[i] = makeControl<Label>(
            Frame7, arrayName(QStringLiteral("Label14"), i), QRect(givenLefts[i], 5400, 1095, 255));
        Label14[i]->setForeColor(DesignColor::SystemHighlightText);
    }
    for (int i = 0; i < 4; ++i) {
        Label13[3 + i] = makeNumberLabel(
            Frame7, arrayName(QStringLiteral("Label13"), 3 + i), QRect(answerLefts[i], 1680, 735, 375));

        Command14[i] = makeControl<CommandButton>(
            Frame7, arrayName(QStringLiteral("Command14"), i), QRect(answerLefts[i], 960, 735, 495));
        Command14[i]->setFont(designFont(QStringLiteral("Arial"), 14.25, true));
        connect(Command14[i], &QPushButton::clicked, this, [this, i] { Command14_Click(i); });

        Command15[i] = makeControl<CommandButton>(
            Frame7, arrayName(QStringLiteral("Command15"), i), QRect(answerLefts[i], 480, 375, 375));
        Command15[i]->setText(QStringLiteral("+5"));
        connect(Command15[i], &QPushButton::clicked, this, [this, i] { Command15_Click(i); });

        Command16[i] = makeControl<CommandButton>(
            Frame7, arrayName(QStringLiteral("Command16"), i), QRect(minusLefts[i], 480, 375, 375));
        Command16[i]->setText(QStringLiteral("-1"));
        connect(Command16[i], &QPushButton::clicked, this, [this, i] { Command16_Click(i); });
    }

    for (Label* number : Label12)
        number->setForeColor(DesignColor::SystemHighlightText);
    for (Label* number : Label13)
        number->setForeColor(DesignColor::SystemHighlightText);
    for (int i = 0; i < 19; ++i) {
        const auto& s = strokes[i];
        Line5[i] = makeStroke(Frame7, arrayName(QStringLiteral("Line5"), i), QLine(s[0], s[1], s[2], s[3]));
        Line5[i]->setBorderColor(DesignColor::SystemHighlightText);
    }

    Command17 = makeControl<CommandButton>(Frame7, QStringLiteral("Command17"), QRect(4080, 2400, 4335, 2415));
    Command17->setFont(designFont(QStringLiteral("Arial"), 26.25, true));
    Command17->setText(QStringLiteral("COMPROBAR"));
    Command17->hide();
    connect(Command17, &QPushButton::clicked, this, &SumPracticeSection::Command17_Click);
}

void SumPracticeSection::prepare()
{
    NewSumExercise();
    MistakeMade = false;
    const auto fraction = [this](int i) {
        return m_voice.fraction(captionValue(Label12[i]->text()), captionValue(Label13[i]->text()));
    };
    const VoiceTexts& words = m_voice.texts();
    const auto shown = [this](int i) { return caption(Label12[i], Label13[i]); };
    m_voice.say({ fraction(0), words.plus, fraction(1), AddThird ? words.plus : words.minus, fraction(2) },
        shownOperation(shownOperation(shown(0), '+', shown(1)), AddThird ? '+' : '-', shown(2)));
}

void SumPracticeSection::takeTexts(const LanguageTexts& texts) { takeLine(Command17, texts.check, 0); }

void SumPracticeSection::NewSumExercise()
{
    const SumExercise exercise = drawSumExercise(m_random);
    for (int i = 0; i < 3; ++i) {
        Label12[i]->setText(numberCaption(exercise.numerators[i]));
        Label13[i]->setText(numberCaption(exercise.denominators[i]));
        Command14[i]->setText(QString());
        Command14[i]->setBackColor(DesignColor::SystemButtonFace);
        Label13[i + 3]->setText(QString());
    }

    AddThird = exercise.addThird;
    Line5[9]->setVisible(AddThird);
    Line5[15]->setVisible(AddThird);

    Command14[3]->setText(QString());
    Command14[3]->setBackColor(DesignColor::SystemButtonFace);
    Label13[6]->setText(QString());

    Command17->hide();
    Command17->setBackColor(DesignColor::SystemButtonFace);
    DenominatorsMatched = false;

    // Refilling the lists is no pick of the pupil's: the working lines of the last exercise stay.
    for (int i = 0; i < 3; ++i) {
        const double product
            = captionValue(Label13[0]->text()) * captionValue(Label13[1]->text()) * captionValue(Label13[2]->text());
        const QSignalBlocker quiet(List1[i]);
        List1[i]->clear();
        List1[i]->addItems(multiplesList(captionValue(Label13[i]->text()), product));
        List1[i]->scrollToTop();
    }
}

void SumPracticeSection::stepSumNumerator(int Index, double step)
{
    if (Index < 0 || Index > 3)
        return;
    Command14[Index]->setText(numberCaption(captionValue(Command14[Index]->text()) + step));
    announce(Command14[Index], Command14[Index]->text());
    const bool complete
        = std::all_of(Command14.begin(), Command14.end(), [](const CommandButton* b) { return !b->text().isEmpty(); });
    if (DenominatorsMatched && complete)
        Command17->show();
    Command14[Index]->setBackColor(DesignColor::SystemButtonFace);
}

void SumPracticeSection::Command14_Click(int Index) { stepSumNumerator(Index, 1); }

void SumPracticeSection::Command15_Click(int Index) { stepSumNumerator(Index, 5); }

void SumPracticeSection::Command16_Click(int Index) { stepSumNumerator(Index, -1); }

void SumPracticeSection::List1_Click(int Index)
{
    if (Index < 0 || Index > 2)
        return;
    std::array<int, 3> rows {};
    for (int j = 0; j < 3; ++j)
        rows[j] = selectedRow(List1[j]);
    const bool allPicked = rows[0] >= 0 && rows[1] >= 0 && rows[2] >= 0;
    const QString common = allPicked ? List1[0]->item(rows[0])->text() : QString();
    if (allPicked && List1[1]->item(rows[1])->text() == common && List1[2]->item(rows[2])->text() == common) {
        for (int j = 3; j <= 6; ++j)
            Label13[j]->setText(common);
        DenominatorsMatched = true;
        const bool complete = std::all_of(
            Command14.begin(), Command14.end(), [](const CommandButton* b) { return !b->text().isEmpty(); });
        if (complete)
            Command17->show();
    } else {
        for (int j = 3; j <= 6; ++j)
            Label13[j]->setText(QString());
        // Without one common denominator there is nothing to check: a check now would judge the
        // numerators against lists that disagree and log a result with no denominator.
        DenominatorsMatched = false;
        Command17->hide();
    }

    const int row = rows[Index];
    if (row >= 0) {
        Label14[Index]->setText(numberCaption(captionValue(Label13[Index]->text())) + QStringLiteral(" X ")
            + numberCaption(row + 1) + QStringLiteral(" = ") + List1[Index]->item(row)->text());
    }
}

void SumPracticeSection::Command17_Click()
{
    std::array<double, 3> numerators {};
    std::array<int, 3> multipliers {};
    for (int i = 0; i < 3; ++i) {
        numerators[i] = captionValue(Label12[i]->text());
        multipliers[i] = selectedRow(List1[i]) + 1;
    }
    std::array<double, 4> answers {};
    for (int j = 0; j < 4; ++j)
        answers[j] = captionValue(Command14[j]->text());

    const SumJudgement judgement = judgeSum(numerators, multipliers, AddThird, answers);
    for (int j = 0; j < 4; ++j)
        Command14[j]->setBackColor(judgement.right[j] ? DesignColor::Green : DesignColor::Red);
    judgeSayLog(judgement.allRight(), Command17, DesignColor::Green, [this](const QString& closing) {
        SumLine line;
        for (int i = 0; i < 3; ++i) {
            line.numerators[i] = Label12[i]->text();
            line.denominators[i] = Label13[i]->text();
        }
        line.addThird = !Line5[9]->isHidden();
        line.resultNumerator = Command14[3]->text();
        line.resultDenominator = Label13[6]->text();
        line.closing = closing;
        return sumResultLine(line);
    });
}

} // namespace maroleta
