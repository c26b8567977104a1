// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: a text browser over the manual with contents, back and forward buttons.
#pragma once

#include <QCoreApplication>
#include <QUrl>
#include <QWidget>

class QFileInfo;
class QTextBrowser;

namespace zantaro {

// The anchor of the manual's contents page; topic n is at the anchor "topic-n".
inline constexpr const char* ContentsAnchor = "contents";
QString topicAnchor(int topic);

class HelpViewer : public QWidget
{
    // Without a meta-object of its own, QWidget's tr() would look its texts up as QWidget's.
    Q_DECLARE_TR_FUNCTIONS(HelpViewer)

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Each loads helpFile unless it is the manual already shown, moves to the place asked for and
    // brings the window up; false, with nothing shown, when the file is missing or is not a manual.
    bool showContents(const QString& helpFile);
    bool showTopic(const QString& helpFile, int topic);

private:
    bool showAt(const QString& helpFile, const QString& anchor);
    bool load(const QFileInfo& file, const QUrl& manual);
    bool hasAnchor(const QString& name) const;
    void moveTo(const QString& anchor);
    void present();

    QTextBrowser* m_browser;
    QUrl m_manual; // the file shown, without a fragment; empty until one has loaded
};

} // namespace zantaro
