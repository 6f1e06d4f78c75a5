// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 2: simplifying a fraction by a prime.
#include "learn/simplify.h"

#include "logic/captions.h"
#include "widgets/accessibility.h"

namespace maroleta {

namespace {
    // The prime of each button, fixed by its index, and where the button sits.
    struct PrimeButton {
        int prime;
        int left;
        int width;
    };
    constexpr PrimeButton primeButtons[] = {
        { 2, 1320, 615 },
        { 3, 2040, 615 },
        { 5, 2760, 615 },
        { 7, 3480, 615 },
        { 11, 4200, 735 },
        { 13, 5040, 735 },
        { 17, 5880, 735 },
    };

    // Line1(6..12): the base bar, the two working bars and the two equals signs.
    struct Stroke {
        int index;
        int x1;
        int y1;
        int x2;
        int y2;
    };
    constexpr Stroke strokes[] = {
        { 6, 120, 1440, 1560, 1440 },
        { 7, 2160, 1440, 4320, 1440 },
        { 8, 4920, 1440, 6360, 1440 },
        { 9, 1680, 1320, 2040, 1320 },
        { 10, 1680, 1560, 2040, 1560 },
        { 11, 4440, 1320, 4800, 1320 },
        { 12, 4440, 1560, 4800, 1560 },
    };
}

SimplifySection::SimplifySection(Frame* frame, SecondFraction& second, Voice& voice)
    : m_second(second)
    , m_voice(voice)
{
    // What screen readers are told this section's controls are.
    addControlNames(frame->window(),
        {
            { QStringLiteral("Label6"),
                termsOf(true,
                    { QString::fromUtf8("de la fracción que se simplifica"), QString::fromUtf8("de la división"),
                        QString::fromUtf8("de la fracción simplificada") }) },
            { QStringLiteral("Label7"),
                termsOf(false,
                    { QString::fromUtf8("de la fracción que se simplifica"), QString::fromUtf8("de la división"),
                        QString::fromUtf8("de la fracción simplificada") }) },
            { QStringLiteral("Command9"),
                [](int i) {
                    static const int primes[] = { 2, 3, 5, 7, 11, 13, 17 };
                    return QString::fromUtf8("Dividir numerador y denominador entre %1")
                        .arg(primes[std::clamp(i, 0, 6)]);
                } },
            { QStringLiteral("Command10"), stepsOf("numerador de la fracción que se simplifica") },
            { QStringLiteral("Command11"), stepsOf("denominador de la fracción que se simplifica") },
            { QStringLiteral("Label3"), fixedName("Aviso") },
        });
    Frame* Frame5 = makeInnerFrame(frame, 2, QStringLiteral("Frame5"));

    struct NumberPlace {
        int left;
        int width;
        const char* caption;
    };
    const NumberPlace numerators[] = { { 120, 855, "16" }, { 2280, 2055, "1" }, { 4920, 1455, "1" } };
    const NumberPlace denominators[] = { { 0, 1095, "32" }, { 2280, 2055, "1" }, { 4920, 1455, "1" } };
    for (int i = 0; i < 3; ++i) {
        Label6[i] = makeNumberLabel(Frame5, arrayName(QStringLiteral("Label6"), i),
            QRect(numerators[i].left, 840, numerators[i].width, 495), QString::fromLatin1(numerators[i].caption));
        Label7[i] = makeNumberLabel(Frame5, arrayName(QStringLiteral("Label7"), i),
            QRect(denominators[i].left, 1560, denominators[i].width, 495),
            QString::fromLatin1(denominators[i].caption));
        Label6[i]->setForeColor(DesignColor::SystemHighlightText);
        Label7[i]->setForeColor(DesignColor::SystemHighlightText);
    }
    for (const Stroke& s : strokes) {
        Line1[s.index] = makeStroke(Frame5, arrayName(QStringLiteral("Line1"), s.index), QLine(s.x1, s.y1, s.x2, s.y2));
        Line1[s.index]->setBorderColor(DesignColor::SystemHighlightText);
    }
    for (int i = 0; i < 7; ++i) {
        const PrimeButton& b = primeButtons[i];
        Command9[i] = makeButton(Frame5, arrayName(QStringLiteral("Command9"), i), QRect(b.left, 240, b.width, 375),
            QStringLiteral(": %1").arg(b.prime), [this, i] { Command9_Click(i); });
        Command9[i]->setFont(designFont(QStringLiteral("Arial"), 14.25, true));
    }
    for (int i = 0; i < 2; ++i) {
        const QString caption = i == 0 ? QStringLiteral("+") : QStringLiteral("--");
        Command10[i] = makeButton(Frame5, arrayName(QStringLiteral("Command10"), i),
            QRect(960, 840 + 240 * i, 375, 255), caption, [this, i] { Command10_Click(i); });
        Command11[i] = makeButton(Frame5, arrayName(QStringLiteral("Command11"), i),
            QRect(960, 1560 + 240 * i, 375, 255), caption, [this, i] { Command11_Click(i); });
    }

    Label3 = makeControl<Label>(Frame5, QStringLiteral("Label3(2)"), QRect(1920, 720, 5175, 1455));
    Label3->setFont(designFont(QStringLiteral("Arial"), 12, true));
    Label3->setForeColor(DesignColor::Red);
    Label3->setText(QStringLiteral("Texto no divisible"));
    Label3->hide();
    HideSimplifySteps(); // the working line appears with the first division
}

void SimplifySection::takeTexts(const LanguageTexts& texts) { takeLine(Label3, texts.explanations, 9); }

void SimplifySection::hideCannotDivide() { Label3->hide(); }

void SimplifySection::HideSimplifySteps()
{
    for (int i = 7; i <= 12; ++i)
        Line1[i]->hide();
    for (Label* label : { Label6[1], Label7[1], Label6[2], Label7[2] })
        label->hide();
}

void SimplifySection::ShowSimplifySteps()
{
    for (int i = 7; i <= 12; ++i)
        Line1[i]->show();
    for (Label* label : { Label6[1], Label7[1], Label6[2], Label7[2] })
        label->show();
}

void SimplifySection::Command9_Click(int Index)
{
    if (Index < 0 || Index > 6)
        return;
    const qint64 p = primeButtons[Index].prime;
    const qint64 a = roundHalfEven(captionValue(Label6[0]->text()));
    const qint64 b = roundHalfEven(captionValue(Label7[0]->text()));
    if (a % p != 0 || b % p != 0) {
        HideSimplifySteps();
        Label3->show();
        m_voice.say(Label3->text());
        return; // the second fraction keeps what it showed
    }
    ShowSimplifySteps();
    Label3->hide();
    const QString prime = numberCaption(double(p));
    Label6[1]->setText(Label6[0]->text() + QStringLiteral(" : ") + prime);
    Label7[1]->setText(Label7[0]->text() + QStringLiteral(" : ") + prime);
    Label6[2]->setText(numberCaption(double(a / p)));
    Label7[2]->setText(numberCaption(double(b / p)));
    m_second.showFraction(Label6[2]->text(), Label7[2]->text());
    m_second.sayFraction();
}

void SimplifySection::baseToSecondFraction()
{
    m_second.showFraction(Label6[0]->text(), Label7[0]->text());
    m_second.sayFraction();
}

void SimplifySection::Command10_Click(int Index)
{
    if (stepBaseTerm(Label6[0], Index, 0))
        HideSimplifySteps();
    baseToSecondFraction();
}

void SimplifySection::Command11_Click(int Index)
{
    if (stepBaseTerm(Label7[0], Index, kSmallestBaseDenominator))
        HideSimplifySteps();
    baseToSecondFraction();
}

} // namespace maroleta
