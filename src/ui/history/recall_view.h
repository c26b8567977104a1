// SPDX-License-Identifier: GPL-3.0-or-later
// RecallView: one recalled spin - the nine symbols it stopped on, small, with its paying lines
// drawn across them in their colours, and beside them its words, heading first.
#pragma once

#include "game/spin_recall.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

namespace zantaro {

class RecallView : public QWidget
{
    Q_OBJECT

public:
    RecallView(const SpinRecall& recall, int ordinal, const QImage& symbolSheet, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    const QStringList& lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintSymbols(QPainter& painter) const;

    const SpinRecall m_recall;
    const QImage m_symbolSheet; // implicitly shared: the window's sheet, not a copy of its pixels
    QString m_heading;
    QStringList m_lines;
};

} // namespace zantaro
