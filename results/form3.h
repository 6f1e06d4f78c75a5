// Form3, the results window: the list of exercises finished in this run.
#pragma once

#include "shell/controls.h"

#include <QWidget>

namespace maroleta {

class Form1;

class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(Form1* main);

    // The designed client area, in twips.
    static constexpr QSize designSize { 9720, 5940 };

    // Runs when the window is loaded: its title from tusresultados.txt, its place over the section area.
    void Form_Load();

    // The log: one line for every exercise finished in this run, oldest first.
    ListBox* List1 = nullptr;

protected:
    // The close box only hides the window: the lines written so far stay for the next "HISTORIAL".
    void closeEvent(QCloseEvent* event) override;

private:
    Form1* m_main;
};

} // namespace maroleta
