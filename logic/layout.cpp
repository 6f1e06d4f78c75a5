// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The arithmetic of the screen layout.
#include "logic/layout.h"

#include "logic/captions.h"

namespace maroleta {

std::array<QSize, 9> designInnerFrameSizes()
{
    return { QSize(), // section 0 uses the shared pictures only
        QSize(7815, 2295), // Frame4, amplifying
        QSize(7335, 2295), // Frame5, simplifying
        QSize(8055, 3255), // Frame6, guided sum
        QSize(9255, 2655), // Frame9, simplification practice
        QSize(9015, 5775), // Frame7, sum practice
        QSize(7095, 5055), // Frame8, multiplication and division practice
        QSize(6975, 4455), // Frame10, presentation
        QSize(6855, 5055) }; // Frame11, start screen
}

LayoutResult arrangeScreen(const LayoutInput& in)
{
    LayoutResult out;

    // All sections share one rectangle: 70 twips above the top menu button, 30 right of the menu column,
    // 80 from the screen's right edge and 1000 from its bottom.
    const int top = in.topMenuButtonTop - 70;
    const int left = in.menuLeft + in.menuWidth + 30;
    out.section = QRect(left, top, in.screen.width() - left - 80, in.screen.height() - top - 1000);
    const QRect& s = out.section;

    // The two pictures stacked in the left part, each leaving room for its side frame.
    const int pictureWidth = s.width() - 120 - in.sideFrameWidth - 20;
    const int pictureHeight = int(halveRounded(s.height())) - 200;
    out.picture1 = QRect(s.left() + 60, s.top() + 200, pictureWidth, pictureHeight);
    out.picture2 = QRect(s.left() + 60, s.top() + 200 + out.picture1.height() + 30, pictureWidth, pictureHeight);

    auto centredLeft = [&](int section) { return int(halveRounded(s.width() - in.innerFrame[section].width())); };
    auto centredTop = [&](int section) { return int(halveRounded(s.height() - in.innerFrame[section].height())); };
    auto upperHalfTop
        = [&](int section) { return int(halveRounded(halveRounded(s.height()) - in.innerFrame[section].height())); };

    out.innerFrame[7] = QPoint(centredLeft(7), centredTop(7));
    out.innerFrame[2] = QPoint(centredLeft(2), upperHalfTop(2));
    out.innerFrame[1] = QPoint(centredLeft(1), upperHalfTop(1));
    out.innerFrame[5] = QPoint(centredLeft(5), centredTop(5));
    out.innerFrame[6] = QPoint(centredLeft(6), centredTop(6));
    out.innerFrame[4] = QPoint(centredLeft(4), 200); // the keypad opens below it
    out.innerFrame[3] = QPoint(in.frame6Left, upperHalfTop(3));
    out.innerFrame[8] = QPoint(centredLeft(8), centredTop(8));

    out.frame2 = QPoint(out.picture1.left() + out.picture1.width() + 20, out.picture1.top());
    out.frame3 = QPoint(out.picture2.left() + out.picture2.width() + 20, out.picture2.top());
    return out;
}

} // namespace maroleta
