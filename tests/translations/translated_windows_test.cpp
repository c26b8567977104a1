// SPDX-License-Identifier: GPL-3.0-or-later
// Each window in each of the game's languages: every label and button shows its whole text inside
// its window, no two texts overlap, the mnemonics of a window's buttons differ, the title is the
// language's own, and the Pyramid's painted labels and instructions fit their places.
#include "support/named_cases.h"
#include "support/recording_host.h"
#include "translations/translations.h"
#include "ui/card_game/card_game_window.h"
#include "ui/dialogs/borrow_dialog.h"
#include "ui/dialogs/recording_slot_store.h"
#include "ui/dialogs/statistics_window.h"
#include "ui/double_or_nothing/game_on_host.h"
#include "ui/history/history_window.h"
#include "ui/pyramid/pyramid_square.h"
#include "ui/pyramid/pyramid_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

namespace zantaro::testing {
namespace {

// Everything a window reads, kept alive while it is open.
struct WindowGame : GameOnHost<RecordingHost>
{
    WindowGame() { state.winnings = 40; }
    RecordingSlotStore savedGames{state};
    GameHistory history;
};

struct WindowCase : NamedCase
{
    const char* englishTitle;
    std::function<std::unique_ptr<QWidget>(WindowGame&)> open;
};

const WindowCase Windows[] = {
    {{"borrowDialog"},
     "Use this form to borrow or pay back credits",
     [](WindowGame& game) {
         return std::make_unique<BorrowDialog>(
             game.state, [](BorrowMode, std::int32_t) { return std::optional<Message>(); },
             [](QPainter&, std::int64_t, int, int, bool, bool, bool) {}, [](int) {});
     }},
    {{"gameSlotDialogToSave"},
     "Save a Game -- Select Game Slot",
     [](WindowGame& game) {
         return std::make_unique<GameSlotDialog>(true, game.savedGames.saveLoadGame(),
                                                 game.savedGames.readSlot(), [](int) {});
     }},
    {{"gameSlotDialogToOpen"},
     "Open a Game -- Select Game Slot",
     [](WindowGame& game) {
         return std::make_unique<GameSlotDialog>(false, game.savedGames.saveLoadGame(),
                                                 game.savedGames.readSlot(), [](int) {});
     }},
    {{"statisticsWindow"},
     "Your Game Statistics",
     [](WindowGame& game) { return std::make_unique<StatisticsWindow>(game.state, nullptr, [] {}); }},
    {{"historyWindow"},
     "Your Game History",
     [](WindowGame& game) {
         for (std::int32_t spin = 1; spin <= 12; ++spin)
             game.history.record(
                 {.linesPlayed = 8, .coinsPerLine = 1, .bet = 8, .creditsAfter = 1000 + spin});
         return std::make_unique<HistoryWindow>(game.history, QImage(), [](int) {});
     }},
    {{"cardGameWindow"},
     "Double or Nothing Card Game",
     [](WindowGame& game) { return std::make_unique<CardGameWindow>(game.context, [](int) {}); }},
    {{"pyramidWindow"},
     "Pyramid",
     [](WindowGame& game) { return std::make_unique<PyramidWindow>(game.context); }},
};

struct Language : NamedCase
{
    QLocale::Language language;
};

const Language Languages[] = {{{"English"}, QLocale::English},
                              {{"German"}, QLocale::German},
                              {{"French"}, QLocale::French},
                              {{"Spanish"}, QLocale::Spanish}};

// Installs the game's translators for the language, and its numbers; English needs none.
void speak(QLocale::Language language)
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(language == QLocale::English ? QLocale::c() : QLocale(language));
    if (language != QLocale::English) {
        ASSERT_EQ(installTranslations(*qApp, QLocale(language)), language);
    }
}

int textWidth(const QWidget& widget, const QString& text)
{
    return widget.fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

// Where a label or button shows its text, in its parent's coordinates: a button all over, a label
// where its lines lie.
QRect textArea(const QWidget& widget)
{
    const auto* label = qobject_cast<const QLabel*>(&widget);
    if (!label)
        return widget.geometry();
    const int margin = label->margin();
    const QRect contents = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const int flags = static_cast<int>(label->alignment()) | Qt::TextShowMnemonic |
                      (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics().boundingRect(contents, flags, label->text()).translated(label->pos());
}

// Why the widget's text does not fit its place, or nothing.
std::string cutText(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const int room = label->contentsRect().width() - 2 * label->margin();
        if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                              : textWidth(*label, label->text()) > room)
            return "the label's text is cut";
        return {};
    }
    const auto& button = static_cast<const QAbstractButton&>(widget);
    if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
        QStyleOptionButton option;
        option.initFrom(push);
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        const QRect contents = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
        const int icon = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
        return textWidth(*push, push->text()) + icon > contents.width() ? "the button's text is cut" : "";
    }
    return button.sizeHint().width() > button.width() ? "the button's text is cut" : "";
}

QChar mnemonic(const QString& text)
{
    const qsizetype at = QString(text).replace(QStringLiteral("&&"), QStringLiteral("__")).indexOf('&');
    return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
}

class TranslatedWindow : public ::testing::TestWithParam<std::tuple<Language, WindowCase>>
{
protected:
    void SetUp() override
    {
        speak(std::get<0>(GetParam()).language);
        window = std::get<1>(GetParam()).open(game);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        speak(QLocale::English);
    }

    QList<QWidget*> texts() const
    {
        QList<QWidget*> found;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(widget);
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            const QString text = label ? label->text() : button ? button->text() : QString();
            if (!text.isEmpty() && widget->isVisibleTo(window.get()))
                found << widget;
        }
        return found;
    }

    static std::string nameOf(const QWidget* widget)
    {
        const auto* label = qobject_cast<const QLabel*>(widget);
        return (label ? label->text() : static_cast<const QAbstractButton*>(widget)->text()).toStdString();
    }

    WindowGame game;
    std::unique_ptr<QWidget> window;
};

TEST_P(TranslatedWindow, showsEveryLabelAndButtonWholeInsideTheWindow)
{
    for (const QWidget* widget : texts()) {
        EXPECT_EQ(cutText(*widget), "") << nameOf(widget);
        const QRect area = textArea(*widget);
        const QRect inWindow(widget->parentWidget()->mapTo(window.get(), area.topLeft()), area.size());
        EXPECT_TRUE(window->rect().contains(inWindow)) << nameOf(widget) << " lies outside the window";
    }
}

TEST_P(TranslatedWindow, letsNoTwoTextsOverlap)
{
    const QList<QWidget*> widgets = texts();
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        for (qsizetype j = i + 1; j < widgets.size(); ++j) {
            if (widgets[i]->parentWidget() == widgets[j]->parentWidget()) {
                EXPECT_FALSE(textArea(*widgets[i]).intersects(textArea(*widgets[j])))
                    << nameOf(widgets[i]) << " overlaps " << nameOf(widgets[j]);
            }
        }
    }
}

TEST_P(TranslatedWindow, givesEachButtonOfTheWindowItsOwnMnemonic)
{
    std::map<QChar, std::string> taken;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const QChar key = mnemonic(button->text());
        if (!key.isNull()) {
            EXPECT_TRUE(taken.emplace(key, button->text().toStdString()).second)
                << button->text().toStdString() << " and " << taken[key];
        }
    }
}

TEST_P(TranslatedWindow, isTitledInTheLanguage)
{
    const bool english = std::get<0>(GetParam()).language == QLocale::English;
    EXPECT_EQ(window->windowTitle() == QLatin1String(std::get<1>(GetParam()).englishTitle), english)
        << window->windowTitle().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, TranslatedWindow,
                         ::testing::Combine(::testing::ValuesIn(Languages), ::testing::ValuesIn(Windows)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

class TranslatedPyramid : public ::testing::TestWithParam<Language>
{
protected:
    void SetUp() override { speak(GetParam().language); }
    void TearDown() override { speak(QLocale::English); }
    WindowGame game;
};

TEST_P(TranslatedPyramid, paintsEveryLabelWithinItsSquareAndShowsTheWholeInstruction)
{
    PyramidWindow window(game.context);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const std::string_view label : {LoseLabel, HintLabel, TryAgainLabel, std::string_view("5X")}) {
        const SquareTextStyle style = labelStyle(label);
        QFont font = window.square(0)->font();
        font.setPixelSize(pixelsForPoints(style.points));
        font.setBold(style.bold);
        font.setItalic(style.italic);
        const QString text =
            QCoreApplication::translate("zantaro::PyramidWindow", std::string(label).c_str());
        EXPECT_LE(QFontMetrics(font).horizontalAdvance(text), SquareSize) << text.toStdString();
    }
    const auto* instruction = window.findChild<QPlainTextEdit*>();
    ASSERT_NE(instruction, nullptr);
    EXPECT_EQ(instruction->verticalScrollBar()->maximum(), 0) << instruction->toPlainText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedPyramid, ::testing::ValuesIn(Languages), caseName);

TEST(GermanWindows, readInGerman)
{
    speak(QLocale::German);
    WindowGame game;
    const BorrowDialog dialog(
        game.state, [](BorrowMode, std::int32_t) { return std::optional<Message>(); },
        [](QPainter&, std::int64_t, int, int, bool, bool, bool) {}, [](int) {});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Hier leihen Sie Credits oder zahlen sie zurück"));
    EXPECT_EQ(dialog.findChild<QPushButton*>("BitBtn7")->text(), QStringLiteral("&Hilfe"));
    speak(QLocale::English);
}

} // namespace
} // namespace zantaro::testing
