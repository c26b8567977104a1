// SPDX-License-Identifier: GPL-3.0-or-later
#include "payoff_chart_window.h"

#include "game/picture_names.h"
#include "ui/dialogs/pay_table_text.h"
#include "ui/dialogs/side_window_look.h"

#include <QImageReader>
#include <QLabel>

namespace zantaro {

namespace {

constexpr QSize DesignClientSize(632, 413);

// Only a Windows bitmap will do, whatever else a file of that name might hold.
QImage readBitmap(const QString& path)
{
    QImageReader reader(path, "bmp");
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

} // namespace

PayoffChartWindow::PayoffChartWindow(const QString& programDirectory, std::function<void(int)> showHelpTopic,
                                     QWidget* parent)
    : HelpKeyDialog(std::move(showHelpTopic), parent)
{
    setUpSideWindow(*this, tr("Payoff Chart"), DesignClientSize);

    const QString path = programDirectory + QLatin1String(PayoffChartFileName);
    const QImage chart = readBitmap(path);
    m_loaded = !chart.isNull();
    if (!m_loaded)
        return;

    // A screen of more device pixels shows the larger chart when it is there at its exact size.
    QPixmap shown = QPixmap::fromImage(chart);
    if (const int scale = sharpScaleFor(devicePixelRatioF()); scale > 1) {
        const QImage sharp = readBitmap(QString::fromStdString(scaledPictureName(path.toStdString(), scale)));
        if (sharp.size() == chart.size() * scale) {
            shown = QPixmap::fromImage(sharp);
            shown.setDevicePixelRatio(scale);
        }
    }
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(shown);
    image->setGeometry(QRect(QPoint(0, 0), chart.size()));
    // The chart's text alternative; the picture takes the keyboard focus (it draws none), so a
    // screen reader reads it as the window opens.
    image->setAccessibleName(tr("Payoff chart"));
    image->setAccessibleDescription(PayTableText::text());
    image->setFocusPolicy(Qt::TabFocus);
    image->setFocus();
    fixClientSize(*this, chart.size());
}

void PayoffChartWindow::open(const QString& programDirectory, std::function<void(int)> showHelpTopic,
                             QWidget* parent)
{
    auto* window = new PayoffChartWindow(programDirectory, std::move(showHelpTopic), parent);
    if (window->loaded()) {
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->QDialog::open(); // not the static open() above
    } else {
        delete window;
        showInformation(parent, tr(MissingPayoffChartMessage));
    }
}

} // namespace zantaro
