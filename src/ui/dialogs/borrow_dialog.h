// BorrowDialog: the player borrows credits or pays borrowed credits back in steps of 1000, 100, 10
// or 1, and sees the borrowed and credit counts in the machine's digits.
#pragma once

#include "game/game_state.h"
#include "ui/dialogs/borrow_account.h"
#include "ui/dialogs/help_key_dialog.h"

#include <cstdint>
#include <functional>

class QPainter;
class QRadioButton;

namespace zantaro {

inline constexpr int BorrowHelpTopic = 41003;
inline constexpr int BorrowButtonsHelpTopic = 41005;

class BorrowDialog : public HelpKeyDialog
{
public:
    // The main window's digit drawing: value at (x, y) in yellow or red digits, x being where the
    // number ends when rightAligned, with no spare cell after it when tight.
    using NumberPainter = std::function<void(QPainter&, std::int64_t value, int x, int y, bool yellow,
                                             bool rightAligned, bool tight)>;

    BorrowDialog(GameState& state, NumberPainter drawNumber, std::function<void(int helpTopic)> showHelpTopic,
                 QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The buttons' topic while one of them has the focus, the window's own topic otherwise.
    int helpTopic() const override;

private:
    void addAmountButton(int tag, const QString& glyph, int x);
    QRadioButton* addModeButton(const QString& text, int x);
    void moveAmount(int tag);
    BorrowMode mode() const;

    GameState& m_state;
    NumberPainter m_drawNumber;
    QRadioButton* m_borrowMode = nullptr;
};

} // namespace zantaro
