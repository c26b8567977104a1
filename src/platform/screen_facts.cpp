// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_facts.h"

#include <QGuiApplication>
#include <QScreen>

namespace zantaro {

ScreenFacts primaryScreenFacts()
{
    ScreenFacts facts;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        facts.width = available.width();
        facts.height = available.height();
        facts.left = available.left();
        facts.top = available.top();
        facts.bitsPerPixel = screen->depth();
        facts.dotsPerInch = qRound(screen->logicalDotsPerInch());
    }
    return facts;
}

} // namespace zantaro
