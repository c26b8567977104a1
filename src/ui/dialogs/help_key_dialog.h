// SPDX-License-Identifier: GPL-3.0-or-later
// HelpKeyDialog: a side window whose F1 key opens its topic of the help file.
#pragma once

#include <QDialog>
#include <functional>

namespace zantaro {

class HelpKeyDialog : public QDialog
{
public:
    HelpKeyDialog(std::function<void(int helpTopic)> showHelpTopic, QWidget* parent);

protected:
    // The topic F1 opens now.
    virtual int helpTopic() const = 0;
    void showHelpTopic(int topic) const { m_showHelpTopic(topic); }
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void(int)> m_showHelpTopic;
};

} // namespace zantaro
