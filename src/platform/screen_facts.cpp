#include "screen_facts.h"

#include <QGuiApplication>
#include <QScreen>

namespace zantaro {

ScreenFacts primaryScreenFacts()
{
    ScreenFacts facts;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        facts.width = screen->geometry().width();
        facts.height = screen->geometry().height();
        facts.bitsPerPixel = screen->depth();
        facts.dotsPerInch = qRound(screen->logicalDotsPerInch());
    }
    return facts;
}

} // namespace zantaro
