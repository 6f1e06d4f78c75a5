// Section 0: two fractions drawn as circles cut into sectors, edited with buttons and by clicking sectors.
#include "learn/learncontrols.h"
#include "logic/captions.h"
#include "logic/fractiondrawing.h"
#include "logic/picturewords.h"
#include "shell/form1.h"

#include <QGuiApplication>

#include <algorithm>

namespace maroleta {

namespace {
    // A full picture holds at most this many circles before the numerator "+" stops.
    constexpr double kMostWholeCircles = 16;
    constexpr double kLargestDenominator = 150;

    // The editor of one fraction inside its frame: numerator, bar, denominator and four buttons in a column.
    struct EditorNames {
        const char* labels;
        int labelLeft;
        int labelWidth;
        int bar;
        const char* numeratorButtons;
        const char* denominatorButtons;
        const char* denominatorMinus;
    };

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

    void addToCaption(Label* label, double step) { label->setText(numberCaption(captionValue(label->text()) + step)); }
}

void Form1::buildGraphicSection()
{
    // Section 0 has no inner frame: it shows the two shared pictures and the editors Frame2 and Frame3.
    const EditorNames editors[] = {
        { "Label1", 480, 615, 0, "Command2", "Command3", "-" },
        { "Label2", 240, 855, 1, "Command4", "Command5", "--" },
    };
    for (int e = 0; e < 2; ++e) {
        const EditorNames& names = editors[e];
        Frame* frame = e == 0 ? Frame2 : Frame3;
        auto& labels = e == 0 ? Label1 : Label2;
        auto& numeratorButtons = e == 0 ? Command2 : Command4;
        auto& denominatorButtons = e == 0 ? Command3 : Command5;
        labels[0] = makeNumberLabel(frame, arrayName(QString::fromLatin1(names.labels), 0), names.labelLeft, 600,
            names.labelWidth, QStringLiteral("1"));
        labels[1] = makeNumberLabel(frame, arrayName(QString::fromLatin1(names.labels), 1), names.labelLeft, 1320,
            names.labelWidth, QStringLiteral("2"));
        Line1[names.bar] = makeStroke(frame, arrayName(QStringLiteral("Line1"), names.bar), 240, 1200, 1320, 1200);

        const int tops[] = { 360, 720, 1320, 1680 };
        const QString captions[] = { QStringLiteral("+"), QStringLiteral("--"), QStringLiteral("+"),
            QString::fromLatin1(names.denominatorMinus) };
        for (int i = 0; i < 4; ++i) {
            const int index = i % 2;
            const bool numerator = i < 2;
            const QString name
                = arrayName(QString::fromLatin1(numerator ? names.numeratorButtons : names.denominatorButtons), index);
            auto handler = e == 0 ? (numerator ? &Form1::Command2_Click : &Form1::Command3_Click)
                                  : (numerator ? &Form1::Command4_Click : &Form1::Command5_Click);
            auto* button = makeButton(frame, name, QRect(1200, tops[i], 495, 375), captions[i],
                [this, handler, index] { (this->*handler)(index); });
            (numerator ? numeratorButtons : denominatorButtons)[index] = button;
        }
    }
    connect(Picture1, &PictureBox::mouseDown, this, [this](Qt::MouseButton button, QPoint position) {
        Picture1_Mousedown(
            mouseButtonNumber(button), shiftNumber(QGuiApplication::keyboardModifiers()), position.x(), position.y());
    });
}

void Form1::DrawFirstFraction()
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

void Form1::describeFirstPicture()
{
    Picture1->setAccessibleDescription(
        fractionPictureText(captionValue(Label1[0]->text()), captionValue(Label1[1]->text()), FirstPictureCircles));
}

void Form1::DrawSecondFraction()
{
    // While the guided sum is shown the picture holds its circles, drawn right after; the second fraction
    // is drawn again when a section that shows it comes back (the guided sum forgets it in SecondDrawn).
    if (!Frame1[3]->isHidden())
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

void Form1::Command2_Click(int Index)
{
    if (Index == 0 && FirstWholeCircles < kMostWholeCircles)
        addToCaption(Label1[0], 1);
    else if (Index == 1 && captionValue(Label1[0]->text()) >= 1)
        addToCaption(Label1[0], -1);
    DrawFirstFraction();
}

void Form1::Command3_Click(int Index)
{
    const double denominator = captionValue(Label1[1]->text());
    if (Index == 0 && denominator < kLargestDenominator)
        addToCaption(Label1[1], 1);
    else if (Index == 1 && FirstWholeCircles < kMostWholeCircles && denominator >= 3)
        addToCaption(Label1[1], -1);
    DrawFirstFraction();
}

void Form1::Command4_Click(int Index)
{
    if (Index == 0 && SecondWholeCircles < kMostWholeCircles)
        addToCaption(Label2[0], 1);
    else if (Index == 1 && captionValue(Label2[0]->text()) >= 1)
        addToCaption(Label2[0], -1);
    DrawSecondFraction();
}

void Form1::Command5_Click(int Index)
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
    // The amplifying screen's base denominator follows; its working line waits for its next recompute.
    // The second fraction may be an amplified one (up to 2000), so the base keeps its own range 2..200:
    // copied as it is, a base of 1999 amplified by 10 would come back here as 19990, and every round
    // trip would multiply the sectors to draw until a redraw took seconds.
    if (changed)
        Label5[0]->setText(
            numberCaption(std::clamp(captionValue(Label2[1]->text()), kSmallestBaseDenominator, kLargestBaseTerm)));
    DrawSecondFraction();
}

void Form1::Picture1_Mousedown(int Button, int Shift, double X, double Y)
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
}

} // namespace maroleta
