// SPDX-License-Identifier: GPL-3.0-or-later
// PictureButton: a picture that acts as a button - the command buttons and the logo.
#pragma once

#include <QImage>
#include <QWidget>

namespace zantaro {

class PictureButton : public QWidget
{
    Q_OBJECT

public:
    PictureButton(int number, const QImage& face, QWidget* parent);
    int number() const { return m_number; }
    // The blank face, and the picture shown: the face with whatever was painted on it.
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

} // namespace zantaro
