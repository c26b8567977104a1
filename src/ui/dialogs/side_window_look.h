// SPDX-License-Identifier: GPL-3.0-or-later
// The look the side windows share: the window font, a fixed dialog frame with only a close box,
// centring on the screen, and the information box they report with.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStyle>

class QDialog;
class QPushButton;
class QWidget;

namespace zantaro {

// Sizes are in pixels, like every position in these windows: 8-point type is 11 pixels high,
// 10-point type 13, whatever the screen's resolution.
QFont sideWindowFont(int pixelHeight, bool bold = false);

// The colour of a widget's text, labels and edit boxes alike.
void setTextColour(QWidget& widget, const QColor& colour);

// Caption, a client area of exactly clientSize that the player cannot resize, a frame with only a
// close box, and the window centred on the screen of its parent.
void setUpSideWindow(QDialog& window, const QString& caption, QSize clientSize);

// Keeps clientSize as the fixed size and centres the window again.
void fixClientSize(QDialog& window, QSize clientSize);

// A push button with one of the style's standard glyphs beside its text.
QPushButton* addGlyphButton(QWidget* parent, const QString& text, QStyle::StandardPixmap glyph,
                            const QRect& geometry);

// An information box with an OK button.
void showInformation(QWidget* parent, const QString& text);

} // namespace zantaro
