// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The second fraction of the graphic screen and its picture.
#include "learn/secondfraction.h"

#include "logic/captions.h"
#include "logic/fractiondrawing.h"
#include "logic/picturewords.h"
#include "widgets/accessibility.h"

#include <algorithm>

namespace maroleta {

SecondFraction::SecondFraction(QWidget* window, const QWidget* sumSection, Voice& voice)
    : m_sumSection(sumSection)
    , m_voice(voice)
{
    // What screen readers are told this section's controls are.
    addControlNames(window,
        {
            { QStringLiteral("Picture2"), fixedName("Dibujo de la segunda fracción") },
            { QStringLiteral("Frame3"), fixedName("Segunda fracción") },
            { QStringLiteral("Label2"),
                [](int i) { return termWord(i) + QString::fromUtf8(" de la segunda fracción"); } },
            { QStringLiteral("Command4"), stepsOf("numerador de la segunda fracción") },
            { QStringLiteral("Command5"), stepsOf("denominador de la segunda fracción") },
        });
    Picture2 = makeControl<PictureBox>(window, QStringLiteral("Picture2"));
    Frame3 = makeControl<Frame>(window, QStringLiteral("Frame3"), QRect(0, 0, 1815, 2295));
    const FractionEditor editor = makeFractionEditor(
        Frame3, { "Label2", 240, 855, 1, "Command4", "Command5", "--" }, [this](int i) { Command4_Click(i); },
        [this](int i) { Command5_Click(i); });
    Label2 = editor.terms;
    Command4 = editor.numeratorButtons;
    Command5 = editor.denominatorButtons;
    bar = editor.bar;
}

void SecondFraction::showFraction(const QString& numerator, const QString& denominator)
{
    Label2[0]->setText(numerator);
    Label2[1]->setText(denominator);
    DrawSecondFraction();
}

void SecondFraction::sayFraction()
{
    m_voice.say(m_voice.fraction(captionValue(Label2[0]->text()), captionValue(Label2[1]->text())),
        caption(Label2[0], Label2[1]));
}

void SecondFraction::DrawSecondFraction()
{
    // While the guided sum is shown the picture holds its circles, drawn right after; the fraction is
    // drawn again when a section that shows it comes back (the sum's drawing forgets SecondDrawn).
    if (!m_sumSection->isHidden())
        return;
    QImage& image = Picture2->image();
    const DrawnFraction fraction { captionValue(Label2[0]->text()), captionValue(Label2[1]->text()), image.size() };
    // The same fraction on a picture of the same size: every pixel would come out as it is, and
    // SecondWholeCircles and the picture's description already hold what that drawing gave.
    if (SecondDrawn == fraction)
        return;
    Canvas canvas(image);
    const auto whole = drawFraction(canvas, fraction.numerator, fraction.denominator);
    if (whole)
        SecondWholeCircles = qint16(std::min<qint64>(*whole, 32767));
    SecondDrawn = fraction;
    Picture2->setAccessibleDescription(fractionPictureText(fraction.numerator, fraction.denominator,
        fractionCircles(canvas.scaleWidth(), canvas.scaleHeight(), fraction.numerator, fraction.denominator)));
    Picture2->refresh();
}

void SecondFraction::drawSumPictures(const SumCircle& a, const SumCircle& b, bool equalDenominators)
{
    drawSumCircles(Picture2->image(), a, b);
    Picture2->setAccessibleDescription(
        sumPictureText(a.numerator, a.denominator, b.numerator, b.denominator, equalDenominators));
    SecondDrawn.reset(); // the picture no longer shows the fraction
    Picture2->refresh();
}

void SecondFraction::arrange(const LayoutResult& layout)
{
    Frame3->setBackColor(DesignColor::DarkCyan);
    Frame3->hide();
    Picture2->hide();
    setTwipsGeometry(Picture2, layout.picture2);
    setTwipsPosition(Frame3, layout.frame3);
}

void SecondFraction::setShown(bool picture, bool editor)
{
    Picture2->setVisible(picture);
    Frame3->setVisible(editor);
}

void SecondFraction::Command4_Click(int Index)
{
    if (Index == 0 && SecondWholeCircles < kMostWholeCircles)
        addToCaption(Label2[0], 1);
    else if (Index == 1 && captionValue(Label2[0]->text()) >= 1)
        addToCaption(Label2[0], -1);
    DrawSecondFraction();
    sayFraction();
}

void SecondFraction::Command5_Click(int Index)
{
    const double denominator = captionValue(Label2[1]->text());
    bool changed = false;
    if (Index == 0 && denominator < kLargestDenominator) {
        addToCaption(Label2[1], 1);
        changed = true;
    } else if (Index == 1 && SecondWholeCircles < kMostWholeCircles && denominator >= 3) {
        addToCaption(Label2[1], -1);
        changed = true;
    }
    if (changed)
        Q_EMIT denominatorChanged(captionValue(Label2[1]->text()));
    DrawSecondFraction();
    sayFraction();
}

} // namespace maroleta
