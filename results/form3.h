// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Form3, the results window: the list of exercises finished in this run.
#pragma once

#include "widgets/controls.h"

#include <QWidget>

namespace maroleta {

class Form3 : public QWidget {
    Q_OBJECT
public:
    // `sectionArea`: the control whose place (in twips) the window opens over, taken as a place on the screen.
    explicit Form3(const QWidget* sectionArea);

    // The designed client area, in twips.
    static constexpr QSize designSize { 9720, 5940 };

    // The log: one line for every exercise finished in this run, oldest first.
    ListBox* List1 = nullptr;

protected:
    // The close box only hides the window: the lines written so far stay for the next "HISTORIAL".
    void closeEvent(QCloseEvent* event) override;
    // A screen reader says the window's title as it becomes active, and then, here, its newest line.
    void changeEvent(QEvent* event) override;

private:
    // Runs when the window is loaded: its title from tusresultados.txt, its place over the section area.
    void Form_Load();

    const QWidget* m_sectionArea;
};

} // namespace maroleta
