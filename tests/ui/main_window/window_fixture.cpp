// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fixture.h"

#include "support/test_game.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zantaro::testing {

QString buildDirectory()
{
    return QStringLiteral(ZANTARO_BUILD_DIR "/");
}

WindowFixture::WindowFixture(ScreenFacts screen, QString programDirectory)
    : m_programDirectory(std::move(programDirectory))
{
    restart(screen);
}

void WindowFixture::restart(ScreenFacts screen)
{
    window.reset();
    window = std::make_unique<MainWindow>(
        MainWindowServices{clock, sound, screen, m_programDirectory, settings.path()});
    // Shown and painted once, as at start-up: from then on every change is drawn as it happens.
    window->show();
    while (!window->painted())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void WindowFixture::clickLayout(QPoint pixel) const
{
    QTest::mouseClick(window.get(), Qt::LeftButton, {},
                      window->view().toWindow(QRect(pixel, QSize(1, 1))).topLeft());
}

void WindowFixture::fillStrips(std::uint8_t symbol) const
{
    prepare([symbol](GameState& game) {
        for (Strip& strip : game.reelStrips)
            strip.fill(symbol);
    });
}

void WindowFixture::endNextSpinOnLamp(int lamp)
{
    clock.timeOfDayAtStart = clockValueForFinalLamp(lamp) - clock.tick.count();
}

QString WindowFixture::readSettingsFile(const QString& name) const
{
    QFile file(settingsFile(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

int& pendingMessageBoxAnswers()
{
    static int pending = 0;
    return pending;
}

UnexpectedMessageBoxGuard::UnexpectedMessageBoxGuard()
{
    QObject::connect(&m_poll, &QTimer::timeout, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || pendingMessageBoxAnswers() > 0)
            return;
        ADD_FAILURE() << "unexpected message box: " << box->text().toStdString();
        box->done(QMessageBox::Cancel);
    });
    m_poll.start(1);
}

namespace {

// Acts once on the next message box; until then a box is expected.
void actOnNextMessageBox(std::function<void(QMessageBox&)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(1);
    ++pendingMessageBoxAnswers();
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        --pendingMessageBoxAnswers();
        act(*box);
        poll->stop();
        poll->deleteLater();
    });
    poll->start();
}

} // namespace

void answerNextMessageBox(QMessageBox::StandardButton button, QString* text)
{
    actOnNextMessageBox([button, text](QMessageBox& box) {
        if (text != nullptr)
            *text = box.text();
        box.button(button)->click();
    });
}

void pressKeyOnNextMessageBox(Qt::Key key)
{
    actOnNextMessageBox([key](QMessageBox& box) { QTest::keyClick(&box, key); });
}

void waitForMessageBoxAnswers()
{
    while (qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace zantaro::testing
