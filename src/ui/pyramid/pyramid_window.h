// SPDX-License-Identifier: GPL-3.0-or-later
// PyramidWindow: the Pyramid, fifteen hidden squares that multiply or wipe out the winnings.
#pragma once

#include "game/pyramid_board.h"
#include "platform/hold_timer.h"
#include "ui/accessibility/announcer.h"

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <array>
#include <memory>

class QLabel;
class QMessageBox;

namespace zantaro {

class PyramidSquare;

class PyramidWindow : public QDialog, private PyramidView
{
    Q_OBJECT

public:
    // Runs without a loop of its own: shown or opened window-modally, it closes by done(). The
    // holds after an opened square are timed by `holdTimer`; a hint opens window-modally over it.
    explicit PyramidWindow(GameContext& context, QWidget* parent = nullptr,
                           std::unique_ptr<HoldTimer> holdTimer = std::make_unique<PreciseHoldTimer>());

    const PyramidBoard& board() const { return m_board; }
    PyramidSquare* square(int index) const { return m_squares[static_cast<std::size_t>(index)]; }

    // A close during the opening of a square finishes the opening at once - its holds end as their
    // ends would, and its hint box closes as if read - and then closes; the tally is made once,
    // however it closes.
    void done(int result) override;

private:
    void showSquare(int square) override;
    void showWinnings() override;
    void showHint(const std::string& text) override;

    void openSquare(int square);
    // Follows the opening under way: times its next hold, waits for its hint to be read, or at its
    // end tells a screen reader what the square did.
    void followOpening();
    QString labelText(int square) const;
    // "Square 7" while closed, "Square 7: 2X" once its label shows.
    QString squareName(int square) const;

    GameContext& m_context;
    PyramidBoard m_board;
    std::unique_ptr<HoldTimer> m_holdTimer;
    int m_openingSquare = -1;
    QImage m_closedTile;
    QImage m_openedTile;
    QLabel* m_winningsLabel = nullptr;
    std::array<PyramidSquare*, SquareCount> m_squares{};
    Announcer m_announcer{*this};
    QPointer<QMessageBox> m_hintBox; // the hint being read
};

} // namespace zantaro
