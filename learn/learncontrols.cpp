// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Controls the learning screens build alike.
#include "learn/learncontrols.h"

#include "logic/captions.h"

namespace maroleta {

bool stepBaseTerm(Label* term, int index, double smallest)
{
    const double value = captionValue(term->text());
    const double next = index == 0 ? value + 1 : value - 1;
    if ((index != 0 && index != 1) || next > kLargestBaseTerm || next < smallest)
        return false;
    term->setText(numberCaption(next));
    return true;
}

void addToCaption(Label* label, double step) { label->setText(numberCaption(captionValue(label->text()) + step)); }

FractionEditor makeFractionEditor(Frame* frame, const EditorNames& names, const std::function<void(int)>& onNumerator,
    const std::function<void(int)>& onDenominator)
{
    FractionEditor editor;
    editor.terms[0] = makeNumberLabel(frame, arrayName(QString::fromLatin1(names.terms), 0),
        QRect(names.termLeft, 600, names.termWidth, 495), QStringLiteral("1"));
    editor.terms[1] = makeNumberLabel(frame, arrayName(QString::fromLatin1(names.terms), 1),
        QRect(names.termLeft, 1320, names.termWidth, 495), QStringLiteral("2"));
    editor.bar = makeStroke(frame, arrayName(QStringLiteral("Line1"), names.bar), QLine(240, 1200, 1320, 1200));

    const int tops[] = { 360, 720, 1320, 1680 };
    const QString captions[] = { QStringLiteral("+"), QStringLiteral("--"), QStringLiteral("+"),
        QString::fromLatin1(names.denominatorMinus) };
    for (int i = 0; i < 4; ++i) {
        const int index = i % 2;
        const bool numerator = i < 2;
        const QString name
            = arrayName(QString::fromLatin1(numerator ? names.numeratorButtons : names.denominatorButtons), index);
        const auto& handler = numerator ? onNumerator : onDenominator;
        auto* button = makeButton(
            frame, name, QRect(1200, tops[i], 495, 375), captions[i], [handler, index] { handler(index); });
        (numerator ? editor.numeratorButtons : editor.denominatorButtons)[std::size_t(index)] = button;
    }
    return editor;
}

} // namespace maroleta
