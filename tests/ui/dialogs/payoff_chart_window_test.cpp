// SPDX-License-Identifier: GPL-3.0-or-later
// The payoff chart window: it fits the chart picture exactly, and refuses to open on a picture that
// is missing or is not a readable bitmap.
#include "modal_answers.h"
#include "support/named_cases.h"
#include "ui/dialogs/payoff_chart_window.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

// A chart with a distinct colour in each corner, so a shifted or scaled copy shows.
QImage chartPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(20, 40, 60));
    QPainter painter(&picture);
    painter.fillRect(0, 0, 10, 10, Qt::red);
    painter.fillRect(size.width() - 10, size.height() - 10, 10, 10, Qt::green);
    return picture;
}

class PayoffChartWindowTest : public ::testing::Test
{
protected:
    QString directory() const { return m_directory.path() + QLatin1Char('/'); }
    QString chartPath() const { return directory() + QStringLiteral("Paychart.bmp"); }
    void writeChart(const QByteArray& bytes) const
    {
        QFile file(chartPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    std::vector<int> helpTopics;
    std::function<void(int)> showHelpTopic = [this](int topic) { helpTopics.push_back(topic); };

private:
    QTemporaryDir m_directory;
};

TEST_F(PayoffChartWindowTest, aPictureOf700By500GivesAClientAreaOf700By500)
{
    const QImage picture = chartPicture({700, 500});
    ASSERT_TRUE(picture.save(chartPath()));

    const PayoffChartWindow window(directory(), showHelpTopic);

    ASSERT_TRUE(window.loaded());
    EXPECT_EQ(window.windowTitle(), "Payoff Chart");
    EXPECT_EQ(window.size(), QSize(700, 500));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.findChild<QLabel*>("Image1")->geometry(), QRect(0, 0, 700, 500));
    const QImage shown =
        const_cast<PayoffChartWindow&>(window).grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, picture);
}

TEST_F(PayoffChartWindowTest, openShowsTheChartModally)
{
    ASSERT_TRUE(chartPicture({320, 240}).save(chartPath()));
    QSize shownSize;
    const ModalAnswer answer = ModalAnswer::to<PayoffChartWindow>([&shownSize](PayoffChartWindow& window) {
        shownSize = window.size();
        window.close();
    });

    PayoffChartWindow::open(directory(), showHelpTopic, nullptr);
    while (shownSize.isEmpty()) // the window is open; the answer comes from the event loop
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

    EXPECT_EQ(shownSize, QSize(320, 240));
}

struct BrokenChartCase : NamedCase
{
    std::function<QByteArray()> bytes; // empty: no file at all
};

class BrokenChart : public PayoffChartWindowTest, public ::testing::WithParamInterface<BrokenChartCase>
{
};

TEST_P(BrokenChart, isReportedAndTheWindowDoesNotOpen)
{
    if (GetParam().bytes)
        writeChart(GetParam().bytes());
    EXPECT_FALSE(PayoffChartWindow(directory(), showHelpTopic).loaded());

    QString message;
    const ModalAnswer answer = acknowledgeNextMessage(message);
    PayoffChartWindow::open(directory(), showHelpTopic, nullptr);

    EXPECT_EQ(message, "The payoff chart picture Paychart.bmp is missing or damaged.");
}

QByteArray encoded(const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    chartPicture({64, 48}).save(&buffer, format);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    PayoffChartWindow, BrokenChart,
    ::testing::Values(BrokenChartCase{{"missingFile"}, {}},
                      BrokenChartCase{{"emptyFile"}, [] { return QByteArray(); }},
                      BrokenChartCase{{"textFile"}, [] { return QByteArray("not a picture\n"); }},
                      BrokenChartCase{{"truncatedBitmap"}, [] { return encoded("BMP").left(40); }},
                      BrokenChartCase{{"pngUnderTheBitmapName"}, [] { return encoded("PNG"); }}),
    caseName);

TEST_F(PayoffChartWindowTest, f1OpensTheChartsTopic)
{
    ASSERT_TRUE(chartPicture({100, 100}).save(chartPath()));
    PayoffChartWindow window(directory(), showHelpTopic);

    QTest::keyClick(&window, Qt::Key_F1);

    EXPECT_EQ(helpTopics, std::vector<int>{41010});
}

} // namespace
} // namespace zantaro::testing
