// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_text.h"

#include "game/game_state.h"

#include <QCoreApplication>

namespace zantaro {

QLocale playerLocale()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

QString groupedNumberText(std::int64_t value, int width)
{
    return QStringLiteral("%1").arg(playerLocale().toString(static_cast<qlonglong>(value)), width);
}

QString fixedPointText(double value, int width, int decimals)
{
    QLocale locale = playerLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return QStringLiteral("%1").arg(locale.toString(value, 'f', decimals), width);
}

namespace {

QString number(std::int64_t value, MessageNumbers style)
{
    switch (style) {
    case MessageNumbers::Grouped:
        return groupedNumberText(value, 0);
    case MessageNumbers::TwoDecimals: // as "%7.2f"
        return fixedPointText(static_cast<double>(value), 7, 2);
    case MessageNumbers::Plain:
        break;
    }
    return QString::number(value);
}

} // namespace

QString messageText(const Message& message)
{
    const MessageNumbers style = numberStyle(message.id);
    QString text = QCoreApplication::translate(MessageContext, messageSource(message.id));
    if (text.contains(QLatin1String("%2")))
        return text.arg(number(message.first, style), number(message.second, style));
    if (text.contains(QLatin1String("%1")))
        return text.arg(number(message.first, style));
    return text;
}

QString reportText(const SpinReport& report)
{
    QString text;
    for (const Message& line : report) {
        text += messageText(line);
        if (endsReportLine(line.id))
            text += QStringLiteral("\r\n");
    }
    return text.left(static_cast<qsizetype>(MaxReportLength));
}

} // namespace zantaro
