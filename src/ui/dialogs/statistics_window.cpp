// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics_window.h"

#include "ui/dialogs/side_window_look.h"
#include "ui/dialogs/statistics_figures.h"
#include "ui/dialogs/text_fit.h"
#include "ui/texts/message_text.h"

#include <QLabel>
#include <QPushButton>
#include <array>

namespace zantaro {

namespace {

constexpr QSize ClientSize(632, 235);

// A counted figure with its caption: the caption's top-left corner, and the figure label's name,
// right edge and top, the label growing to the left as the figure grows.
struct FigureRow
{
    const char* caption;
    QPoint captionAt;
    const char* labelName;
    QPoint labelRightTop;
    bool bold;
    std::int64_t StatisticsFigures::*figure;
};

const std::array<FigureRow, 11> CountRows{{
    {QT_TRANSLATE_NOOP("StatisticsWindow", "Spins:"),
     {12, 14},
     "Label11",
     {281, 14},
     true,
     &StatisticsFigures::spinTotal},
    {QT_TRANSLATE_NOOP("StatisticsWindow", "Regular Spins:"),
     {28, 38},
     "Label37",
     {257, 38},
     false,
     &StatisticsFigures::regularSpins},
    {QT_TRANSLATE_NOOP("StatisticsWindow", "Free Spins:"),
     {28, 62},
     "Label39",
     {257, 62},
     false,
     &StatisticsFigures::freeSpins},
    {QT_TRANSLATE_NOOP("StatisticsWindow", "Credits:"),
     {12, 110},
     "Label12",
     {281, 110},
     true,
     &StatisticsFigures::credits},
    {QT_TRANSLATE_NOOP("StatisticsWindow", "Borrowed:"),
     {12, 142},
     "Label13",
     {281, 142},
     true,
     &StatisticsFigures::borrowed},
    {QT_TRANSLATE_NOOP("StatisticsWindow", "Total Bets:"),
     {340, 14},
     "Label27",
     {609, 14},
     true,
     &StatisticsFigures::totalBets},
    {QT_TRANSLATE_NOOP("StatisticsWindow", "Payoffs:"),
     {340, 46},
     "Label14",
     {609, 46},
     true,
     &StatisticsFigures::payoffs},
    {QT_TRANSLATE_NOOP("StatisticsWindow", "Normal:"),
     {364, 70},
     "Label22",
     {585, 70},
     false,
     &StatisticsFigures::normalPayoffs},
    {QT_TRANSLATE_NOOP("StatisticsWindow", "Free Spins:"),
     {364, 94},
     "Label16",
     {585, 94},
     false,
     &StatisticsFigures::freeSpinWinnings},
    {QT_TRANSLATE_NOOP("StatisticsWindow", "Bonus Pool:"),
     {364, 118},
     "Label17",
     {585, 118},
     false,
     &StatisticsFigures::bonusPoolWinnings},
    {QT_TRANSLATE_NOOP("StatisticsWindow", "Double or Nothing:"),
     {364, 142},
     "Label18",
     {585, 142},
     false,
     &StatisticsFigures::doubleOrNothing},
}};

QLabel* addLabel(QWidget* parent, const QString& text, int pixelHeight, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setFont(sideWindowFont(pixelHeight, bold));
    label->adjustSize();
    return label;
}

QLabel* addCaption(QWidget* parent, const QString& text, QPoint at, bool bold = false)
{
    QLabel* label = addLabel(parent, text, 13, bold);
    label->move(at);
    return label;
}

QLabel* addFigure(QWidget* parent, const char* name, const QString& text, QPoint rightTop, bool bold)
{
    QLabel* label = addLabel(parent, text, 13, bold);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->move(rightTop.x() - label->width(), rightTop.y());
    return label;
}

} // namespace

StatisticsWindow::StatisticsWindow(const GameState& state, QWidget* parent, std::function<void()> openHistory)
    : QDialog(parent)
{
    setUpSideWindow(*this, tr("Your Game Statistics"), ClientSize);
    setFont(sideWindowFont(13));
    setTextColour(*this, Qt::black);

    // Each caption is its figure's buddy, so a screen reader reads the figure as labelled by it.
    const StatisticsFigures figures = statisticsOf(state);
    for (const FigureRow& row : CountRows) {
        QLabel* caption = addCaption(this, tr(row.caption), row.captionAt);
        caption->setBuddy(addFigure(this, row.labelName, groupedNumberText(figures.*row.figure, 10),
                                    row.labelRightTop, row.bold));
    }

    QLabel* percentageCaption = addCaption(this, tr("Overall Payoff Percentage:"), {12, 190}, true);
    const QString percentage = tr("%1%").arg(fixedPointText(figures.payoffPercentage, 4, 2));
    QLabel* percentageLabel = addFigure(this, "Label25", percentage, {273, 190}, true);
    setTextColour(*percentageLabel, Qt::red);
    percentageCaption->setBuddy(percentageLabel);

    QLabel* note =
        addLabel(this, tr("(Does not include money won/lost on the double-or-nothing game)."), 11, false);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setGeometry(16, 208, 465, 41);

    QPushButton* ok = addGlyphButton(this, tr("OK"), QStyle::SP_DialogOkButton, QRect(528, 192, 89, 33));
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    if (openHistory) {
        QPushButton* history =
            addGlyphButton(this, tr("History"), QStyle::SP_FileDialogDetailedView, QRect(430, 192, 89, 33));
        history->setObjectName(QStringLiteral("HistoryButton"));
        connect(history, &QPushButton::clicked, this, std::move(openHistory));
    }
    fitTextsToWindow(*this);
}

} // namespace zantaro
