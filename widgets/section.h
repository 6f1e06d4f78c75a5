// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// What the main window asks of each of its nine sections. A section builds its controls into the frame it
// is given, keeps its state and handlers to itself, and is handed by its constructor only what it uses.
#pragma once

#include "logic/languagetexts.h"
#include "widgets/controls.h"

#include <QObject>

namespace maroleta {

class Section : public QObject {
    Q_OBJECT
public:
    Section() = default;

    // Runs each time the menu shows the section, after the shared pictures are set: sections 3 to 6 start
    // a new example or exercise (and forget any mistake); the others keep their state.
    virtual void prepare() { }
    // The section's captions from the language files.
    virtual void takeTexts(const LanguageTexts& texts) { Q_UNUSED(texts) }
    // The inner frame the layout places inside the section (Frame4 ... Frame11); none for section 0.
    Frame* innerFrame() const { return m_innerFrame; }

protected:
    // Builds the inner frame of section `section` inside `sectionFrame`, at its design size.
    Frame* makeInnerFrame(Frame* sectionFrame, int section, const QString& name);

private:
    Frame* m_innerFrame = nullptr;
};

} // namespace maroleta
