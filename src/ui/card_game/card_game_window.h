// SPDX-License-Identifier: GPL-3.0-or-later
// CardGameWindow: the card table, where the player risks the winnings card by card.
#pragma once

#include "ui/accessibility/announcer.h"
#include "ui/card_game/card_painter.h"
#include "ui/card_game/card_table.h"

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace zantaro {

class PieceButton;

inline constexpr int CardGameHelpTopic = 41006;

class CardGameWindow : public QDialog, private CardTableView
{
    Q_OBJECT

public:
    CardGameWindow(GameContext& context, std::function<void(int helpTopic)> showHelpTopic,
                   QWidget* parent = nullptr);

    const CardTable& table() const { return m_table; }
    // The card of a slot as the keyboard and a screen reader reach it.
    PieceButton* cardButton(int slot) const { return m_cardButtons[static_cast<std::size_t>(slot)]; }
    // The table as drawn, without the labels and buttons, at the cards' picture scale.
    const QImage& tablePicture() const { return m_tablePicture; }

    // Closing waits for a losing card's pause to end; the tally is made once, however it closes.
    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void drawSlot(int slot) override;
    void redrawTable() override;
    void showWinnings() override;

    void paintSlot(QPainter& painter, int slot) const;
    QPushButton* addButton(const QString& text, const QIcon& icon, const QRect& geometry);
    void addCardButtons();
    void nameSlot(int slot);
    // After a slot was played: tells a screen reader what a turned card did, and closes the
    // window if a close waited for the turn to end.
    void afterPlay(std::optional<int> turnedSlot);

    GameContext& m_context;
    std::function<void(int)> m_showHelpTopic;
    CardTable m_table;
    CardPainter m_painter;
    QImage m_tablePicture;
    QLabel* m_winningsLabel = nullptr;
    std::array<PieceButton*, TableSlots> m_cardButtons{};
    Announcer m_announcer{*this};
    std::optional<int> m_pendingResult;
};

} // namespace zantaro
