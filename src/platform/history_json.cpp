// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_json.h"

#include "game/reels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>

namespace zantaro {

namespace {

constexpr int FormatVersion = 1;
constexpr qsizetype MaxEventsPerSpin = 64;
constexpr std::int64_t MillisecondsPerDay = 86'400'000;
constexpr int BellPoolFlag = 1;
constexpr int FreeSpinFlag = 2;

template <typename Container> QJsonArray arrayOf(const Container& values)
{
    QJsonArray array;
    for (const auto value : values)
        array.append(static_cast<qint64>(value));
    return array;
}

QJsonObject recallToJson(const SpinRecall& recall)
{
    QJsonArray events;
    for (const SpinEvent& event : recall.events)
        events.append(QJsonArray{static_cast<int>(event.kind), event.value});
    QJsonObject object{
        {QStringLiteral("clock"), static_cast<qint64>(recall.clockValue)},
        {QStringLiteral("free"), recall.freeSpin},
        {QStringLiteral("lines"), recall.linesPlayed},
        {QStringLiteral("coins"), recall.coinsPerLine},
        {QStringLiteral("bet"), recall.bet},
        {QStringLiteral("lamp"), recall.bonusLamp},
        {QStringLiteral("symbols"), arrayOf(recall.symbols)},
        {QStringLiteral("linePays"), arrayOf(recall.linePays)},
        {QStringLiteral("events"), events},
        {QStringLiteral("winnings"), recall.winnings},
        {QStringLiteral("creditsAfter"), recall.creditsAfter},
    };
    if (recall.doubleOrNothingPlayed)
        object.insert(QStringLiteral("double"),
                      QJsonArray{recall.doubleOrNothingStake, recall.doubleOrNothingResult});
    return object;
}

// Reading: every check throws the reason, so one bad value discards the whole file.
struct Damaged
{
    QString reason;
};

std::int64_t integerIn(const QJsonValue& value, std::int64_t lowest, std::int64_t highest, const char* what)
{
    const double number = value.toDouble();
    // The range is checked before the conversion, which is undefined for a double out of range.
    const bool inRange = number >= static_cast<double>(lowest) && number <= static_cast<double>(highest);
    if (!value.isDouble() || !inRange || std::trunc(number) != number)
        throw Damaged{QStringLiteral("%1 is not a number from %2 to %3")
                          .arg(QLatin1String(what))
                          .arg(lowest)
                          .arg(highest)};
    return static_cast<std::int64_t>(number);
}

std::int32_t int32In(const QJsonValue& value, std::int64_t lowest, const char* what)
{
    return static_cast<std::int32_t>(integerIn(value, lowest, INT32_MAX, what));
}

QJsonArray arrayIn(const QJsonValue& value, qsizetype minimum, qsizetype maximum, const char* what)
{
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.size() < minimum || array.size() > maximum)
        throw Damaged{QStringLiteral("%1 is not a list of %2 to %3 entries")
                          .arg(QLatin1String(what))
                          .arg(minimum)
                          .arg(maximum)};
    return array;
}

bool booleanIn(const QJsonValue& value, const char* what)
{
    if (!value.isBool())
        throw Damaged{QStringLiteral("%1 is not true or false").arg(QLatin1String(what))};
    return value.toBool();
}

SpinRecall recallFromJson(const QJsonValue& value)
{
    if (!value.isObject())
        throw Damaged{QStringLiteral("a recalled spin is not an object")};
    const QJsonObject object = value.toObject();
    SpinRecall recall;
    recall.clockValue = integerIn(object[QLatin1String("clock")], 0, MillisecondsPerDay - 1, "clock");
    recall.freeSpin = booleanIn(object[QLatin1String("free")], "free");
    recall.linesPlayed = int32In(object[QLatin1String("lines")], INT32_MIN, "lines");
    recall.coinsPerLine = int32In(object[QLatin1String("coins")], INT32_MIN, "coins");
    recall.bet = int32In(object[QLatin1String("bet")], 0, "bet");
    recall.bonusLamp = int32In(object[QLatin1String("lamp")], 0, "lamp");
    if (recall.bonusLamp >= LampCount)
        throw Damaged{QStringLiteral("lamp is not one of the eight")};
    const QJsonArray symbols = arrayIn(object[QLatin1String("symbols")], WheelCount, WheelCount, "symbols");
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        recall.symbols[wheel] =
            static_cast<std::uint8_t>(integerIn(symbols[wheel], 0, SymbolCount - 1, "symbol"));
    const QJsonArray pays =
        arrayIn(object[QLatin1String("linePays")], PaylineCount, PaylineCount, "linePays");
    for (int line = 0; line < PaylineCount; ++line)
        recall.linePays[line] = int32In(pays[line], 0, "line pay");
    for (const QJsonValue event : arrayIn(object[QLatin1String("events")], 0, MaxEventsPerSpin, "events")) {
        const QJsonArray pair = arrayIn(event, 2, 2, "event");
        const auto kind =
            static_cast<SpinEventKind>(integerIn(pair[0], 0, SpinEventKindCount - 1, "event kind"));
        recall.events.push_back({kind, int32In(pair[1], 0, "event value")});
    }
    if (object.contains(QLatin1String("double"))) {
        const QJsonArray round = arrayIn(object[QLatin1String("double")], 2, 2, "double");
        recall.doubleOrNothingPlayed = true;
        recall.doubleOrNothingStake = int32In(round[0], 0, "double stake");
        recall.doubleOrNothingResult = int32In(round[1], 0, "double result");
    }
    recall.winnings = int32In(object[QLatin1String("winnings")], 0, "winnings");
    recall.creditsAfter = int32In(object[QLatin1String("creditsAfter")], INT32_MIN, "creditsAfter");
    return recall;
}

ChartPoint pointFromJson(const QJsonValue& value)
{
    const QJsonArray triple = arrayIn(value, 3, 3, "chart point");
    const auto flags = integerIn(triple[2], 0, BellPoolFlag | FreeSpinFlag, "chart flags");
    return {int32In(triple[0], INT32_MIN, "chart credits"), int32In(triple[1], 0, "chart bet"),
            (flags & BellPoolFlag) != 0, (flags & FreeSpinFlag) != 0};
}

GameHistory historyFromDocument(const QJsonDocument& document)
{
    if (!document.isObject())
        throw Damaged{QStringLiteral("it is not a JSON object")};
    const QJsonObject root = document.object();
    if (integerIn(root[QLatin1String("version")], 0, INT32_MAX, "version") != FormatVersion)
        throw Damaged{QStringLiteral("it is of another version")};
    GameHistory history;
    for (const QJsonValue recall :
         arrayIn(root[QLatin1String("recalls")], 0, GameHistory::RecallCount, "recalls"))
        history.addRecall(recallFromJson(recall));
    for (const QJsonValue point : arrayIn(root[QLatin1String("chart")], 0, GameHistory::ChartLength, "chart"))
        history.addPoint(pointFromJson(point));
    return history;
}

} // namespace

QByteArray historyToJson(const GameHistory& history)
{
    QJsonArray recalls;
    for (const SpinRecall& recall : history.recalls())
        recalls.append(recallToJson(recall));
    QJsonArray chart;
    for (const ChartPoint& point : history.chart())
        chart.append(
            QJsonArray{point.creditsAfter, point.betPerSpin,
                       (point.bellPoolWon ? BellPoolFlag : 0) | (point.freeSpin ? FreeSpinFlag : 0)});
    const QJsonObject root{{QStringLiteral("version"), FormatVersion},
                           {QStringLiteral("recalls"), recalls},
                           {QStringLiteral("chart"), chart}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<GameHistory> historyFromJson(const QByteArray& json, QString& problem)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        problem = QStringLiteral("it is not JSON (%1)").arg(error.errorString());
        return std::nullopt;
    }
    try {
        return historyFromDocument(document);
    } catch (const Damaged& damaged) {
        problem = damaged.reason;
        return std::nullopt;
    }
}

} // namespace zantaro
