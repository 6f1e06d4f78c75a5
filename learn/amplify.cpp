// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 1: amplifying a fraction by a factor k/k.
#include "learn/amplify.h"

#include "logic/captions.h"
#include "widgets/accessibility.h"

#include <algorithm>

namespace maroleta {

namespace {
    struct NumberPlace {
        int left;
        int width;
    };
    // Left and width of each fraction of the working line: base, factor, products written out, result;
    // the written-out denominator is narrower than its numerator.
    constexpr NumberPlace numeratorPlaces[] = { { 120, 855 }, { 2040, 855 }, { 3840, 1815 }, { 6480, 975 } };
    constexpr NumberPlace denominatorPlaces[] = { { 120, 855 }, { 2040, 855 }, { 3960, 1575 }, { 6480, 975 } };
    constexpr const char* numeratorCaptions[] = { "1", "1", "1", "1" };
    constexpr const char* denominatorCaptions[] = { "2", "1", "1", "1" };
    // The bars Line1(2..5), each at Y 1320.
    constexpr int barEnds[][2] = { { 240, 1320 }, { 1920, 3000 }, { 3840, 5640 }, { 6480, 7440 } };
    // × and the two equals signs.
    constexpr int signStrokes[][4] = {
        { 1440, 1080, 1800, 1440 },
        { 1800, 1080, 1440, 1440 },
        { 3240, 1200, 3600, 1200 },
        { 3240, 1440, 3600, 1440 },
        { 5880, 1200, 6240, 1200 },
        { 5880, 1440, 6240, 1440 },
    };

    void colourAsText(Label* label) { label->setForeColor(DesignColor::SystemHighlightText); }
    void colourAsText(LineShape* stroke) { stroke->setBorderColor(DesignColor::SystemHighlightText); }
}

AmplifySection::AmplifySection(Frame* frame, SecondFraction& second, Voice& voice)
    : m_second(second)
    , m_voice(voice)
{
    // What screen readers are told this section's controls are.
    addControlNames(frame->window(),
        {
            { QStringLiteral("Label4"),
                termsOf(true,
                    { QString::fromUtf8("de la fracción que se amplifica"), QString::fromUtf8("del factor"),
                        QString::fromUtf8("de la multiplicación"), QString::fromUtf8("de la fracción amplificada") }) },
            { QStringLiteral("Label5"),
                termsOf(false,
                    { QString::fromUtf8("de la fracción que se amplifica"), QString::fromUtf8("del factor"),
                        QString::fromUtf8("de la multiplicación"), QString::fromUtf8("de la fracción amplificada") }) },
            { QStringLiteral("Command6"),
                [](int i) { return QString::fromUtf8("Multiplicar numerador y denominador por %1").arg(i + 1); } },
            { QStringLiteral("Command7"), stepsOf("numerador de la fracción que se amplifica") },
            { QStringLiteral("Command8"), stepsOf("denominador de la fracción que se amplifica") },
        });
    Frame* Frame4 = makeInnerFrame(frame, 1, QStringLiteral("Frame4"));
    for (int i = 0; i < 4; ++i) {
        Label4[i] = makeNumberLabel(Frame4, arrayName(QStringLiteral("Label4"), i),
            QRect(numeratorPlaces[i].left, 720, numeratorPlaces[i].width, 495),
            QString::fromLatin1(numeratorCaptions[i]));
        Label5[i] = makeNumberLabel(Frame4, arrayName(QStringLiteral("Label5"), i),
            QRect(denominatorPlaces[i].left, 1440, denominatorPlaces[i].width, 495),
            QString::fromLatin1(denominatorCaptions[i]));
        colourAsText(Label4[i]);
        colourAsText(Label5[i]);
        const int bar = 2 + i;
        Line1[bar] = makeStroke(
            Frame4, arrayName(QStringLiteral("Line1"), bar), QLine(barEnds[i][0], 1320, barEnds[i][1], 1320));
        colourAsText(Line1[bar]);
    }
    for (int i = 0; i < 6; ++i) {
        const auto& s = signStrokes[i];
        Line2[i] = makeStroke(Frame4, arrayName(QStringLiteral("Line2"), i), QLine(s[0], s[1], s[2], s[3]));
        colourAsText(Line2[i]);
    }
    for (int i = 0; i < 10; ++i) {
        Command6[i] = makeButton(Frame4, arrayName(QStringLiteral("Command6"), i), QRect(480 + 720 * i, 240, 615, 375),
            QStringLiteral("X %1").arg(i + 1), [this, i] { Command6_Click(i); });
        Command6[i]->setFont(designFont(QStringLiteral("Arial"), 12, true));
    }
    for (int i = 0; i < 2; ++i) {
        const QString caption = i == 0 ? QStringLiteral("+") : QStringLiteral("--");
        Command7[i] = makeButton(Frame4, arrayName(QStringLiteral("Command7"), i), QRect(840, 720 + 240 * i, 375, 255),
            caption, [this, i] { Command7_Click(i); });
        Command8[i] = makeButton(Frame4, arrayName(QStringLiteral("Command8"), i), QRect(840, 1440 + 240 * i, 375, 255),
            caption, [this, i] { Command8_Click(i); });
    }
}

void AmplifySection::ShowAmplification()
{
    const QString k = numberCaption(AmplifyIndex + 1);
    const double factor = AmplifyIndex + 1;
    Label4[1]->setText(k);
    Label5[1]->setText(k);
    Label4[2]->setText(Label4[0]->text() + QStringLiteral(" X ") + k);
    Label5[2]->setText(Label5[0]->text() + QStringLiteral(" X ") + k);
    Label4[3]->setText(numberCaption(captionValue(Label4[0]->text()) * factor));
    Label5[3]->setText(numberCaption(captionValue(Label5[0]->text()) * factor));
    // The result becomes the second fraction of the graphic representation.
    m_second.showFraction(Label4[3]->text(), Label5[3]->text());
}

void AmplifySection::sayResult()
{
    m_voice.say(m_voice.fraction(captionValue(Label4[3]->text()), captionValue(Label5[3]->text())),
        caption(Label4[3], Label5[3]));
}

void AmplifySection::setBaseDenominator(double denominator)
{
    // The second fraction may be an amplified one (up to 2000), so the base keeps its own range 2..200:
    // copied as it is, a base of 1999 amplified by 10 would come back there as 19990, and every round
    // trip would multiply the sectors to draw until a redraw took seconds.
    Label5[0]->setText(numberCaption(std::clamp(denominator, kSmallestBaseDenominator, kLargestBaseTerm)));
}

void AmplifySection::Command6_Click(int Index)
{
    if (Index < 0 || Index > 9)
        return;
    AmplifyIndex = qint16(Index);
    ShowAmplification();
    sayResult();
}

void AmplifySection::Command7_Click(int Index)
{
    if (stepBaseTerm(Label4[0], Index, 0))
        ShowAmplification();
    sayResult();
    Q_EMIT baseChanged();
}

void AmplifySection::Command8_Click(int Index)
{
    if (stepBaseTerm(Label5[0], Index, kSmallestBaseDenominator))
        ShowAmplification();
    sayResult();
    Q_EMIT baseChanged();
}

} // namespace maroleta
