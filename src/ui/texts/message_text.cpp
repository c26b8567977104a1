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

namespace {

QString number(std::int64_t value, MessageNumbers style)
{
    QLocale locale = playerLocale();
    switch (style) {
    case MessageNumbers::Grouped:
        return locale.toString(static_cast<qlonglong>(value));
    case MessageNumbers::TwoDecimals: // as "%7.2f": the decimal sign of the language, no grouping
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return QStringLiteral("%1").arg(locale.toString(static_cast<double>(value), 'f', 2), 7);
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
        if (line.id != MessageId::NoWinningLines) // the only line that stands alone, unended
            text += QStringLiteral("\r\n");
    }
    return text.left(static_cast<qsizetype>(MaxReportLength));
}

} // namespace zantaro
