// SPDX-License-Identifier: GPL-3.0-or-later
// CardGameWindow: the card table, where the player risks the winnings card by card.
#pragma once

#include "game/card_table.h"
#include "platform/hold_timer.h"
#include "ui/accessibility/announcer.h"
#include "ui/card_game/card_painter.h"

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <memory>
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
    // Runs without a loop of its own: shown or opened window-modally, it closes by done(). The
    // holds after a turned card are timed by `holdTimer`.
    CardGameWindow(GameContext& context, std::function<void(int helpTopic)> showHelpTopic,
                   QWidget* parent = nullptr,
                   std::unique_ptr<HoldTimer> holdTimer = std::make_unique<PreciseHoldTimer>());

    const CardTable& table() const { return m_table; }
    // The card of a slot as the keyboard and a screen reader reach it.
    PieceButton* cardButton(int slot) const { return m_cardButtons[static_cast<std::size_t>(slot)]; }
    // The table as drawn, without the labels and buttons, at the cards' picture scale.
    const QImage& tablePicture() const { return m_tablePicture; }

    // A close during a turned card's hold ends the turn at once, as the hold's end would, and then
    // closes; the tally is made once, however it closes.
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
    // After a slot was played: holds the game while the turned card's turn holds it.
    void afterPlay(std::optional<int> turnedSlot);
    // The hold is over, or a close cuts it short: the turn ends.
    void endTurn();
    // Tells a screen reader what the turned card did.
    void announceTurn();

    GameContext& m_context;
    std::function<void(int)> m_showHelpTopic;
    CardTable m_table;
    std::unique_ptr<HoldTimer> m_holdTimer;
    CardPainter m_painter;
    QImage m_tablePicture;
    QLabel* m_winningsLabel = nullptr;
    std::array<PieceButton*, TableSlots> m_cardButtons{};
    Announcer m_announcer{*this};
    int m_turnedSlot = -1;
};

} // namespace zantaro
