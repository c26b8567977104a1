// SPDX-License-Identifier: GPL-3.0-or-later
#include "pyramid_window.h"

#include "pyramid_square.h"
#include "resources/built_in_pictures.h"
#include "ui/dialogs/text_fit.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace zantaro {

namespace {

constexpr QSize ClientSize(592, 384);

QLabel* addLabel(QWidget* parent, const QRect& geometry, const QColor& colour, int points)
{
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    QFont font = label->font();
    font.setPixelSize(pixelsForPoints(points));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QPushButton* addButton(QWidget* parent, const QString& text, const QIcon& icon, const QRect& geometry)
{
    auto* button = new QPushButton(icon, text, parent);
    button->setGeometry(geometry);
    button->setIconSize(QSize(24, 24));
    return button;
}

} // namespace

PyramidWindow::PyramidWindow(GameContext& context, QWidget* parent, std::unique_ptr<HoldTimer> holdTimer)
    : QDialog(parent), m_context(context), m_board(context), m_holdTimer(std::move(holdTimer)),
      m_closedTile(builtInPictureFor(QStringLiteral("pyramid/BlueBox.png"), devicePixelRatioF())),
      m_openedTile(builtInPictureFor(QStringLiteral("pyramid/Red.png"), devicePixelRatioF()))
{
    setWindowTitle(tr("Pyramid"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(ClientSize);

    QLabel* caption = addLabel(this, QRect(4, 18, 117, 35), Qt::red, 14);
    caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
    caption->setText(tr("Winnings:"));
    m_winningsLabel = addLabel(this, QRect(132, 14, 165, 35), Qt::blue, 24);
    caption->setBuddy(m_winningsLabel); // a screen reader reads the amount as the winnings
    showWinnings();

    auto* memo = new QPlainTextEdit(this);
    memo->setGeometry(24, 74, 185, 89);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette memoPalette = memo->palette();
    memoPalette.setColor(QPalette::Base, Qt::black);
    memoPalette.setColor(QPalette::Text, Qt::white);
    memo->setPalette(memoPalette);
    memo->setPlainText(tr("Click a square and try to win a prize.  You can continue until you lose."));

    // The help button has no topic of its own: it is there and does nothing.
    addButton(this, tr("&Help"), style()->standardIcon(QStyle::SP_DialogHelpButton), QRect(16, 200, 129, 48));
    QPushButton* cardGame = addButton(this, tr("&Card Game"),
                                      QIcon(QPixmap::fromImage(builtInPictureFor(
                                          QStringLiteral("pyramid/CardGameGlyph.png"), devicePixelRatioF()))),
                                      QRect(16, 264, 129, 48));
    QPushButton* ok =
        addButton(this, tr("&OK"), style()->standardIcon(QStyle::SP_DialogOkButton), QRect(16, 326, 129, 48));
    ok->setDefault(true);
    ok->setFocus();
    connect(cardGame, &QPushButton::clicked, this, [this] {
        m_board.round().switchTo(DoubleOrNothingGame::CardGame);
        accept();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        m_board.round().keepWinnings();
        accept();
    });

    for (int index = 0; index < SquareCount; ++index) {
        auto* square = new PyramidSquare(this);
        const SquarePosition at = squarePosition(index);
        square->move(at.x, at.y);
        connect(square, &PyramidSquare::activated, this, [this, index] { openSquare(index); });
        m_squares[static_cast<std::size_t>(index)] = square;
        showSquare(index);
    }

    fitTextsToWindow(*this);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    move(screen->availableGeometry().center() - rect().center());
}

void PyramidWindow::done(int result)
{
    if (m_board.opening()) {
        m_holdTimer->stop();
        m_board.finishAtOnce(*this);
        if (m_board.opening() && m_hintBox)
            m_hintBox->done(QMessageBox::Ok); // the hint is taken as read: its box's close ends the opening
        else
            followOpening();
    }
    m_board.round().settle();
    QDialog::done(result);
}

void PyramidWindow::openSquare(int square)
{
    const bool wasOpen = m_board.opened(square);
    m_board.open(square, *this);
    if (wasOpen || !m_board.opened(square))
        return;
    m_openingSquare = square;
    followOpening();
}

void PyramidWindow::followOpening()
{
    if (m_board.hold() > std::chrono::milliseconds{0}) {
        m_holdTimer->start(m_board.hold(), [this] {
            m_board.finishHold(*this);
            followOpening();
        });
        return;
    }
    if (m_board.opening())
        return; // the hint box is open; its close goes on
    const QString outcome = m_board.label(m_openingSquare) == LoseLabel
                                ? tr("Square %1: %2. Winnings: %3. The game is over.")
                                : tr("Square %1: %2. Winnings: %3.");
    m_announcer.announce(
        outcome.arg(m_openingSquare + 1).arg(labelText(m_openingSquare)).arg(m_context.state.winnings));
}

QString PyramidWindow::labelText(int square) const
{
    const std::string_view label = m_board.label(square);
    if (label == LoseLabel)
        return tr("Lose");
    if (label == HintLabel)
        return tr("Hint");
    if (label == TryAgainLabel)
        return tr("Try Again");
    return QString::fromUtf8(label.data(),
                             static_cast<qsizetype>(label.size())); // "2X": read alike everywhere
}

QString PyramidWindow::squareName(int square) const
{
    return m_board.labelShown(square) ? tr("Square %1: %2").arg(square + 1).arg(labelText(square))
                                      : tr("Square %1").arg(square + 1);
}

void PyramidWindow::showSquare(int index)
{
    PyramidSquare* square = m_squares[static_cast<std::size_t>(index)];
    square->setAccessibleName(squareName(index));
    if (!m_board.opened(index)) {
        square->setContent(m_closedTile, QString::number(index + 1), numberStyle(),
                           PyramidSquare::Centring::Closed);
        return;
    }
    const bool shown = m_board.labelShown(index);
    square->setContent(m_openedTile, shown ? labelText(index) : QString(),
                       labelStyle(shown ? m_board.label(index) : std::string_view()),
                       PyramidSquare::Centring::Opened);
}

void PyramidWindow::showWinnings()
{
    m_winningsLabel->setText(QString::number(m_context.state.winnings));
}

void PyramidWindow::showHint(const std::string& text)
{
    auto* box =
        new QMessageBox(QMessageBox::Information, QStringLiteral("Zantaro Slots"),
                        QCoreApplication::translate(PyramidHintContext, text.c_str()), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    m_hintBox = box;
    connect(box, &QMessageBox::finished, this, [this] {
        m_board.hintRead();
        followOpening();
    });
    box->open();
}

} // namespace zantaro
