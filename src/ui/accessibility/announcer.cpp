// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include "accessible_interfaces.h"

namespace zantaro {

AnnouncementNote::AnnouncementNote(const QString& message, QWidget* window) : QWidget(window)
{
    installAccessibleInterfaces();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    setAccessibleName(message);
}

void Announcer::announce(const QString& message)
{
    delete m_note;
    m_note = new AnnouncementNote(message, &m_window);
    m_note->show();
}

} // namespace zantaro
