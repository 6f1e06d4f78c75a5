// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 3: adding and subtracting two fractions, guided by their multiples.
// The task A ± B stands beside a working copy A' ± B'; each click on a working denominator moves it to
// the next multiple of the task's denominator, until the two meet and the result can be set.
#include "learn/guidedsum.h"

#include "logic/captions.h"
#include "logic/guidedsum.h"
#include "widgets/accessibility.h"
#include "widgets/announce.h"
#include "widgets/messagebox.h"

namespace maroleta {

namespace {
    const QString kFactorPrefix = QStringLiteral(" X ");

    double value(const QLabel* label) { return captionValue(label->text()); }
    double value(const QPushButton* button) { return captionValue(button->text()); }
}

GuidedSumSection::GuidedSumSection(
    Frame* frame, SecondFraction& second, Random& random, const LanguageTexts& texts, Voice& voice)
    : m_second(second)
    , m_random(random)
    , m_texts(texts)
    , m_voice(voice)
{
    // What screen readers are told this section's controls are.
    addControlNames(frame->window(),
        {
            { QStringLiteral("Label8"),
                [](int i) {
                    return QString::fromUtf8("Numerador de ") + fractionWords(i % 2)
                        + (i >= 2 ? QString::fromUtf8(" transformada") : QString());
                } },
            { QStringLiteral("Label9"), [](int i) { return QString::fromUtf8("Denominador de ") + fractionWords(i); } },
            { QStringLiteral("Label10"), fixedName("Factor de la primera fracción") },
            { QStringLiteral("Label11"), fixedName("Factor de la segunda fracción") },
            { QStringLiteral("Command12"),
                [](int i) {
                    switch (i) {
                    case 0:
                    case 1:
                        return QString::fromUtf8("Denominador de ") + fractionWords(i)
                            + QString::fromUtf8(" transformada: siguiente múltiplo");
                    case 2:
                        return QString::fromUtf8("Numerador del resultado: sumar 1");
                    case 3:
                        return QString::fromUtf8("Denominador del resultado: sumar 1");
                    default:
                        return (i % 2 == 0 ? QString::fromUtf8("Sumar 5 al ") : QString::fromUtf8("Restar 1 al "))
                            + (i <= 5 ? QString::fromUtf8("numerador del resultado")
                                      : QString::fromUtf8("denominador del resultado"));
                    }
                } },
            { QStringLiteral("Command13"),
                [](int i) {
                    return QString::fromUtf8("Denominador de ") + fractionWords(i)
                        + QString::fromUtf8(" transformada: múltiplo anterior");
                } },
        });
    Frame* Frame6 = makeInnerFrame(frame, 3, QStringLiteral("Frame6"));
    setTwipsPosition(Frame6, QPoint(120, 480));

    // The task A ± B and the working numerators of A' and B'.
    const struct {
        int index;
        QRect twips;
        const char* caption;
        quint32 color;
    } numerators[] = {
        { 0, QRect(240, 1080, 975, 375), "1", SumColor::Cyan },
        { 1, QRect(2160, 1080, 975, 375), "1", SumColor::Magenta },
        { 2, QRect(3720, 1080, 975, 375), "1", SumColor::Cyan },
        { 3, QRect(5400, 1080, 975, 375), "1", SumColor::Magenta },
    };
    for (const auto& n : numerators) {
        Label8[n.index] = makeNumberLabel(
            Frame6, arrayName(QStringLiteral("Label8"), n.index), n.twips, QString::fromLatin1(n.caption));
        Label8[n.index]->setForeColor(n.color);
    }
    Label9[0] = makeNumberLabel(Frame6, QStringLiteral("Label9(0)"), QRect(240, 1800, 975, 375), QStringLiteral("2"));
    Label9[1] = makeNumberLabel(Frame6, QStringLiteral("Label9(1)"), QRect(2160, 1800, 975, 375), QStringLiteral("3"));
    Label9[0]->setForeColor(SumColor::Cyan);
    Label9[1]->setForeColor(SumColor::Magenta);

    // The factor texts beside the arrows, in 12 pt.
    for (int i = 0; i < 2; ++i) {
        const int top = i == 0 ? 240 : 2640;
        Label10[i] = makeControl<Label>(Frame6, arrayName(QStringLiteral("Label10"), i), QRect(1200, top, 735, 375));
        Label11[i] = makeControl<Label>(Frame6, arrayName(QStringLiteral("Label11"), i), QRect(2880, top, 855, 375));
        Label10[i]->setForeColor(SumColor::Cyan);
        Label11[i]->setForeColor(SumColor::Magenta);
        for (Label* factor : { Label10[i], Label11[i] })
            factor->setFont(designFont(QStringLiteral("Arial"), 12, true));
    }

    // Working denominators, the result and its step buttons.
    const struct {
        QRect twips;
        const char* caption;
        quint32 color;
    } buttons[] = {
        { QRect(3960, 1800, 615, 495), "", SumColor::Cyan },
        { QRect(5520, 1800, 615, 495), "", SumColor::Magenta },
        { QRect(6840, 1080, 975, 495), "", DesignColor::Green },
        { QRect(6840, 1800, 975, 495), "", DesignColor::Green },
        { QRect(6840, 480, 495, 495), "+5", SumColor::LightYellow },
        { QRect(7320, 480, 495, 495), "-1", SumColor::LightPink },
        { QRect(6840, 2400, 495, 495), "+5", SumColor::LightYellow },
        { QRect(7320, 2400, 495, 495), "-1", SumColor::LightPink },
    };
    for (int i = 0; i < 8; ++i) {
        Command12[i] = makeButton(Frame6, arrayName(QStringLiteral("Command12"), i), buttons[i].twips,
            QString::fromLatin1(buttons[i].caption), [this, i] { Command12_Click(i); });
        Command12[i]->setFont(designFont(QStringLiteral("Arial"), 18, true));
        Command12[i]->setBackColor(buttons[i].color);
    }
    Command13[0] = makeButton(Frame6, QStringLiteral("Command13(0)"), QRect(3960, 2400, 615, 255),
        QStringLiteral("----"), [this] { Command13_Click(0); });
    Command13[1] = makeButton(Frame6, QStringLiteral("Command13(1)"), QRect(5520, 2400, 615, 255),
        QStringLiteral("-----"), [this] { Command13_Click(1); });
    Command13[0]->setBackColor(SumColor::Cyan);
    Command13[1]->setBackColor(SumColor::Magenta);

    // Bars and signs; there is no stroke 19.
    const struct {
        int index;
        QLine line;
    } strokes[] = {
        { 13, QLine(240, 1680, 1320, 1680) },
        { 14, QLine(2040, 1680, 3120, 1680) },
        { 15, QLine(1440, 1680, 1920, 1680) },
        { 16, QLine(1680, 1440, 1680, 1920) },
        { 17, QLine(3240, 1560, 3480, 1560) },
        { 18, QLine(3240, 1800, 3480, 1800) },
        { 20, QLine(3720, 1680, 4680, 1680) },
        { 21, QLine(5400, 1680, 6360, 1680) },
        { 22, QLine(4800, 1680, 5280, 1680) },
        { 23, QLine(5040, 1440, 5040, 1920) },
        { 24, QLine(6480, 1560, 6720, 1560) },
        { 25, QLine(6480, 1800, 6720, 1800) },
        { 26, QLine(6840, 1680, 7800, 1680) },
    };
    for (const auto& s : strokes) {
        Line1[s.index] = makeStroke(Frame6, arrayName(QStringLiteral("Line1"), s.index), s.line);
        Line1[s.index]->setBorderColor(DesignColor::SystemMenu);
    }

    // The arrows: numerator arrow 0..4, denominator arrow 5..9, each a shaft of three strokes and a head of two.
    const QLine cyanArrows[] = {
        QLine(720, 960, 720, 600),
        QLine(720, 600, 4200, 600),
        QLine(4200, 1080, 4200, 600),
        QLine(4200, 1080, 3960, 840),
        QLine(4200, 1080, 4440, 840),
        QLine(720, 3120, 720, 2280),
        QLine(720, 3120, 4200, 3120),
        QLine(4200, 3120, 4200, 2760),
        QLine(4200, 2760, 3960, 3000),
        QLine(4200, 2760, 4440, 3000),
    };
    const QLine magentaArrows[] = {
        QLine(2640, 960, 2640, 600),
        QLine(5880, 600, 2640, 600),
        QLine(5880, 600, 5880, 1080),
        QLine(5640, 840, 5880, 1080),
        QLine(6120, 840, 5880, 1080),
        QLine(2640, 3120, 2640, 2280),
        QLine(5880, 3120, 2640, 3120),
        QLine(5880, 2760, 5880, 3120),
        QLine(5640, 3000, 5880, 2760),
        QLine(6120, 3000, 5880, 2760),
    };
    for (int i = 0; i < 10; ++i) {
        Line3[i] = makeStroke(Frame6, arrayName(QStringLiteral("Line3"), i), cyanArrows[i], 2);
        Line4[i] = makeStroke(Frame6, arrayName(QStringLiteral("Line4"), i), magentaArrows[i], 2);
        Line3[i]->setBorderColor(SumColor::Cyan);
        Line4[i]->setBorderColor(SumColor::Magenta);
    }
}

void GuidedSumSection::prepare()
{
    NewSumExample();
    DrawSumPictures();
    HideFirstFractionSteps();
    HideSecondFractionSteps();
    const bool sum = !Line1[16]->isHidden();
    m_voice.say(
        { m_voice.fraction(value(Label8[0]), value(Label9[0])), sum ? m_voice.texts().plus : m_voice.texts().minus,
            m_voice.fraction(value(Label8[1]), value(Label9[1])) },
        shownOperation(caption(Label8[0], Label9[0]), sum ? '+' : '-', caption(Label8[1], Label9[1])));
}

void GuidedSumSection::NewSumExample()
{
    const SumTask task = newSumTask(m_random);
    const int numerators[2] = { task.numeratorA, task.numeratorB };
    const int denominators[2] = { task.denominatorA, task.denominatorB };
    for (int i = 0; i < 2; ++i) {
        Label9[i]->setText(numberCaption(denominators[i]));
        Label8[i]->setText(numberCaption(numerators[i]));
        Command12[i]->setText(Label9[i]->text());
        Label8[i + 2]->setText(Label8[i]->text());
        Command12[i + 2]->setText(QString());
        Command12[i + 2]->setBackColor(DesignColor::Green);
    }
    // Without its vertical stroke a plus reads as a minus.
    Line1[16]->setVisible(task.sum);
    Line1[23]->setVisible(task.sum);

    EqualDenominators = Label9[0]->text() == Label9[1]->text();
    if (EqualDenominators)
        ShowResultFraction();
    else
        HideResultFraction();
}

void GuidedSumSection::DrawSumPictures()
{
    const SumCircle a { value(Label8[2]), value(Command12[0]), sumCircleColorA(EqualDenominators) };
    const SumCircle b { value(Label8[3]), value(Command12[1]), sumCircleColorB(EqualDenominators) };
    m_second.drawSumPictures(a, b, EqualDenominators);
}

namespace {
    // The arrows of one working fraction and the factor " X n" beside them, n = working / task denominator.
    template <std::size_t Strokes, std::size_t Labels>
    void setSteps(const std::array<LineShape*, Strokes>& strokes, const std::array<Label*, Labels>& factors, bool shown,
        double workingDenominator = 0, double taskDenominator = 1)
    {
        for (LineShape* stroke : strokes)
            stroke->setVisible(shown);
        const QString factor = kFactorPrefix + numberCaption(workingDenominator / taskDenominator);
        for (Label* label : factors) {
            if (shown)
                label->setText(factor);
            label->setVisible(shown);
        }
    }
}

void GuidedSumSection::ShowFirstFractionSteps()
{
    setSteps(Line3, Label10, true, value(Command12[0]), value(Label9[0]));
}

void GuidedSumSection::HideFirstFractionSteps() { setSteps(Line3, Label10, false); }

void GuidedSumSection::ShowSecondFractionSteps()
{
    setSteps(Line4, Label11, true, value(Command12[1]), value(Label9[1]));
}

void GuidedSumSection::HideSecondFractionSteps() { setSteps(Line4, Label11, false); }

void GuidedSumSection::setResultFraction(bool shown)
{
    for (int i = 24; i <= 26; ++i)
        Line1[i]->setVisible(shown);
    for (int i = 2; i <= 7; ++i)
        Command12[i]->setVisible(shown);
}

void GuidedSumSection::ShowResultFraction() { setResultFraction(true); }

void GuidedSumSection::HideResultFraction() { setResultFraction(false); }

void GuidedSumSection::setWorkingFraction(int index, const WorkingFraction& working)
{
    Command12[index]->setText(numberCaption(working.denominator));
    Label8[index + 2]->setText(numberCaption(working.numerator));
    if (index == 0) {
        HideSecondFractionSteps();
        ShowFirstFractionSteps();
    } else {
        HideFirstFractionSteps();
        ShowSecondFractionSteps();
    }
    for (int i = 2; i <= 3; ++i) {
        Command12[i]->setText(QString());
        Command12[i]->setBackColor(DesignColor::Green);
    }
    announce(Command12[index], caption(Label8[index + 2], Command12[index])); // the new working line
}

void GuidedSumSection::finishSumChange()
{
    EqualDenominators = Command12[0]->text() == Command12[1]->text();
    if (EqualDenominators)
        ShowResultFraction();
    else
        HideResultFraction();
    DrawSumPictures();
}

void GuidedSumSection::Command12_Click(int Index)
{
    if (Index < 0 || Index > 7)
        return;
    if (Index <= 1) {
        const WorkingFraction working { value(Label8[Index + 2]), value(Command12[Index]) };
        setWorkingFraction(Index, nextMultiple(working, value(Label8[Index]), value(Label9[Index])));
    } else if (changesResultNumerator(Index)) {
        const double numerator = value(Command12[2]) + resultStep(Index);
        Command12[2]->setText(numberCaption(numerator));
        // The sign is read from the stroke itself: hidden means the task is a subtraction.
        const bool sum = !Line1[16]->isHidden();
        const bool right = isResultNumeratorRight(numerator, value(Label8[2]), value(Label8[3]), sum);
        Command12[2]->setBackColor(right ? DesignColor::Blue : DesignColor::Red);
        if (Command12[3]->text().isEmpty())
            announce(Command12[2], Command12[2]->text()); // with both terms set, the result is said below
    } else {
        const double denominator = value(Command12[3]) + resultStep(Index);
        Command12[3]->setText(numberCaption(denominator));
        const bool right = isResultDenominatorRight(denominator, value(Command12[0]));
        Command12[3]->setBackColor(right ? DesignColor::Blue : DesignColor::Red);
        if (Command12[2]->text().isEmpty())
            announce(Command12[3], Command12[3]->text());
    }

    finishSumChange();
    const bool right = Command12[2]->backColor() == DesignColor::Blue && Command12[3]->backColor() == DesignColor::Blue;
    // The result is judged once both of its terms are set.
    if (Index >= 2 && !Command12[2]->text().isEmpty() && !Command12[3]->text().isEmpty()) {
        m_voice.say(m_voice.fraction(value(Command12[2]), value(Command12[3])), caption(Command12[2], Command12[3]));
        m_voice.sayVerdict(right, markedWrong(Command12[2]->window()));
    }
    if (right)
        showMessage(Command12[2]->window(), m_texts.CheckTexts[0]);
}

void GuidedSumSection::Command13_Click(int Index)
{
    if (Index < 0 || Index > 1)
        return;
    const WorkingFraction working { value(Label8[Index + 2]), value(Command12[Index]) };
    if (const auto back = previousMultiple(working, value(Label8[Index]), value(Label9[Index])))
        setWorkingFraction(Index, *back);
    finishSumChange();
}

} // namespace maroleta
