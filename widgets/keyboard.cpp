// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The keyboard order of a window, worked out from the controls' places.
#include "widgets/keyboard.h"


#include <QKeyEvent>

#include <algorithm>

namespace maroleta {

namespace {
    bool takesTab(const QWidget* control) { return (control->focusPolicy() & Qt::TabFocus) && control->isEnabled(); }

    // Appends the controls of `container` that Tab reaches, in screen order, to `order`.
    void collect(QWidget* container, QWidget* window, std::vector<QWidget*>& order)
    {
        struct Item {
            QWidget* widget;
            QRect place;
            bool leaf;
        };
        std::vector<Item> items;
        for (QObject* object : container->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (!child || child->isWindow() || !child->isVisibleTo(window))
                continue;
            if (takesTab(child)) {
                items.push_back({ child, child->geometry(), true });
                continue;
            }
            std::vector<QWidget*> inner;
            collect(child, window, inner);
            if (!inner.empty())
                items.push_back({ child, child->geometry(), false });
        }
        // Columns: runs of items whose horizontal extents overlap, taken from the left.
        std::stable_sort(
            items.begin(), items.end(), [](const Item& a, const Item& b) { return a.place.left() < b.place.left(); });
        std::vector<std::vector<Item>> columns;
        int columnRight = 0;
        for (const Item& item : items) {
            if (columns.empty() || item.place.left() > columnRight) {
                columns.emplace_back();
                columnRight = item.place.right();
            }
            columns.back().push_back(item);
            columnRight = std::max(columnRight, item.place.right());
        }
        for (std::vector<Item>& column : columns) {
            std::stable_sort(column.begin(), column.end(), [](const Item& a, const Item& b) {
                return a.place.top() != b.place.top() ? a.place.top() < b.place.top() : a.place.left() < b.place.left();
            });
            for (const Item& item : column) {
                if (item.leaf)
                    order.push_back(item.widget);
                else
                    collect(item.widget, window, order);
            }
        }
    }
}

std::vector<QWidget*> screenTabOrder(QWidget* window)
{
    std::vector<QWidget*> order;
    collect(window, window, order);
    return order;
}

bool focusNextOnScreen(QWidget* window, bool next)
{
    const std::vector<QWidget*> order = screenTabOrder(window);
    if (order.empty())
        return false;
    const QWidget* current = window->focusWidget();
    const auto at = std::find_if(order.begin(), order.end(),
        [current](const QWidget* w) { return current && (w == current || w->isAncestorOf(current)); });
    const int count = int(order.size());
    int index = 0;
    if (at == order.end())
        index = next ? 0 : count - 1;
    else
        index = (int(at - order.begin()) + (next ? 1 : count - 1)) % count;
    order[std::size_t(index)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

int typedDigit(const QKeyEvent* event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return -1;
    if (event->key() < Qt::Key_0 || event->key() > Qt::Key_9)
        return -1;
    return event->key() - Qt::Key_0;
}

} // namespace maroleta
