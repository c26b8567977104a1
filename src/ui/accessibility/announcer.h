// SPDX-License-Identifier: GPL-3.0-or-later
// Announcer: tells a screen reader what just happened in a window, without moving the keyboard
// focus. Qt 6.4's AT-SPI bridge passes on no alert or announcement events, and Orca speaks a
// changed name only on the focused object; what Orca does speak at once is a notification object
// that starts showing. So each message becomes a new notification child of the window, empty and
// unseen; the one before it is deleted, which changes no "showing" state, so it is not spoken again.
#pragma once

#include <QPointer>
#include <QWidget>

namespace zantaro {

// The notification object of one message: it draws nothing and takes no input.
class AnnouncementNote : public QWidget
{
    Q_OBJECT

public:
    AnnouncementNote(const QString& message, QWidget* window);
};

class Announcer
{
public:
    explicit Announcer(QWidget& window) : m_window(window) {}

    void announce(const QString& message);

private:
    QWidget& m_window;
    QPointer<AnnouncementNote> m_note;
};

} // namespace zantaro
