// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The texts a translator changes, read from the language files beside the program.
#include "logic/languagetexts.h"

#include "logic/languagefiles.h"

namespace maroleta {

namespace {
    QStringList lines(const char* file, int count)
    {
        return readLanguageLines(languageFile(QString::fromLatin1(file)), count);
    }
}

void LanguageTexts::load()
{
    explanations = lines("explicacionmenu.txt", 10);
    menu = lines("menu.txt", 13);
    presentation = lines("presentacion.txt", 1);
    check = lines("comprobar.txt", 3);
    words = lines("numedeno.txt", 2);
    choices = lines("muldiv.txt", 2);
    for (int i = 0; i < 9 && i < explanations.size(); ++i)
        MenuExplanations[i] = explanations[i];
    for (int i = 0; i < 2 && 1 + i < check.size(); ++i)
        CheckTexts[i] = check[1 + i];
}

} // namespace maroleta
