// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_slot_dialog.h"

#include "game/saved_game_store.h"
#include "ui/dialogs/side_window_look.h"
#include "ui/dialogs/text_fit.h"

#include <QFrame>
#include <QInputDialog>
#include <QPushButton>

namespace zantaro {

namespace {

constexpr QSize ClientSize(616, 360);

} // namespace

GameSlotDialog::GameSlotDialog(bool saveMode, SlotAction saveLoadGame, const ReadSlot& readSlot,
                               std::function<void(int)> showHelpTopic, QWidget* parent)
    : HelpKeyDialog(std::move(showHelpTopic), parent), m_saveMode(saveMode),
      m_saveLoadGame(std::move(saveLoadGame))
{
    m_saveLoadGame(CurrentGameSlot, true, RunningGameName);
    setUpSideWindow(
        *this, m_saveMode ? tr("Save a Game -- Select Game Slot") : tr("Open a Game -- Select Game Slot"),
        ClientSize);
    setFont(sideWindowFont(11, true));

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setGeometry(0, 8, 617, 297);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);

    for (int slot = 0; slot < SlotPanelCount; ++slot) {
        auto* panel = new SlotPanel(slot + 1, m_saveMode, this);
        panel->showSlot(readSlot(slot));
        connect(panel->okButton(), &QPushButton::clicked, this, [this, slot] { chooseSlot(slot); });
        m_panels[slot] = panel;
    }

    QPushButton* help = addGlyphButton(this, tr("&Help"), QStyle::SP_DialogHelpButton, QRect(8, 316, 97, 37));
    help->setObjectName(QStringLiteral("HelpBtn"));
    connect(help, &QPushButton::clicked, this, [this] { this->showHelpTopic(GameSlotHelpTopic); });
    QPushButton* cancel =
        addGlyphButton(this, tr("&Cancel"), QStyle::SP_DialogCancelButton, QRect(508, 316, 97, 37));
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    fitTextsToWindow(*this);
}

// The slot of the panel whose OK button was pressed.
void GameSlotDialog::chooseSlot(int slot)
{
    if (m_saveMode) {
        bool confirmed = false;
        const QString name = QInputDialog::getText(this, tr("Name for this saved game?"), QString(),
                                                   QLineEdit::Normal, m_panels[slot]->name(), &confirmed);
        if (confirmed)
            m_saveLoadGame(slot, true, name.toStdString());
    } else {
        if (!m_saveLoadGame(slot, false, {}))
            return; // the running game stays, and so does the dialog
        m_saveLoadGame(CurrentGameSlot, true, RunningGameName);
    }
    accept();
}

} // namespace zantaro
