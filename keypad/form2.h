// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Form2, the number-entry keypad of the simplification practice: a small frameless window with a display,
// digit keys, step keys and an erase key. Every key copies the display into the answer field it edits.
#pragma once

#include "widgets/controls.h"

#include <QPointer>
#include <QWidget>

#include <array>

namespace maroleta {

class Form2 : public QWidget {
    Q_OBJECT
public:
    // It opens just below `answers` (the answer fields), inside `sectionArea`, both places in twips.
    Form2(const QWidget* sectionArea, const QWidget* answers);

    // Starts editing `field`: the keypad is shown, its display reads "0", and every key writes there.
    void edit(Label* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab moves through the keys in the order they stand; digits typed press the digit keys, and Escape
    // goes back to the answer field in the main window, the keypad staying where it is.
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Runs once, when the keypad is first needed: placement below the answer fields, display, key captions.
    void Form_Load();
    void Command1_Click(int Index);
    void Command2_Click(int Index);
    void Command3_Click();
    // A mouse move over the keypad's background, X and Y in twips of its client area: without a button it
    // takes the anchor, with one it moves the window so the point grabbed stays under the pointer.
    void Form_MouseMove(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, double X, double Y);
    // The display becomes `text` and the field being edited shows it too.
    void showNumber(const QString& text);
    // A key acts only while the field it writes into is open: shown in its step and not yet accepted.
    bool targetIsOpen() const;

    Label* Label1 = nullptr;
    ShapeOutline* Shape1 = nullptr;
    std::array<CommandButton*, 10> Command1 {};
    std::array<CommandButton*, 6> Command2 {};
    CommandButton* Command3 = nullptr;
    const QWidget* m_sectionArea;
    const QWidget* m_answers;
    QPointer<Label> m_field;
    QWidget* m_client = nullptr;
    float AnchorX = 0;
    qint16 AnchorY = 0;
};

} // namespace maroleta
