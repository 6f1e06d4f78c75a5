// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Form3, the results window.
#include "results/form3.h"

#include "logic/languagefiles.h"
#include "logic/resultswindow.h"
#include "widgets/accessibility.h"
#include "widgets/announce.h"

#include <QCloseEvent>

namespace maroleta {

Form3::Form3(const QWidget* sectionArea)
    : QWidget(nullptr, Qt::Window)
    , m_sectionArea(sectionArea)
{
    // What screen readers are told the list is.
    addControlNames(this,
        {
            { QStringLiteral("List1"), fixedName("Ejercicios terminados") },
        });
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("TUS RESULTADOS"));
    setFont(defaultDesignFont());
    QPalette background = palette();
    background.setColor(QPalette::Window, designColor(DesignColor::Pink));
    setPalette(background);
    setAutoFillBackground(true);
    setTwipsGeometry(this, QRect(QPoint(0, 0), designSize));

    List1 = makeControl<ListBox>(this, QStringLiteral("List1"), QRect(240, 240, 9255, 5460));
    List1->setFont(designFont(QStringLiteral("MS Sans Serif"), 13.5, false));
    List1->setColors(DesignColor::DarkCyan, DesignColor::SystemWindow);
    Form_Load();
    nameControls(this);
}

void Form3::Form_Load()
{
    // A missing or empty file keeps the built-in title, as every control keeps its built-in text.
    const QStringList title = readLanguageLines(languageFile(QStringLiteral("tusresultados.txt")), 1);
    if (!title.isEmpty())
        setWindowTitle(title.first());

    // The section frame's place in the main window is taken as a place on the screen.
    const QPoint place = resultsWindowPlace(twipsGeometry(m_sectionArea), designSize);
    const Twips& t = screenTwips();
    move(t.toPixels(place.x()), t.toPixels(place.y()));
}

void Form3::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // After the screen reader has said the window, not before: the window is said as it becomes active.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && List1->count() > 0)
        announce(this, List1->item(List1->count() - 1)->text());
}

void Form3::closeEvent(QCloseEvent* event)
{
    // Accepting only hides it: the window is never deleted before the main window goes.
    event->accept();
}

} // namespace maroleta
