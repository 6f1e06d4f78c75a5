// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The second fraction of the graphic screen, which sections 0 to 3 all show: its editor Frame3 (Label2 over
// the bar Line1(1), with Command4 and Command5) and its picture Picture2. The amplifying and simplifying
// screens show their results in it, and the guided sum draws its two circles into the same picture.
#pragma once

#include "learn/learncontrols.h"
#include "logic/guidedsum.h"
#include "logic/layout.h"
#include "widgets/voice.h"

#include <QObject>

#include <optional>

namespace maroleta {

class SecondFraction : public QObject {
    Q_OBJECT
public:
    // Built into the main window `window`. While `sumSection` is shown the picture holds the guided sum.
    SecondFraction(QWidget* window, const QWidget* sumSection, Voice& voice);

    // Shows the fraction with these captions and draws it.
    void showFraction(const QString& numerator, const QString& denominator);
    // Says the fraction shown, in words.
    void sayFraction();
    void DrawSecondFraction();
    // Draws the guided sum's two circles, which replace the fraction in the picture until it is drawn again.
    void drawSumPictures(const SumCircle& a, const SumCircle& b, bool equalDenominators);

    // Where the layout puts the picture and the editor; both stay hidden until a section shows them.
    void arrange(const LayoutResult& layout);
    // The picture is shown by sections 0 to 3, the editor by sections 0 to 2.
    void setShown(bool picture, bool editor);
    PictureBox* picture() const { return Picture2; }
    Frame* editor() const { return Frame3; }

Q_SIGNALS:
    // The new denominator, after each change made with the denominator's buttons.
    void denominatorChanged(double denominator);

private:
    // Index 0 is "+", Index 1 is "--".
    void Command4_Click(int Index);
    void Command5_Click(int Index);

    const QWidget* m_sumSection;
    Voice& m_voice;
    PictureBox* Picture2 = nullptr;
    Frame* Frame3 = nullptr;
    std::array<Label*, 2> Label2 {};
    std::array<CommandButton*, 2> Command4 {};
    std::array<CommandButton*, 2> Command5 {};
    LineShape* bar = nullptr;
    // Full circles of the last drawing with numerator > denominator; they limit the editing buttons.
    qint16 SecondWholeCircles = 0;
    // What the picture holds when it shows the fraction: its terms and the picture's size. Navigation
    // redraws the fraction on every click; a redraw of the very same picture is skipped.
    struct DrawnFraction {
        double numerator = 0;
        double denominator = 0;
        QSize size;
        bool operator==(const DrawnFraction&) const = default;
    };
    std::optional<DrawnFraction> SecondDrawn;
};

} // namespace maroleta
