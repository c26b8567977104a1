// SPDX-License-Identifier: GPL-3.0-or-later
#include "single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <cstdio>

namespace zantaro {

namespace {

constexpr int AnswerTimeoutMs = 2000;
const QByteArray ActivateRequest = QByteArrayLiteral("activate\n");

} // namespace

QString SingleInstance::serverName(const QString& settingsDirectory)
{
    const QByteArray path = QDir(settingsDirectory).absolutePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(16);
    return QStringLiteral("zantaro-") + QString::fromLatin1(hash);
}

SingleInstance::SingleInstance(const QString& settingsDirectory) : m_serverName(serverName(settingsDirectory))
{
    QDir().mkpath(settingsDirectory);
    m_lock = std::make_unique<QLockFile>(settingsDirectory + QStringLiteral("/Zantaro.lock"));
    // Only a dead owner makes a lock stale, never its age: a game may run for days.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() == QLockFile::LockFailedError) {
            m_first = false;
            return;
        }
        std::fprintf(stderr, "Zantaro Slots: cannot keep a lock in %s; a second copy would not be noticed.\n",
                     qPrintable(settingsDirectory));
    }
    // A socket file left by a killed copy would make listening fail.
    QLocalServer::removeServer(m_serverName);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_serverName))
        std::fprintf(stderr, "Zantaro Slots: cannot listen for a second copy: %s\n",
                     qPrintable(m_server.errorString()));
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::activateFirstCopy() const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(AnswerTimeoutMs))
        return false;
    socket.write(ActivateRequest);
    return socket.waitForBytesWritten(AnswerTimeoutMs);
}

void SingleInstance::onActivationRequest(std::function<void()> activate)
{
    QObject::connect(
        &m_server, &QLocalServer::newConnection, &m_server, [this, activate = std::move(activate)] {
            while (QLocalSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                // Any connection is a request; what it says does not matter.
                activate();
            }
        });
}

} // namespace zantaro
