// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's way to what the main window only paints: HotSpot over SPIN, STOP and the bet
// adjusters, ReadingSpot for the texts a player asks to hear (the spin's outcome, the balance).
#pragma once

#include <QAbstractButton>

namespace zantaro {

// A button over a control that the main window paints itself (SPIN, STOP, the bet adjusters): it
// draws nothing (the window draws its focus ring) and lets the mouse through to the window, which
// handles clicks on the painted control as it always has. Return presses it; Space goes on to the window,
// where it stops a running spin.
class HotSpot : public QAbstractButton
{
    Q_OBJECT

public:
    HotSpot(const QString& name, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

// A focusable place whose accessible name is a text to be read: a screen reader speaks it when it
// takes the focus. It draws nothing (the window draws its focus ring) and leaves every key to the
// window.
class ReadingSpot : public QWidget
{
    Q_OBJECT

public:
    ReadingSpot(const QString& name, QWidget* parent);
    // Stands at `geometry` of its parent, with its twin.
    void place(const QRect& geometry);
    // Sets the text and gives it the focus, so that it is read.
    void read(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ReadingSpot(const QString& name, QWidget* parent, Qt::FocusPolicy policy);

    ReadingSpot* m_twin = nullptr; // the spot's stand-in for a text read while it has the focus
};

// Whether a child of the window is one of these spots: they are its only children the mouse goes
// through, draw nothing of their own, and have their focus ring drawn by the window.
inline bool isKeyboardSpot(const QWidget& child)
{
    return child.testAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace zantaro
