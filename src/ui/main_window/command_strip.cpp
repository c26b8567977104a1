// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_strip.h"

#include "caption_fit.h"

#include <QCoreApplication>
#include <QShortcut>

namespace zantaro {

namespace {

struct CommandText
{
    const char* caption;
    const char* hint;
    // Alt and a letter of the caption; the plain keys belong to the spin and the bet.
    const char* shortcut;
};

constexpr std::array<CommandText, CommandCount> Commands{{
    {QT_TRANSLATE_NOOP("CommandStrip", "Help?"), QT_TRANSLATE_NOOP("CommandStrip", "View the Zantaro Manual"),
     "Alt+H"},
    {QT_TRANSLATE_NOOP("CommandStrip", "Pay Mode"),
     QT_TRANSLATE_NOOP("CommandStrip", "Instant Payoff or Count Off Credits"), "Alt+M"},
    {QT_TRANSLATE_NOOP("CommandStrip", "Pay Chart"),
     QT_TRANSLATE_NOOP("CommandStrip", "View the Zantaro Payoff Chart"), "Alt+C"},
    {QT_TRANSLATE_NOOP("CommandStrip", "Borrow"), QT_TRANSLATE_NOOP("CommandStrip", "Borrow Credits"),
     "Alt+B"},
    {QT_TRANSLATE_NOOP("CommandStrip", "New Game"), QT_TRANSLATE_NOOP("CommandStrip", "Start a New Game"),
     "Alt+N"},
    {QT_TRANSLATE_NOOP("CommandStrip", "Summary"), QT_TRANSLATE_NOOP("CommandStrip", "Summary of Last Spin"),
     "Alt+Y"},
    {QT_TRANSLATE_NOOP("CommandStrip", "Auto Spin"),
     QT_TRANSLATE_NOOP("CommandStrip", "Click to Start Auto Spin Mode"), "Alt+A"},
    {QT_TRANSLATE_NOOP("CommandStrip", "Exit"), QT_TRANSLATE_NOOP("CommandStrip", "Exit"), "Alt+X"},
    {QT_TRANSLATE_NOOP("CommandStrip", "Sound"),
     QT_TRANSLATE_NOOP("CommandStrip", "Click to Turn Sound On or Off"), "Alt+O"},
    {QT_TRANSLATE_NOOP("CommandStrip", "WWW Site"),
     QT_TRANSLATE_NOOP("CommandStrip", "Visit the Hollowmere Internet Site"), "Alt+W"},
    {QT_TRANSLATE_NOOP("CommandStrip", "Double"),
     QT_TRANSLATE_NOOP("CommandStrip", "Click to Disable the Double or Nothing Bonus Game"), "Alt+D"},
    {QT_TRANSLATE_NOOP("CommandStrip", "Save Game"), QT_TRANSLATE_NOOP("CommandStrip", "Save a Game"),
     "Alt+S"},
    {QT_TRANSLATE_NOOP("CommandStrip", "Load Game"), QT_TRANSLATE_NOOP("CommandStrip", "Load a Game"),
     "Alt+L"},
    {QT_TRANSLATE_NOOP("CommandStrip", "Stats"),
     QT_TRANSLATE_NOOP("CommandStrip", "View Your Zantaro Statistics"), "Alt+T"},
}};

const QColor Yellow(255, 255, 0);
const QColor Grey(192, 192, 192);
const QColor White(255, 255, 255);

} // namespace

QString commandCaption(int number)
{
    return QCoreApplication::translate("CommandStrip", Commands[static_cast<std::size_t>(number)].caption);
}

QKeySequence commandShortcut(int number)
{
    return QKeySequence(QString::fromLatin1(Commands[static_cast<std::size_t>(number)].shortcut));
}

std::optional<bool> toggleState(int number, const GameState& state)
{
    switch (number) {
    case PayModeCommand:
        return state.payMode;
    case AutoSpinCommand:
        return state.autoSpin;
    case SoundCommand:
        return state.sound;
    case DoubleCommand:
        return state.doubleOn;
    default:
        return std::nullopt;
    }
}

QColor captionColour(int number, const GameState& state)
{
    if (number == AutoSpinCommand && state.autoSpin)
        return White;
    if ((number == SoundCommand && !state.sound) || (number == DoubleCommand && !state.doubleOn))
        return Grey;
    if (number == PayModeCommand && !state.payMode)
        return Grey;
    return Yellow;
}

CommandStrip::CommandStrip(QImage blankFace, QWidget* window, std::function<void(int)> onCommand)
    : m_blankFace(std::move(blankFace))
{
    for (int number = 0; number < CommandCount; ++number) {
        auto* button = new PictureButton(number, window);
        button->setText(commandCaption(number)); // the name assistive technology reads
        button->setToolTip(
            QCoreApplication::translate("CommandStrip", Commands[static_cast<std::size_t>(number)].hint));
        button->setKeySequence(commandShortcut(number));
        auto* shortcut = new QShortcut(commandShortcut(number), window);
        QObject::connect(shortcut, &QShortcut::activated, window, [onCommand, number] { onCommand(number); });
        button->setCheckable(toggleState(number, GameState()).has_value());
        QObject::connect(button, &QAbstractButton::clicked, window,
                         [onCommand, number] { onCommand(number); });
        m_buttons[static_cast<std::size_t>(number)] = button;
    }
}

void CommandStrip::place(const WindowLayout& layout, const WindowView& view, qreal devicePixelRatio)
{
    for (PictureButton* button : m_buttons)
        button->place(view.toWindow(commandButtonRect(layout, button->number())), m_blankFace);
    const qreal scale = devicePixelRatio * view.scale();
    const QSize buttonPixels = (QSizeF(layout.commandButtonSize) * scale).toSize();
    m_captionPixels = captionPixelSize(buttonPixels, scale * layout.captionScale);
}

// Each caption is drawn centred on a fresh copy of the blank face, in the device pixels the button
// covers, so it is hinted to the screen's own pixels and a caption that changes colour leaves no
// fringe of the old one.
void CommandStrip::drawCommandCaptions(const GameState& state)
{
    for (PictureButton* button : m_buttons) {
        QImage& picture = button->picture();
        picture = button->face().copy();
        paintCaption(picture, commandCaption(button->number()), captionColour(button->number(), state),
                     m_captionPixels);
        button->update();
    }
    showToggleStates(state);
}

void CommandStrip::showToggleStates(const GameState& state)
{
    for (PictureButton* button : m_buttons) {
        if (const std::optional<bool> on = toggleState(button->number(), state))
            button->setChecked(*on);
    }
}

void CommandStrip::updateToggleHint(int number, const GameState& state)
{
    QString hint;
    switch (number) {
    case PayModeCommand:
        hint = state.payMode ? QCoreApplication::translate("CommandStrip", "Paymode is Count Off Credits")
                             : QCoreApplication::translate("CommandStrip", "Paymode is Instant Payoff");
        break;
    case AutoSpinCommand:
        hint = state.autoSpin ? QCoreApplication::translate("CommandStrip", "Auto Spin Mode: On")
                              : QCoreApplication::translate("CommandStrip", "Auto Spin Mode: Off");
        break;
    case SoundCommand:
        hint = state.sound ? QCoreApplication::translate("CommandStrip", "Sound is On")
                           : QCoreApplication::translate("CommandStrip", "Sound is Off");
        break;
    case DoubleCommand:
        hint = state.doubleOn ? QCoreApplication::translate("CommandStrip", "Double or Nothing Game is On")
                              : QCoreApplication::translate("CommandStrip", "Double or Nothing Game is Off");
        break;
    default:
        return;
    }
    button(number).setToolTip(hint);
}

} // namespace zantaro
