// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 6: multiplying and dividing two fractions.
#include "practice/muldivpractice.h"

#include "logic/captions.h"
#include "logic/muldivexercise.h"
#include "widgets/accessibility.h"
#include "widgets/announce.h"

#include <QPainter>

namespace maroleta {

namespace {
    // Bars, "=", the answer's bar, the two strokes of the cross and the two dots of ":", by index of Line6.
    constexpr int strokes[9][4] = {
        { 240, 2280, 1560, 2280 },
        { 2520, 2280, 3840, 2280 },
        { 4080, 2400, 4560, 2400 },
        { 4080, 2160, 4560, 2160 },
        { 4920, 2280, 6480, 2280 },
        { 1800, 2040, 2280, 2520 },
        { 1800, 2520, 2280, 2040 },
        { 2040, 2040, 2055, 2055 },
        { 2040, 2520, 2055, 2535 },
    };

    // A stroke drawn with round ends: a very short thick stroke then reads as a dot, as the ":" needs.
    class DotShape : public LineShape {
    public:
        using LineShape::LineShape;

    protected:
        void paintEvent(QPaintEvent*) override
        {
            const Twips& t = screenTwips();
            const QPoint origin = geometry().topLeft();
            const QLine line = twipsLine();
            const QPoint p1 = QPoint(t.toPixels(line.x1()), t.toPixels(line.y1())) - origin;
            const QPoint p2 = QPoint(t.toPixels(line.x2()), t.toPixels(line.y2())) - origin;
            QPainter painter(this);
            painter.setPen(QPen(designColor(borderColor()), borderWidth(), Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(p1, p2);
        }
    };

    struct AdjusterPlace {
        QRect twips;
        const char* caption;
    };
    const AdjusterPlace adjusters[6] = {
        { QRect(5160, 1440, 1215, 735), "1" },
        { QRect(5160, 840, 615, 495), "+5" },
        { QRect(5760, 840, 615, 495), "-1" },
        { QRect(5160, 2400, 1215, 735), "1" },
        { QRect(5160, 3240, 615, 495), "+5" },
        { QRect(5760, 3240, 615, 495), "-1" },
    };

    MulDivOperation operationOf(const std::array<OptionButton*, 2>& options)
    {
        return options[0]->isChecked() ? MulDivOperation::Multiply : MulDivOperation::Divide;
    }
}

MulDivSection::MulDivSection(
    Frame* frame, Random& random, const LanguageTexts& texts, ResultsLog& results, Voice& voice)
    : PracticeSection(random, texts, results, voice)
{
    // What screen readers are told this section's controls are.
    addControlNames(frame->window(),
        {
            { QStringLiteral("Option1"),
                [](int i) {
                    return i == 0 ? QString::fromUtf8("Multiplicación de fracciones")
                                  : QString::fromUtf8("División de fracciones");
                } },
            { QStringLiteral("Label15"), [](int i) { return QString::fromUtf8("Numerador de ") + fractionWords(i); } },
            { QStringLiteral("Label16"),
                [](int i) { return QString::fromUtf8("Denominador de ") + fractionWords(i); } },
            { QStringLiteral("Command18"),
                [](int i) {
                    const QString what = i < 3 ? QString::fromUtf8("numerador del resultado")
                                               : QString::fromUtf8("denominador del resultado");
                    static const char* const steps[] = { "", "Sumar 5 al ", "Restar 1 al " };
                    if (i % 3 == 0)
                        return what.left(1).toUpper() + what.mid(1) + QString::fromUtf8(": sumar 1");
                    return QString::fromUtf8(steps[i % 3]) + what;
                } },
            { QStringLiteral("Command19"), fixedName("Comprobar la operación") },
        });
    Frame* Frame8 = makeInnerFrame(frame, 6, QStringLiteral("Frame8"));
    Option1[0] = makeControl<OptionButton>(Frame8, QStringLiteral("Option1(0)"), QRect(360, 360, 4575, 375));
    Option1[0]->setText(QString::fromUtf8("Multiplicación de fracciones"));
    Option1[0]->setChecked(true);
    Option1[1] = makeControl<OptionButton>(Frame8, QStringLiteral("Option1(1)"), QRect(360, 840, 4575, 375));
    Option1[1]->setText(QString::fromUtf8("División de fracciones"));
    for (int i = 0; i < 2; ++i) {
        Option1[i]->setBackColor(DesignColor::DarkCyan); // filled as the section around them
        // Whether chosen by mouse or by the arrow keys, the newly chosen operation reports its choice.
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                Option1_Click(i);
        });
    }

    Label15[0] = makeNumberLabel(Frame8, QStringLiteral("Label15(0)"), QRect(480, 1680, 975, 495));
    Label16[0] = makeNumberLabel(Frame8, QStringLiteral("Label16(0)"), QRect(600, 2400, 735, 495));
    Label15[1] = makeNumberLabel(Frame8, QStringLiteral("Label15(1)"), QRect(2760, 1680, 975, 495));
    Label16[1] = makeNumberLabel(Frame8, QStringLiteral("Label16(1)"), QRect(2880, 2400, 735, 495));

    for (int i = 0; i < 6; ++i) {
        Command18[i]
            = makeControl<CommandButton>(Frame8, arrayName(QStringLiteral("Command18"), i), adjusters[i].twips);
        Command18[i]->setFont(designFont(QStringLiteral("Arial"), 18, true));
        Command18[i]->setText(QString::fromLatin1(adjusters[i].caption));
        connect(Command18[i], &QPushButton::clicked, this, [this, i] { Command18_Click(i); });
    }

    Command19 = makeControl<CommandButton>(Frame8, QStringLiteral("Command19"), QRect(600, 3120, 3255, 1215));
    Command19->setFont(designFont(QStringLiteral("Arial"), 18, true));
    Command19->setText(QStringLiteral("COMPROBAR"));
    connect(Command19, &QPushButton::clicked, this, &MulDivSection::Command19_Click);

    for (int i = 0; i < 9; ++i) {
        const bool dot = i >= 7;
        LineShape* stroke = dot ? new DotShape(Frame8) : new LineShape(Frame8);
        stroke->setObjectName(arrayName(QStringLiteral("Line6"), i));
        stroke->setBorderWidth(dot ? 9 : 3);
        stroke->setLine(strokes[i][0], strokes[i][1], strokes[i][2], strokes[i][3]);
        Line6[i] = stroke;
    }
    showMulDivSign();
}

void MulDivSection::showMulDivSign()
{
    const bool multiply = operationOf(Option1) == MulDivOperation::Multiply;
    for (int i = 5; i <= 6; ++i) {
        Line6[i]->setVisible(multiply);
        Line6[i + 2]->setVisible(!multiply);
    }
}

void MulDivSection::prepare()
{
    NewMulDivExercise();
    MistakeMade = false;
    sayExercise();
}

void MulDivSection::sayExercise()
{
    const bool multiply = operationOf(Option1) == MulDivOperation::Multiply;
    m_voice.say({ m_voice.fraction(captionValue(Label15[0]->text()), captionValue(Label16[0]->text())),
                    multiply ? m_voice.texts().times : m_voice.texts().dividedBy,
                    m_voice.fraction(captionValue(Label15[1]->text()), captionValue(Label16[1]->text())) },
        shownOperation(caption(Label15[0], Label16[0]), multiply ? 'x' : ':', caption(Label15[1], Label16[1])));
}

void MulDivSection::takeTexts(const LanguageTexts& texts)
{
    takeLine(Command19, texts.check, 0);
    takeLine(Option1[0], texts.choices, 0);
    takeLine(Option1[1], texts.choices, 1);
}

void MulDivSection::NewMulDivExercise()
{
    const MulDivExercise exercise = drawMulDivExercise(m_random);
    Label15[0]->setText(numberCaption(exercise.a));
    Label16[0]->setText(numberCaption(exercise.b));
    Label15[1]->setText(numberCaption(exercise.c));
    Label16[1]->setText(numberCaption(exercise.d));
    Command18[0]->setText(QString());
    Command18[3]->setText(QString());
    showMulDivSign();
    for (CommandButton* marked : { Command18[0], Command18[3], Command19 })
        marked->setBackColor(DesignColor::SystemButtonFace);
}

void MulDivSection::Option1_Click(int Index)
{
    if (Index < 0 || Index > 1)
        return;
    // The choice alone moves the sign; the exercise, the answer and its colours stay.
    showMulDivSign();
    sayExercise();
}

void MulDivSection::Command18_Click(int Index)
{
    if (Index < 0 || Index > 5)
        return;
    constexpr double steps[3] = { 1, 5, -1 };
    CommandButton* field = Index < 3 ? Command18[0] : Command18[3];
    field->setText(numberCaption(captionValue(field->text()) + steps[Index % 3]));
    announce(field, field->text());
    for (CommandButton* marked : { Command18[0], Command18[3], Command19 })
        marked->setBackColor(DesignColor::SystemButtonFace);
}

void MulDivSection::Command19_Click()
{
    const MulDivOperation operation = operationOf(Option1);
    const MulDivAnswer expected = expectedMulDiv(captionValue(Label15[0]->text()), captionValue(Label16[0]->text()),
        captionValue(Label15[1]->text()), captionValue(Label16[1]->text()), operation);

    const bool numeratorRight = captionValue(Command18[0]->text()) == expected.numerator;
    const bool denominatorRight = captionValue(Command18[3]->text()) == expected.denominator;
    Command18[0]->setBackColor(numeratorRight ? DesignColor::Green : DesignColor::Red);
    Command18[3]->setBackColor(denominatorRight ? DesignColor::Green : DesignColor::Red);
    judgeSayLog(numeratorRight && denominatorRight, Command19, DesignColor::Green, [&](const QString& closing) {
        MulDivLine line;
        line.a = Label15[0]->text();
        line.b = Label16[0]->text();
        line.c = Label15[1]->text();
        line.d = Label16[1]->text();
        line.operation = operation;
        line.x = Command18[0]->text();
        line.y = Command18[3]->text();
        line.closing = closing;
        return mulDivResultLine(line);
    });
}

} // namespace maroleta
