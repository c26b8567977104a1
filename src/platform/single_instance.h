// SPDX-License-Identifier: GPL-3.0-or-later
// SingleInstance: one running copy of the game per settings directory, so that two copies never
// overwrite each other's stored game. The first copy holds a lock file there and listens on a
// local socket named after the directory; a later copy asks it to show its window and exits.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

namespace zantaro {

class SingleInstance
{
public:
    explicit SingleInstance(const QString& settingsDirectory);
    ~SingleInstance();

    // False when another copy runs on the same settings directory. A lock left by a copy that
    // was killed is taken over; where no lock can be kept at all (an unwritable directory) every
    // copy runs, since nothing it stores could be overwritten anyway.
    bool isFirst() const { return m_first; }

    // A later copy: asks the first one to bring its window to the front. Returns whether it
    // answered.
    bool activateFirstCopy() const;

    // The first copy: calls `activate` whenever a later copy asks for the window.
    void onActivationRequest(std::function<void()> activate);

    // The local socket's name for a settings directory.
    static QString serverName(const QString& settingsDirectory);

private:
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    bool m_first = true;
    QLocalServer m_server;
};

} // namespace zantaro
