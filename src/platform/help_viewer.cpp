// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_viewer.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace zantaro {

namespace {

QToolButton* addToolButton(QHBoxLayout* bar, const QString& text, QStyle::StandardPixmap icon,
                           const QKeySequence& shortcut)
{
    auto* button = new QToolButton;
    button->setText(text);
    button->setIcon(bar->parentWidget()->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus); // the keys belong to the manual; the buttons have shortcuts
    button->setShortcut(shortcut);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(text, shortcut.toString(QKeySequence::NativeText)));
    bar->addWidget(button);
    return button;
}

} // namespace

QString topicAnchor(int topic)
{
    return QStringLiteral("topic-%1").arg(topic);
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser)
{
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(tr("Zantaro Slots Help"));
    // The manual must not keep the program running once the game's own window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    auto* bar = new QHBoxLayout;
    layout->addLayout(bar);
    layout->addWidget(m_browser);

    QToolButton* contents = addToolButton(bar, tr("Contents"), QStyle::SP_FileDialogContentsView,
                                          QKeySequence(Qt::ALT | Qt::Key_Home));
    QToolButton* back = addToolButton(bar, tr("Back"), QStyle::SP_ArrowBack, QKeySequence::Back);
    QToolButton* forward = addToolButton(bar, tr("Forward"), QStyle::SP_ArrowForward, QKeySequence::Forward);
    bar->addStretch();
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QToolButton::clicked, this, [this] { moveTo(QString::fromLatin1(ContentsAnchor)); });
    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    const QSize available = screen()->availableGeometry().size();
    resize(std::min(760, available.width() - 40), std::min(640, available.height() - 60));
}

bool HelpViewer::showContents(const QString& helpFile)
{
    return showAt(helpFile, QString::fromLatin1(ContentsAnchor));
}

bool HelpViewer::showTopic(const QString& helpFile, int topic)
{
    return showAt(helpFile, topicAnchor(topic));
}

bool HelpViewer::showAt(const QString& helpFile, const QString& anchor)
{
    const QFileInfo file(helpFile);
    const QUrl manual = QUrl::fromLocalFile(file.absoluteFilePath());
    const bool fresh = manual != m_manual;
    if (fresh && !load(file, manual))
        return false;
    // Shown first: a hidden browser puts off scrolling to an anchor until it is shown, which would
    // undo the contents page's scroll to the very top.
    present();
    moveTo(hasAnchor(anchor) ? anchor : QString::fromLatin1(ContentsAnchor));
    if (fresh) // the history of a newly opened manual starts at the place asked for
        m_browser->clearHistory();
    return true;
}

bool HelpViewer::load(const QFileInfo& file, const QUrl& manual)
{
    if (!file.isFile() || !file.isReadable())
        return false;
    m_browser->setSource(manual, QTextDocument::HtmlResource);
    // A file without the contents anchor is not our manual (an empty file, or another format).
    if (!hasAnchor(QString::fromLatin1(ContentsAnchor))) {
        m_browser->clear();
        m_browser->clearHistory();
        m_manual.clear();
        return false;
    }
    m_browser->document()->setDocumentMargin(12);
    m_manual = manual;
    return true;
}

bool HelpViewer::hasAnchor(const QString& name) const
{
    for (QTextBlock block = m_browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().anchorNames().contains(name))
                return true;
        }
    }
    return false;
}

void HelpViewer::moveTo(const QString& anchor)
{
    QUrl target = m_manual;
    target.setFragment(anchor);
    m_browser->setSource(target, QTextDocument::HtmlResource);
    // Asked again for the place it is at, the browser keeps its scroll position; go there anyway.
    // The contents page is the top of the manual, shown from its very first pixel.
    if (anchor == QLatin1String(ContentsAnchor))
        m_browser->verticalScrollBar()->setValue(0);
    else
        m_browser->scrollToAnchor(anchor);
}

void HelpViewer::present()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    // A modal dialog blocks every window that is not its own; the manual opened from one (its help
    // button, F1) becomes that dialog's window so that it can be scrolled and clicked.
    QWidget* modal = QApplication::activeModalWidget();
    windowHandle()->setTransientParent(modal && modal != this ? modal->window()->windowHandle() : nullptr);
}

} // namespace zantaro
