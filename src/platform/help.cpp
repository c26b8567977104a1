// SPDX-License-Identifier: GPL-3.0-or-later
#include "help.h"

#include "help_viewer.h"
#include "program_files.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>

namespace zantaro {

namespace {

// The one help window of the program, made at the first request; closing it only hides it, so the
// next request finds it with its history.
HelpViewer& helpWindow()
{
    static QPointer<HelpViewer> window;
    if (!window) {
        window = new HelpViewer;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, [] { delete window; });
    }
    return *window;
}

void reportUnreadable(const QString& helpFile)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    QMessageBox::warning(owner, QCoreApplication::translate("Help", "Zantaro Slots Help"),
                         unreadableHelpFileMessage(helpFile));
}

} // namespace

QString programHelpFile()
{
    return programDirectory() + QStringLiteral("Zantaro.hlp");
}

QString unreadableHelpFileMessage(const QString& helpFile)
{
    return QCoreApplication::translate(
               "Help", "The Zantaro manual cannot be shown: the help file %1 is missing or cannot be read.")
        .arg(QDir::toNativeSeparators(helpFile));
}

void showHelpContents(const QString& helpFile)
{
    if (!helpWindow().showContents(helpFile))
        reportUnreadable(helpFile);
}

void showHelpTopic(const QString& helpFile, int topic)
{
    if (!helpWindow().showTopic(helpFile, topic))
        reportUnreadable(helpFile);
}

} // namespace zantaro
