// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_key_dialog.h"

#include <QKeyEvent>

namespace zantaro {

HelpKeyDialog::HelpKeyDialog(std::function<void(int)> showHelpTopic, QWidget* parent)
    : QDialog(parent), m_showHelpTopic(std::move(showHelpTopic))
{
}

void HelpKeyDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1)
        m_showHelpTopic(helpTopic());
    else
        QDialog::keyPressEvent(event);
}

} // namespace zantaro
