// SPDX-License-Identifier: GPL-3.0-or-later
// PyramidWindow: the Pyramid, fifteen hidden squares that multiply or wipe out the winnings.
#pragma once

#include "ui/accessibility/announcer.h"
#include "ui/pyramid/pyramid_board.h"

#include <QDialog>
#include <QImage>
#include <array>
#include <optional>

class QLabel;

namespace zantaro {

class PyramidSquare;

class PyramidWindow : public QDialog, private PyramidView
{
    Q_OBJECT

public:
    PyramidWindow(GameContext& context, QWidget* parent = nullptr);

    const PyramidBoard& board() const { return m_board; }
    PyramidSquare* square(int index) const { return m_squares[static_cast<std::size_t>(index)]; }

    // Closing waits for an opening square's pause to end; the tally is made once, however it closes.
    void done(int result) override;

private:
    void showSquare(int square) override;
    void showWinnings() override;
    void showHint(const std::string& text) override;

    void openSquare(int square);
    QString labelText(int square) const;
    // "Square 7" while closed, "Square 7: 2X" once its label shows.
    QString squareName(int square) const;

    GameContext& m_context;
    PyramidBoard m_board;
    QImage m_closedTile;
    QImage m_openedTile;
    QLabel* m_winningsLabel = nullptr;
    std::array<PyramidSquare*, SquareCount> m_squares{};
    Announcer m_announcer{*this};
    std::optional<int> m_pendingResult;
};

} // namespace zantaro
