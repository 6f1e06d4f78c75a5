// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 0, the graphic representation: the first fraction drawn as circles cut into sectors, edited with
// its buttons (Frame2) and by clicking sectors of its picture (Picture1), beside the second fraction.
#pragma once

#include "learn/learncontrols.h"
#include "logic/layout.h"
#include "widgets/section.h"
#include "widgets/voice.h"

namespace maroleta {

class GraphicSection : public Section {
    Q_OBJECT
public:
    // The picture and the editor are built into the main window `window`, over the section frames.
    GraphicSection(QWidget* window, Voice& voice);

    void DrawFirstFraction();
    // Where the layout puts the picture and the editor; both stay hidden until the section is shown.
    void arrange(const LayoutResult& layout);
    void setShown(bool shown);
    PictureBox* picture() const { return Picture1; }
    Frame* editor() const { return Frame2; }

private:
    // The editing buttons: Index 0 is "+", Index 1 is "--".
    void Command2_Click(int Index);
    void Command3_Click(int Index);
    // A press on the picture: Button 1 left, 2 right, 4 middle; X and Y in pixels of the picture.
    void Picture1_Mousedown(int Button, int Shift, double X, double Y);
    // What the picture shows now, for screen readers.
    void describeFirstPicture();
    // The fraction in words, after each change the pupil makes.
    void sayFirstFraction();
    // The sector under the keyboard's ring and whether it is coloured: "Parte 2 de 4, coloreada".
    QString chosenSector() const;

    Voice& m_voice;

    PictureBox* Picture1 = nullptr;
    Frame* Frame2 = nullptr;
    std::array<Label*, 2> Label1 {};
    std::array<CommandButton*, 2> Command2 {};
    std::array<CommandButton*, 2> Command3 {};
    LineShape* bar = nullptr;
    // Full circles of the last drawing with numerator > denominator; they limit the editing buttons.
    double FirstWholeCircles = 0;
    // Circles on the picture since it was last drawn: clicks on sectors change its numerator alone.
    qint64 FirstPictureCircles = 1;
};

} // namespace maroleta
