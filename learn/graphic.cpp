// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 0: two fractions drawn as circles cut into sectors, edited with buttons and by clicking sectors.
#include "learn/graphic.h"

#include "logic/captions.h"
#include "logic/fractiondrawing.h"
#include "logic/picturewords.h"
#include "logic/readertexts.h"
#include "widgets/accessibility.h"
#include "widgets/announce.h"

#include <QGuiApplication>

#include <algorithm>

namespace maroleta {

namespace {
    int mouseButtonNumber(Qt::MouseButton button)
    {
        switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
        }
    }

    int shiftNumber(Qt::KeyboardModifiers modifiers)
    {
        return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
            | (modifiers & Qt::AltModifier ? 4 : 0);
    }
}

GraphicSection::GraphicSection(QWidget* window, Voice& voice)
    : m_voice(voice)
{
    // What screen readers are told this section's controls are.
    addControlNames(window,
        {
            { QStringLiteral("Picture1"), fixedName("Dibujo de la primera fracción") },
            { QStringLiteral("Frame2"), fixedName("Primera fracción") },
            { QStringLiteral("Label1"),
                [](int i) { return termWord(i) + QString::fromUtf8(" de la primera fracción"); } },
            { QStringLiteral("Command2"), stepsOf("numerador de la primera fracción") },
            { QStringLiteral("Command3"), stepsOf("denominador de la primera fracción") },
        });
    // Section 0 has no inner frame: it shows the two pictures and the editors Frame2 and Frame3.
    Picture1 = makeControl<PictureBox>(window, QStringLiteral("Picture1"));
    Frame2 = makeControl<Frame>(window, QStringLiteral("Frame2"), QRect(0, 0, 1815, 2295));
    const FractionEditor editor = makeFractionEditor(
        Frame2, { "Label1", 480, 615, 0, "Command2", "Command3", "-" }, [this](int i) { Command2_Click(i); },
        [this](int i) { Command3_Click(i); });
    Label1 = editor.terms;
    Command2 = editor.numeratorButtons;
    Command3 = editor.denominatorButtons;
    bar = editor.bar;
    connect(Picture1, &PictureBox::mouseDown, this, [this](Qt::MouseButton button, QPoint position) {
        Picture1_Mousedown(
            mouseButtonNumber(button), shiftNumber(QGuiApplication::keyboardModifiers()), position.x(), position.y());
    });
    connect(Picture1, &PictureBox::spotChosen, this, [this] { announce(Picture1, chosenSector()); });
}

void GraphicSection::arrange(const LayoutResult& layout)
{
    Frame2->setBackColor(DesignColor::DarkCyan);
    Frame2->hide();
    Picture1->hide();
    setTwipsGeometry(Picture1, layout.picture1);
    setTwipsPosition(Frame2, layout.frame2);
}

void GraphicSection::setShown(bool shown)
{
    Picture1->setVisible(shown);
    Frame2->setVisible(shown);
}

void GraphicSection::DrawFirstFraction()
{
    Canvas canvas(Picture1->image());
    const double numerator = captionValue(Label1[0]->text());
    const double denominator = captionValue(Label1[1]->text());
    const auto whole = drawFraction(canvas, numerator, denominator);
    if (whole)
        FirstWholeCircles = double(*whole);
    // The keyboard presses the sectors where this drawing put them, until the next drawing.
    const double width = canvas.scaleWidth();
    const double height = canvas.scaleHeight();
    Picture1->setKeyboardSpots(sectorSpots(width, height, numerator, denominator));
    FirstPictureCircles = fractionCircles(width, height, numerator, denominator);
    describeFirstPicture();
    Picture1->refresh();
}

void GraphicSection::describeFirstPicture()
{
    Picture1->setAccessibleDescription(
        fractionPictureText(captionValue(Label1[0]->text()), captionValue(Label1[1]->text()), FirstPictureCircles));
}

void GraphicSection::Command2_Click(int Index)
{
    if (Index == 0 && FirstWholeCircles < kMostWholeCircles)
        addToCaption(Label1[0], 1);
    else if (Index == 1 && captionValue(Label1[0]->text()) >= 1)
        addToCaption(Label1[0], -1);
    DrawFirstFraction();
    sayFirstFraction();
}

void GraphicSection::Command3_Click(int Index)
{
    const double denominator = captionValue(Label1[1]->text());
    if (Index == 0 && denominator < kLargestDenominator)
        addToCaption(Label1[1], 1);
    else if (Index == 1 && FirstWholeCircles < kMostWholeCircles && denominator >= 3)
        addToCaption(Label1[1], -1);
    DrawFirstFraction();
    sayFirstFraction();
}

void GraphicSection::Picture1_Mousedown(int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Shift);
    if (Button != 1)
        return;
    // A blue sector turns white and a white one blue; the numerator follows, the picture is not redrawn.
    Canvas canvas(Picture1->image());
    const int change = toggleSector(canvas, X, Y);
    if (change == 0)
        return;
    addToCaption(Label1[0], change);
    describeFirstPicture();
    Picture1->refresh();
    if (Picture1->hasFocus())
        announce(Picture1, chosenSector()); // what the keyboard's press changed
    sayFirstFraction();
}

void GraphicSection::sayFirstFraction()
{
    m_voice.say(m_voice.fraction(captionValue(Label1[0]->text()), captionValue(Label1[1]->text())),
        caption(Label1[0], Label1[1]));
}

QString GraphicSection::chosenSector() const
{
    const int chosen = Picture1->chosenSpot();
    const std::vector<QPoint>& spots = Picture1->keyboardSpots();
    if (chosen < 0 || chosen >= int(spots.size()))
        return {};
    // Every circle has as many sectors as the denominator: the spots run circle by circle.
    const qint64 sectors = std::max<qint64>(roundHalfEven(captionValue(Label1[1]->text())), 1);
    const bool painted = Picture1->image().pixel(spots[std::size_t(chosen)]) != qRgb(255, 255, 255);
    return readerTexts()
        .text(painted ? "partecoloreada" : "parteblanca",
            painted ? "Parte %1 de %2, coloreada" : "Parte %1 de %2, sin colorear")
        .arg(chosen % sectors + 1)
        .arg(sectors);
}

} // namespace maroleta
