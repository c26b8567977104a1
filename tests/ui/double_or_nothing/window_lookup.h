// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the controls of a window under test by what the player sees on them.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace zantaro::testing {

inline QPushButton* buttonLabelled(const QWidget* window, const QString& text)
{
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// The label whose text starts with the prefix; prefix "" finds the first label.
inline QLabel* labelStartingWith(const QWidget* window, const QString& prefix)
{
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().startsWith(prefix))
            return label;
    }
    return nullptr;
}

} // namespace zantaro::testing
