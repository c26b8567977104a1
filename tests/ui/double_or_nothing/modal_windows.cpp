// SPDX-License-Identifier: GPL-3.0-or-later
#include "modal_windows.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace zantaro::testing {

void whenModalOpens(std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start();
}

} // namespace zantaro::testing
