// The texts a translator changes, read from the language files beside the program.
#include "shell/form1.h"

#include "logic/languagefiles.h"

namespace maroleta {

namespace {
    // A control whose line is missing or unreadable keeps its built-in text.
    template <typename Control> void takeLine(Control* control, const QStringList& lines, int index)
    {
        if (control && index < lines.size())
            control->setText(lines[index]);
    }
}

void Form1::LoadLanguageTexts()
{
    const QStringList explanations = readLanguageLines(languageFile(QStringLiteral("explicacionmenu.txt")), 10);
    for (int i = 0; i < 9 && i < explanations.size(); ++i)
        MenuExplanations[i] = explanations[i];
    takeLine(Label3[2], explanations, 9);

    const QStringList menu = readLanguageLines(languageFile(QStringLiteral("menu.txt")), 13);
    for (int i = 0; i < 9; ++i)
        takeLine(Command1[i], menu, i);
    takeLine(Command20, menu, 9);
    for (int i = 0; i < 3; ++i)
        takeLine(Label20[i], menu, 10 + i);

    const QStringList presentation = readLanguageLines(languageFile(QStringLiteral("presentacion.txt")), 1);
    takeLine(Label18[1], presentation, 0);

    const QStringList check = readLanguageLines(languageFile(QStringLiteral("comprobar.txt")), 3);
    takeLine(Command19, check, 0);
    takeLine(Command17, check, 0);
    for (CommandButton* button : Command21)
        takeLine(button, check, 0);
    for (int i = 0; i < 2 && 1 + i < check.size(); ++i)
        CheckTexts[i] = check[1 + i];

    const QStringList words = readLanguageLines(languageFile(QStringLiteral("numedeno.txt")), 2);
    takeLine(Label19[2], words, 0);
    takeLine(Label19[3], words, 1);

    const QStringList choices = readLanguageLines(languageFile(QStringLiteral("muldiv.txt")), 2);
    takeLine(Option1[0], choices, 0);
    takeLine(Option1[1], choices, 1);
}

} // namespace maroleta
