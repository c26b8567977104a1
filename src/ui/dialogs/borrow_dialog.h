// SPDX-License-Identifier: GPL-3.0-or-later
// BorrowDialog: the player borrows credits or pays borrowed credits back in steps of 1000, 100, 10
// or 1, and sees the borrowed and credit counts in the machine's digits.
#pragma once

#include "game/borrow_account.h"
#include "game/game_state.h"
#include "ui/accessibility/announcer.h"
#include "ui/dialogs/help_key_dialog.h"

#include <QCoreApplication>
#include <array>
#include <cstdint>
#include <functional>

class QPainter;
class QPushButton;
class QRadioButton;

namespace zantaro {

inline constexpr int BorrowHelpTopic = 41003;
inline constexpr int BorrowButtonsHelpTopic = 41005;

class BorrowDialog : public HelpKeyDialog
{
    Q_DECLARE_TR_FUNCTIONS(BorrowDialog)

public:
    // The main window's digit drawing: value at (x, y) in yellow or red digits, x being where the
    // number ends when rightAligned, with no spare cell after it when tight.
    using NumberPainter = std::function<void(QPainter&, std::int64_t value, int x, int y, bool yellow,
                                             bool rightAligned, bool tight)>;

    // Moves credits between the game and the loan; returns the refusal when nothing moved.
    using MoveCredits = std::function<std::optional<Message>(BorrowMode mode, std::int32_t amount)>;

    BorrowDialog(const GameState& state, MoveCredits moveCredits, NumberPainter drawNumber,
                 std::function<void(int helpTopic)> showHelpTopic, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The buttons' topic while one of them has the focus, the window's own topic otherwise.
    int helpTopic() const override;

private:
    void addAmountButton(int tag, const QString& glyph, int x);
    QRadioButton* addModeButton(const QString& text, int x);
    void moveAmount(int tag);
    BorrowMode mode() const;
    // The amount buttons show only their glyphs; a screen reader reads what they do in this mode.
    void nameAmountButtons();
    // The painted counts, as a screen reader reads them.
    QString countsText() const;

    const GameState& m_state;
    MoveCredits m_moveCredits;
    NumberPainter m_drawNumber;
    QRadioButton* m_borrowMode = nullptr;
    std::array<QPushButton*, BorrowAmounts.size()> m_amountButtons{};
    Announcer m_announcer{*this};
};

} // namespace zantaro
