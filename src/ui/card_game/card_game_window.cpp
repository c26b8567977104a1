// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_game_window.h"

#include "card_words.h"
#include "resources/built_in_pictures.h"
#include "ui/accessibility/focus_ring.h"
#include "ui/accessibility/piece_button.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace zantaro {

namespace {

constexpr QSize ClientSize(632, 413);
const QColor TableColour(128, 0, 0);

QLabel* addLabel(QWidget* parent, const QRect& geometry, const QColor& colour, int pixelHeight)
{
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    QFont font = label->font();
    font.setPixelSize(pixelHeight);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

CardGameWindow::CardGameWindow(GameContext& context, std::function<void(int helpTopic)> showHelpTopic,
                               QWidget* parent, std::unique_ptr<HoldTimer> holdTimer)
    : QDialog(parent), m_context(context), m_showHelpTopic(std::move(showHelpTopic)), m_table(context),
      m_holdTimer(std::move(holdTimer)), m_painter(devicePixelRatioF()),
      m_tablePicture(ClientSize * m_painter.scale(), QImage::Format_RGB32)
{
    // The table is laid out in its own pixels and drawn at the scale of the cards' pictures.
    m_tablePicture.setDevicePixelRatio(m_painter.scale());
    setWindowTitle(tr("Double or Nothing Card Game"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, TableColour);
    setPalette(palette);
    setAutoFillBackground(true);
    resize(ClientSize);

    // Created in tab order: "&OK" comes first.
    QPushButton* ok =
        addButton(tr("&OK"), style()->standardIcon(QStyle::SP_DialogOkButton), QRect(524, 366, 96, 42));
    QPushButton* help =
        addButton(tr("&Help"), style()->standardIcon(QStyle::SP_DialogHelpButton), QRect(312, 366, 96, 42));
    QPushButton* pyramid = addButton(tr("&Pyramid"),
                                     QIcon(QPixmap::fromImage(builtInPictureFor(
                                         QStringLiteral("card_game/PyramidGlyph.png"), devicePixelRatioF()))),
                                     QRect(418, 366, 96, 42));
    pyramid->setDefault(true);
    // The cards come next: from the focus on the default button, Tab reaches the table, and from
    // the table Tab comes back to "&OK".
    addCardButtons();
    connect(ok, &QPushButton::clicked, this, [this] {
        m_table.round().keepWinnings();
        accept();
    });
    connect(help, &QPushButton::clicked, this, [this] { m_showHelpTopic(CardGameHelpTopic); });
    connect(pyramid, &QPushButton::clicked, this, [this] {
        m_table.round().switchTo(DoubleOrNothingGame::Pyramid);
        accept();
    });

    QLabel* rules = addLabel(this, QRect(12, 328, 605, 33), Qt::white, 11);
    rules->setWordWrap(true);
    rules->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rules->setText(tr("A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; "
                      "a 7 Loses Half Your Winnings; and a 2-6 Loses All Your Winnings."));
    m_winningsLabel = addLabel(this, QRect(4, 382, 301, 35), Qt::yellow, 19);
    m_winningsLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    showWinnings();

    redrawTable();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    move(screen->availableGeometry().center() - rect().center());
}

QPushButton* CardGameWindow::addButton(const QString& text, const QIcon& icon, const QRect& geometry)
{
    auto* button = new QPushButton(icon, text, this);
    button->setGeometry(geometry);
    button->setIconSize(QSize(24, 24));
    return button;
}

void CardGameWindow::addCardButtons()
{
    // The focus ring lies in the gaps around the card, so it covers no other card.
    for (int slot = 0; slot < TableSlots; ++slot) {
        auto* card = new PieceButton(this, FocusRingWidth);
        const TablePoint at = cardPosition(slot);
        card->setGeometry(QRect(at.x, at.y, CardWidth, CardHeight)
                              .adjusted(-FocusRingWidth, -FocusRingWidth, FocusRingWidth, FocusRingWidth));
        // The mouse keeps turning cards through the table's own hit areas.
        card->setAttribute(Qt::WA_TransparentForMouseEvents);
        card->setAccessibleDescription(CardWords::slotPlace(slot));
        connect(card, &PieceButton::activated, this, [this, slot] {
            afterPlay(m_table.play(slot, *this) ? std::optional<int>(slot) : std::nullopt);
        });
        m_cardButtons[static_cast<std::size_t>(slot)] = card;
    }
}

void CardGameWindow::done(int result)
{
    if (m_table.turning()) {
        m_holdTimer->stop();
        endTurn();
    }
    m_table.round().settle();
    QDialog::done(result);
}

void CardGameWindow::paintEvent(QPaintEvent*)
{
    // The whole table, clipped to the region to paint: at a zoom between two picture sets the
    // table is shrunk smoothly, and a partial repaint matches a full one pixel for pixel.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect()), m_tablePicture);
}

void CardGameWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    afterPlay(m_table.release(point.x(), point.y(), *this));
}

void CardGameWindow::afterPlay(std::optional<int> turnedSlot)
{
    if (!turnedSlot)
        return;
    m_turnedSlot = *turnedSlot;
    if (m_table.turning())
        m_holdTimer->start(m_table.hold(), [this] { endTurn(); });
    else
        announceTurn();
}

void CardGameWindow::endTurn()
{
    m_table.finishTurn(*this);
    announceTurn();
}

void CardGameWindow::announceTurn()
{
    m_announcer.announce(CardWords::turnOutcome(m_table.slot(m_turnedSlot), m_context.state.winnings));
}

void CardGameWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        m_showHelpTopic(CardGameHelpTopic);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CardGameWindow::paintSlot(QPainter& painter, int slot) const
{
    const CardSlot& card = m_table.slot(slot);
    const TablePoint at = cardPosition(slot);
    if (!card.faceUp)
        m_painter.drawCardBack(painter, at.x, at.y);
    else if (card.cardNumber == JokerCard)
        m_painter.drawJoker(painter, at.x, at.y);
    else
        m_painter.drawCardFace(painter, card.cardNumber, at.x, at.y);
}

void CardGameWindow::nameSlot(int slot)
{
    m_cardButtons[static_cast<std::size_t>(slot)]->setAccessibleName(
        CardWords::slotName(slot, m_table.slot(slot)));
}

void CardGameWindow::drawSlot(int slot)
{
    nameSlot(slot);
    QPainter painter(&m_tablePicture);
    paintSlot(painter, slot);
    painter.end();
    const TablePoint at = cardPosition(slot);
    repaint(at.x, at.y, CardWidth, CardHeight);
}

void CardGameWindow::redrawTable()
{
    m_tablePicture.fill(TableColour);
    QPainter painter(&m_tablePicture);
    for (int slot = 0; slot < TableSlots; ++slot) {
        paintSlot(painter, slot);
        nameSlot(slot);
    }
    painter.end();
    repaint();
}

void CardGameWindow::showWinnings()
{
    m_winningsLabel->setText(tr("Winnings: %1").arg(m_context.state.winnings));
}

} // namespace zantaro
