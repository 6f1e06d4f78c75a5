// Form2, the number-entry keypad.
#include "keypad/form2.h"

#include "logic/languagefiles.h"
#include "shell/form1.h"

namespace maroleta {

Form2::Form2(Form1* main)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_main(main)
{
    setObjectName(QStringLiteral("Form2"));
    Command3 = makeControl<CommandButton>(this, QStringLiteral("Command3"), QRect(2880, 3240, 1575, 615));
    Command3->setText(QStringLiteral("BORRAR"));
    Form_Load();
}

void Form2::Form_Load()
{
    const QStringList erase = readLanguageLines(languageFile(QStringLiteral("borrar.txt")), 1);
    if (!erase.isEmpty())
        Command3->setText(erase.first());
}

} // namespace maroleta
