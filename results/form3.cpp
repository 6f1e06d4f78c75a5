// Form3, the results window.
#include "results/form3.h"

#include "logic/languagefiles.h"
#include "shell/form1.h"

namespace maroleta {

Form3::Form3(Form1* main)
    : QWidget(nullptr, Qt::Window)
    , m_main(main)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("TUS RESULTADOS"));
    List1 = makeControl<ListBox>(this, QStringLiteral("List1"), QRect(240, 240, 9255, 5460));
    Form_Load();
}

void Form3::Form_Load()
{
    const QStringList title = readLanguageLines(languageFile(QStringLiteral("tusresultados.txt")), 1);
    if (!title.isEmpty())
        setWindowTitle(title.first());
}

} // namespace maroleta
