// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The results log, kept in the results window's list.
#include "results/resultslog.h"

#include "results/form3.h"

namespace maroleta {

ResultsLog::ResultsLog(const QWidget* sectionArea)
    : m_sectionArea(sectionArea)
{
}

ResultsLog::~ResultsLog() = default;

Form3* ResultsLog::window()
{
    // Loaded on first use, shown or not, so lines can be written before "HISTORIAL" was ever pressed.
    if (!m_window)
        m_window = std::make_unique<Form3>(m_sectionArea);
    return m_window.get();
}

void ResultsLog::WriteResultLine(const QString& line)
{
    // The window is never unloaded, so the end of the list is always position ResultCount.
    window()->List1->addItem(line);
    ++m_count;
}

} // namespace maroleta
