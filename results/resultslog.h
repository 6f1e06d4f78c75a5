// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The results log: one line for every exercise finished in this run. The practice sections write into it;
// the main window shows it. Its lines live in the list of the results window, Form3.
#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace maroleta {

class Form3;

class ResultsLog {
public:
    // `sectionArea`: the control whose place the results window opens over.
    explicit ResultsLog(const QWidget* sectionArea);
    ~ResultsLog();

    // Appends one finished exercise, loading the results window unseen if it is not loaded yet.
    void WriteResultLine(const QString& line);
    // The results window, loaded (not shown) on first use and kept until the program ends.
    Form3* window();
    // The results window if it was ever loaded, else none.
    Form3* loadedWindow() const { return m_window.get(); }
    // The list position of the next line.
    qint64 ResultCount() const { return m_count; }

private:
    const QWidget* m_sectionArea;
    std::unique_ptr<Form3> m_window;
    qint64 m_count = 0;
};

} // namespace maroleta
