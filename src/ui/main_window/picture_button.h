// SPDX-License-Identifier: GPL-3.0-or-later
// PictureButton: a picture that acts as a button - the command buttons and the logo - shown one
// device pixel to one.
#pragma once

#include <QImage>
#include <QWidget>

namespace zantaro {

class PictureButton : public QWidget
{
    Q_OBJECT

public:
    PictureButton(int number, QWidget* parent);
    int number() const { return m_number; }
    // Stands at `geometry` of its parent with `picture` as its face, the picture resized to the
    // device pixels the button covers there.
    void place(const QRect& geometry, const QImage& picture);
    // The blank face, and the picture shown: the face with whatever was painted on it, both in the
    // device pixels the button covers.
    const QImage& face() const { return m_face; }
    QImage& picture() { return m_picture; }

signals:
    void clicked(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_number;
    QImage m_face;
    QImage m_picture;
};

// The device pixels a rectangle of a window covers at a pixel ratio, its edges rounded as the
// raster engine fills them.
QSize devicePixelsCovered(const QRect& rect, qreal devicePixelRatio);

} // namespace zantaro
