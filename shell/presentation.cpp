// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Sections 7 and 8: the presentation and the start screen with its large named fraction.
#include "shell/presentation.h"
#include "widgets/accessibility.h"

#include "identity.h"

namespace maroleta {

PresentationSection::PresentationSection(Frame* frame)
{
    // What screen readers are told each line is.
    addControlNames(frame->window(),
        {
            { QStringLiteral("Label18"), [](int i) { return QString::fromUtf8("Presentación, línea %1").arg(i + 1); } },
        });
    Frame* Frame10 = makeInnerFrame(frame, 7, QStringLiteral("Frame10"));
    struct Line {
        const char* text;
        int top;
        int height;
        double points;
        bool bold;
        quint32 color;
    };
    const Line lines[] = {
        { "Maroleta " MAROLETA_VERSION, 360, 1095, 36, true, DesignColor::White },
        { "Un programa que tiene como objetivo ayudar a comprender las fracciones", 1440, 735, 12, false,
            DesignColor::LightGreen },
        { "Autor", 2640, 375, 12, false, DesignColor::LightYellow },
        { "Equipo Maroleta", 3000, 375, 12, false, DesignColor::LightYellow },
        { MAROLETA_CONTACT_ADDRESS, 3360, 375, 12, false, DesignColor::LightYellow },
        { "Diciembre de 2026", 3840, 375, 12, false, DesignColor::LightYellow },
    };
    for (int i = 0; i < 6; ++i) {
        Label18[i] = makeControl<Label>(
            Frame10, arrayName(QStringLiteral("Label18"), i), QRect(840, lines[i].top, 5655, lines[i].height));
        Label18[i]->setFont(designFont(QStringLiteral("Arial"), lines[i].points, lines[i].bold));
        Label18[i]->setForeColor(lines[i].color);
        Label18[i]->setText(QString::fromUtf8(lines[i].text));
    }
}

void PresentationSection::takeTexts(const LanguageTexts& texts) { takeLine(Label18[1], texts.presentation, 0); }

StartSection::StartSection(Frame* frame)
{
    // What screen readers are told each line is.
    addControlNames(frame->window(),
        {
            { QStringLiteral("Label19"), [](int i) { return QString::fromUtf8("Inicio, línea %1").arg(i + 1); } },
        });
    Frame* Frame11 = makeInnerFrame(frame, 8, QStringLiteral("Frame11"));
    struct Word {
        const char* text;
        QRect place;
        double points;
    };
    const Word words[] = {
        { "3", QRect(1560, 720, 975, 1575), 72 },
        { "5", QRect(1560, 2760, 975, 1575), 72 },
        { "NUMERADOR", QRect(3000, 480, 3255, 615), 24 },
        { "DENOMINADOR", QRect(3000, 4080, 3735, 615), 24 },
    };
    for (int i = 0; i < 4; ++i) {
        Label19[i] = makeControl<Label>(Frame11, arrayName(QStringLiteral("Label19"), i), words[i].place);
        Label19[i]->setFont(designFont(QStringLiteral("Arial"), words[i].points, true));
        Label19[i]->setForeColor(DesignColor::White);
        Label19[i]->setText(QString::fromUtf8(words[i].text));
    }
    Line8 = makeControl<LineShape>(Frame11, QStringLiteral("Line8"));
    Line8->setLine(600, 2520, 3600, 2520);
    Line8->setBorderWidth(10);
    Line8->setBorderColor(DesignColor::White);
}

void StartSection::takeTexts(const LanguageTexts& texts)
{
    takeLine(Label19[2], texts.words, 0);
    takeLine(Label19[3], texts.words, 1);
}

} // namespace maroleta
