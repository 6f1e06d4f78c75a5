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

    // Runs when the window is loaded: its title from tusresultados.txt.
    void Form_Load();

    ListBox* List1 = nullptr;

private:
    Form1* m_main;
};

} // namespace maroleta
