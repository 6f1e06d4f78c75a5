// Form2, the number-entry keypad of the simplification practice.
#pragma once

#include "shell/controls.h"

#include <QWidget>

namespace maroleta {

class Form1;

class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(Form1* main);

    // Runs when the keypad is first shown: the erase key's caption from borrar.txt.
    void Form_Load();

    CommandButton* Command3 = nullptr;

private:
    Form1* m_main;
};

} // namespace maroleta
