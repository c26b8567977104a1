// SPDX-License-Identifier: GPL-3.0-or-later
#include "slot_panel.h"

#include "ui/dialogs/side_window_look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zantaro {

namespace {

constexpr QSize PanelSize(289, 65);
constexpr int PanelsPerColumn = 4;

// The OK buttons keep the names they had before they were numbered by panel.
QString okButtonName(int number)
{
    return number == 1 ? QStringLiteral("OKBtn") : QStringLiteral("BitBtn%1").arg(number - 1);
}

} // namespace

SlotPanel::SlotPanel(int number, bool saveMode, QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel%1").arg(number));
    const int column = (number - 1) / PanelsPerColumn;
    const int row = (number - 1) % PanelsPerColumn;
    setGeometry(QRect(QPoint(16 + 296 * column, 16 + 72 * row), PanelSize));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFont(sideWindowFont(11));
    setTextColour(*this, Qt::black);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Name%1").arg(number));
    m_name->setGeometry(8, 8, 233, 20);
    m_name->setFrame(false);
    QPalette face = m_name->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    m_name->setPalette(face);
    m_name->setAccessibleName(tr("Slot %1 name").arg(number));

    m_product = addLabel(QStringLiteral("Game%1").arg(number), QRect(8, 28, 129, 13), Qt::AlignLeft);
    m_date = addLabel(QStringLiteral("date%1").arg(number), QRect(168, 28, 57, 13), Qt::AlignRight);
    m_credits = addLabel(QStringLiteral("credits%1").arg(number), QRect(8, 48, 105, 13), Qt::AlignLeft);
    m_borrowed = addLabel(QStringLiteral("borrowed%1").arg(number), QRect(112, 48, 113, 13), Qt::AlignRight);

    m_ok = addGlyphButton(this, tr("OK"), QStyle::SP_DialogOkButton, QRect(232, 16, 49, 37));
    m_ok->setObjectName(okButtonName(number));
    // Eight buttons all read "OK"; a screen reader tells them apart by their slot.
    m_ok->setAccessibleName(saveMode ? tr("Save to slot %1").arg(number) : tr("Open slot %1").arg(number));
}

QLabel* SlotPanel::addLabel(const QString& name, const QRect& geometry, Qt::Alignment alignment)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

void SlotPanel::showSlot(const GameState& state)
{
    m_name->setText(QString::fromStdString(state.gameName));
    m_name->setCursorPosition(0);
    m_product->setText(QString::fromLatin1(ProductName));
    m_date->setText(QString::fromStdString(state.gameDate));
    m_credits->setText(tr("%1 Credits").arg(state.credits));
    m_borrowed->setText(tr("%1 Borrowed").arg(state.borrowed));
    // What the panel shows, read with the button that acts on it.
    m_ok->setAccessibleDescription(
        QStringList{m_name->text(), m_date->text(), m_credits->text(), m_borrowed->text()}.join(
            QStringLiteral(", ")));
}

QString SlotPanel::name() const
{
    return m_name->text();
}

} // namespace zantaro
