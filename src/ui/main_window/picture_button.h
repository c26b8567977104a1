// SPDX-License-Identifier: GPL-3.0-or-later
// PictureButton: a picture that acts as a button - the command buttons and the logo - shown one
// device pixel to one. It is a real button for the keyboard and for assistive technology: Tab
// reaches it, Return or Space presses it, and a toggle reports the checked state the game gives it.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QKeySequence>

namespace zantaro {

class PictureButton : public QAbstractButton
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
    // The window's shortcut that runs the same command, told to assistive technology. The window
    // owns the shortcut itself: a button's own shortcut would press it only after a delay.
    void setKeySequence(const QKeySequence& keys) { m_keySequence = keys; }
    const QKeySequence& keySequence() const { return m_keySequence; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A toggle's state is the game's: a press runs the command, which sets the state.
    void nextCheckState() override {}

private:
    int m_number;
    QImage m_face;
    QImage m_picture;
    QKeySequence m_keySequence;
};

// The device pixels a rectangle of a window covers at a pixel ratio, its edges rounded as the
// raster engine fills them.
QSize devicePixelsCovered(const QRect& rect, qreal devicePixelRatio);

// Return or the keypad's Enter: the key that presses the focused control.
bool isReturnKey(const QKeyEvent& event);

} // namespace zantaro
