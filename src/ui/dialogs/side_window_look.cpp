// SPDX-License-Identifier: GPL-3.0-or-later
#include "side_window_look.h"

#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace zantaro {

QFont sideWindowFont(int pixelHeight, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif); // any sans-serif face where DejaVu is not installed
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void setTextColour(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

void setUpSideWindow(QDialog& window, const QString& caption, QSize clientSize)
{
    window.setWindowTitle(caption);
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    fixClientSize(window, clientSize);
}

void fixClientSize(QDialog& window, QSize clientSize)
{
    window.setFixedSize(clientSize);
    const QWidget* parent = window.parentWidget();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    window.move(screen->availableGeometry().center() - window.rect().center());
}

QPushButton* addGlyphButton(QWidget* parent, const QString& text, QStyle::StandardPixmap glyph,
                            const QRect& geometry)
{
    auto* button = new QPushButton(parent->style()->standardIcon(glyph), text, parent);
    button->setGeometry(geometry);
    return button;
}

void showInformation(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QStringLiteral("Zantaro Slots"), text);
}

} // namespace zantaro
