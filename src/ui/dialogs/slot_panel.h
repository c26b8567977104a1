// SPDX-License-Identifier: GPL-3.0-or-later
// SlotPanel: one panel of the game-slot dialog - a saved game's name (which the player may edit),
// the product name, the date, credits and borrowed credits, and the panel's OK button.
#pragma once

#include "game/game_state.h"

#include <QCoreApplication>
#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zantaro {

class SlotPanel : public QFrame
{
    Q_DECLARE_TR_FUNCTIONS(SlotPanel)

public:
    // Panel number 1 to 8, placed in its column of the dialog; its OK button saves to the slot in
    // save mode and opens it otherwise.
    SlotPanel(int number, bool saveMode, QWidget* parent);

    // Fills the panel from what the last read of its slot left in the state.
    void showSlot(const GameState& state);
    // The name as shown, or as the player changed it.
    QString name() const;
    QPushButton* okButton() const { return m_ok; }

private:
    QLabel* addLabel(const QString& name, const QRect& geometry, Qt::Alignment alignment);

    QLineEdit* m_name = nullptr;
    QLabel* m_product = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_credits = nullptr;
    QLabel* m_borrowed = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace zantaro
