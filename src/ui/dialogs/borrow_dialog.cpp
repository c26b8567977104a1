// SPDX-License-Identifier: GPL-3.0-or-later
#include "borrow_dialog.h"

#include "resources/built_in_pictures.h"
#include "ui/dialogs/side_window_look.h"
#include "ui/dialogs/text_fit.h"
#include "ui/texts/message_text.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace zantaro {

namespace {

constexpr QSize ClientSize(582, 300);
// The frame a dialog border adds on each side; the "Credits:" caption is placed from the outer
// width so that it ends over the last digit of the credits whatever frame the desktop draws.
constexpr int DialogFrameWidth = 3;

} // namespace

BorrowDialog::BorrowDialog(const GameState& state, MoveCredits moveCredits, NumberPainter drawNumber,
                           std::function<void(int)> showHelpTopic, QWidget* parent)
    : HelpKeyDialog(std::move(showHelpTopic), parent), m_state(state), m_moveCredits(std::move(moveCredits)),
      m_drawNumber(std::move(drawNumber))
{
    setUpSideWindow(*this, tr("Use this form to borrow or pay back credits"), ClientSize);
    setFont(sideWindowFont(13));
    // The counts are painted on the button face, so the whole window takes that colour.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);

    // Created in tab order: "&OK" first.
    QPushButton* ok = addGlyphButton(this, tr("&OK"), QStyle::SP_DialogOkButton, QRect(442, 246, 127, 46));
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    addAmountButton(0, QStringLiteral("dialogs/Borrow1000.png"), 89);
    addAmountButton(1, QStringLiteral("dialogs/Borrow100.png"), 201);
    addAmountButton(2, QStringLiteral("dialogs/Borrow10.png"), 313);
    addAmountButton(3, QStringLiteral("dialogs/Borrow1.png"), 425);

    auto* modeLabel = new QLabel(tr("Mode:"), this);
    modeLabel->setObjectName(QStringLiteral("Label1"));
    modeLabel->setFont(sideWindowFont(19));
    setTextColour(*modeLabel, Qt::red);
    modeLabel->move(56, 192);
    modeLabel->adjustSize();

    m_borrowMode = addModeButton(tr("Borrow Credits"), 147);
    m_borrowMode->setObjectName(QStringLiteral("RadioButton1"));
    m_borrowMode->setChecked(true);
    addModeButton(tr("Pay Back Credits"), 355)->setObjectName(QStringLiteral("RadioButton2"));
    connect(m_borrowMode, &QRadioButton::toggled, this, [this] { nameAmountButtons(); });
    nameAmountButtons();
    setAccessibleDescription(countsText());

    QPushButton* help =
        addGlyphButton(this, tr("&Help"), QStyle::SP_DialogHelpButton, QRect(10, 246, 127, 46));
    help->setObjectName(QStringLiteral("BitBtn7"));
    connect(help, &QPushButton::clicked, this, [this] {
        showInformation(this,
                        tr("Use this screen to borrow credits or pay back credits that you borrowed "
                           "previously.  Click on the button representing the amount to borrow (or pay "
                           "back).\r\n\r\nTo switch between \"borrow\" and \"pay back\" select the mode."));
    });
    fitTextsToWindow(*this);
}

void BorrowDialog::addAmountButton(int tag, const QString& glyph, int x)
{
    const QPixmap picture = QPixmap::fromImage(builtInPictureFor(glyph, devicePixelRatioF()));
    auto* button = new QPushButton(QIcon(picture), QString(), this);
    button->setObjectName(QStringLiteral("BitBtn%1").arg(tag + 1));
    button->setGeometry(x, 104, 80, 57);
    button->setIconSize(picture.deviceIndependentSize().toSize());
    connect(button, &QPushButton::clicked, this, [this, tag] { moveAmount(tag); });
    m_amountButtons[static_cast<std::size_t>(tag)] = button;
}

void BorrowDialog::nameAmountButtons()
{
    const bool borrowing = mode() == BorrowMode::Borrow;
    for (std::size_t tag = 0; tag < m_amountButtons.size(); ++tag) {
        const std::int32_t amount = BorrowAmounts[tag];
        QString name;
        if (amount == 1)
            name = borrowing ? tr("Borrow 1 credit") : tr("Pay back 1 credit");
        else
            name = (borrowing ? tr("Borrow %1 credits") : tr("Pay back %1 credits")).arg(amount);
        m_amountButtons[tag]->setAccessibleName(name);
    }
}

QString BorrowDialog::countsText() const
{
    return tr("Credits: %1. Borrowed: %2.").arg(m_state.credits).arg(m_state.borrowed);
}

QRadioButton* BorrowDialog::addModeButton(const QString& text, int x)
{
    auto* button = new QRadioButton(text, this);
    button->setFont(sideWindowFont(16));
    button->setGeometry(x, 192, 190, 33);
    return button;
}

BorrowMode BorrowDialog::mode() const
{
    return m_borrowMode->isChecked() ? BorrowMode::Borrow : BorrowMode::PayBack;
}

void BorrowDialog::moveAmount(int tag)
{
    if (const auto refusal = m_moveCredits(mode(), BorrowAmounts[tag])) {
        showInformation(this, messageText(*refusal));
        return;
    }
    update();
    setAccessibleDescription(countsText());
    m_announcer.announce(countsText());
}

void BorrowDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    const QFontMetrics metrics(font());
    const QString credits = tr("Credits:");
    const int outerWidth = width() + 2 * DialogFrameWidth;
    painter.drawText(QPoint(20, 20 + metrics.ascent()), tr("Borrowed:"));
    painter.drawText(QPoint(outerWidth - metrics.horizontalAdvance(credits) - 35, 20 + metrics.ascent()),
                     credits);

    m_drawNumber(painter, m_state.credits, width() - 30, 40, false, true, false);
    m_drawNumber(painter, m_state.borrowed, 20, 40, true, false, false);
}

int BorrowDialog::helpTopic() const
{
    return qobject_cast<QAbstractButton*>(focusWidget()) != nullptr ? BorrowButtonsHelpTopic
                                                                    : BorrowHelpTopic;
}

} // namespace zantaro
