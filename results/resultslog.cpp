// The results log: one line for every exercise finished in this run, kept in the results window's list.
#include "results/form3.h"
#include "shell/form1.h"

namespace maroleta {

Form3* Form1::results()
{
    // Loaded on first use, shown or not, so lines can be written before "HISTORIAL" was ever pressed.
    if (!m_results)
        m_results = std::make_unique<Form3>(this);
    return m_results.get();
}

void Form1::WriteResultLine(const QString& line)
{
    // The window is never unloaded, so the end of the list is always position ResultCount.
    results()->List1->addItem(line);
    ++ResultCount;
}

void Form1::Command20_Click()
{
    Form3* window = results();
    // Shown again if it was closed, brought back if it was minimised, and brought forward in any case.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace maroleta
