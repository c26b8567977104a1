// SPDX-License-Identifier: GPL-3.0-or-later
// Answers a modal window that the code under test opens, waited on or not: a timer polls until a
// window of the expected kind is the active modal one, then acts on it once. The poll ends with
// the returned object, so an answer that found no window cannot act in a later test.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>

namespace zantaro::testing {

class [[nodiscard]] ModalAnswer
{
public:
    template <typename Window> static ModalAnswer to(std::function<void(Window&)> answer)
    {
        ModalAnswer result;
        QTimer* poll = result.m_poll.get();
        QObject::connect(poll, &QTimer::timeout, [poll, answer] {
            auto* window = dynamic_cast<Window*>(QApplication::activeModalWidget());
            if (window == nullptr)
                return;
            poll->stop();
            answer(*window);
        });
        poll->start(1);
        return result;
    }

    // Lets Qt run until the answer has acted, for a window that opens without being waited on.
    void waitUntilAnswered() const
    {
        while (m_poll->isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

private:
    ModalAnswer() = default;
    std::unique_ptr<QTimer> m_poll = std::make_unique<QTimer>();
};

// Acknowledges the next message box and keeps its text.
inline ModalAnswer acknowledgeNextMessage(QString& text)
{
    return ModalAnswer::to<QMessageBox>([&text](QMessageBox& box) {
        text = box.text();
        box.accept();
    });
}

} // namespace zantaro::testing
