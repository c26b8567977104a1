#include "payoff_chart_window.h"

#include "ui/dialogs/side_window_look.h"

#include <QImageReader>
#include <QLabel>

namespace zantaro {

namespace {

constexpr QSize DesignClientSize(632, 413);

} // namespace

PayoffChartWindow::PayoffChartWindow(const QString& programDirectory, std::function<void(int)> showHelpTopic,
                                     QWidget* parent)
    : HelpKeyDialog(std::move(showHelpTopic), parent)
{
    setUpSideWindow(*this, QStringLiteral("Payoff Chart"), DesignClientSize);

    // Only a Windows bitmap will do, whatever else a file of that name might hold.
    QImageReader reader(programDirectory + QLatin1String(PayoffChartFileName), "bmp");
    reader.setDecideFormatFromContent(false);
    const QImage chart = reader.read();
    m_loaded = !chart.isNull();
    if (!m_loaded)
        return;

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QPixmap::fromImage(chart));
    image->setGeometry(QRect(QPoint(0, 0), chart.size()));
    fixClientSize(*this, chart.size());
}

void PayoffChartWindow::open(const QString& programDirectory, std::function<void(int)> showHelpTopic,
                             QWidget* parent)
{
    PayoffChartWindow window(programDirectory, std::move(showHelpTopic), parent);
    if (window.loaded())
        window.exec();
    else
        showInformation(parent, QLatin1String(MissingPayoffChartMessage));
}

} // namespace zantaro
