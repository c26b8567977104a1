// SPDX-License-Identifier: GPL-3.0-or-later
// HintStyle: the application style with hints that show 50 ms after the pointer comes to rest.
#pragma once

#include "game/timings.h"

#include <QProxyStyle>

namespace zantaro {

class HintStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return static_cast<int>(timings::HintDelay.count());
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace zantaro
