// SPDX-License-Identifier: GPL-3.0-or-later
// PyramidSquare: one square of the Pyramid, played by a click or from the keyboard - a closed or
// opened tile with the text drawn on it - and the text styles of its number and of the labels
// behind it.
#pragma once

#include "ui/accessibility/piece_button.h"

#include <QColor>
#include <QImage>
#include <string_view>

namespace zantaro {

struct SquareTextStyle
{
    QColor colour;
    int points = 8;
    bool bold = false;
    bool italic = false;
};

// The closed square's number: yellow, bold, 24 points.
SquareTextStyle numberStyle();
// The style of a label once its square is open.
SquareTextStyle labelStyle(std::string_view label);
// The pixel height of a font of the given points on the 96 pixels per inch the window is laid out for.
int pixelsForPoints(int points);

class PyramidSquare : public PieceButton
{
    Q_OBJECT

public:
    explicit PyramidSquare(QWidget* parent);

    // A closed square shows its number centred with (64 - size) / 2, an opened one its label
    // centred with 32 - size / 2; the two round an odd size to different sides.
    enum class Centring
    {
        Closed,
        Opened
    };
    void setContent(const QImage& tile, const QString& text, const SquareTextStyle& style, Centring centring);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintText(QPainter& painter) const;

    QImage m_tile;
    QString m_text;
    SquareTextStyle m_style;
    Centring m_centring = Centring::Closed;
};

} // namespace zantaro
