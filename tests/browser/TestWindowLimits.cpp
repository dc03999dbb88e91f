#include "browser/MainLayout.h"
#include "browser/WindowLimits.h"

#include <QTest>

using namespace vastrel::browser;

namespace {

// The list height H that the layout gives a client height in the given mode.
int listHeight(int clientHeight, bool half)
{
    LayoutInput in;
    in.client = QSize(600, clientHeight);
    in.outer = in.client;
    in.screen = QSize(1024, 768);
    in.halfMode = half;
    return MainLayout::Form_Resize(in).H;
}

} // namespace

class TestWindowLimits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outerLimits_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("caption");
        QTest::addColumn<bool>("half");
        QTest::addColumn<QSize>("minimum");

        QTest::newRow("full mode") << 4 << 23 << false << QSize(540, 353);
        QTest::newRow("half mode") << 4 << 23 << true << QSize(540, 194);
        QTest::newRow("no frame") << 0 << 0 << false << QSize(532, 326);
        QTest::newRow("no frame, half mode") << 0 << 0 << true << QSize(532, 167);
    }

    void outerLimits()
    {
        QFETCH(int, border);
        QFETCH(int, caption);
        QFETCH(bool, half);
        QFETCH(QSize, minimum);
        const auto limits =
            WindowLimits::compute(border, caption, half, 2 * border + 532, 2345, 1234);
        QCOMPARE(limits.minimum, minimum);
        QCOMPARE(limits.maximum, QSize(2345, 1234));
    }

    // From a measured window to what Qt gets: a client area from the designed minimum up to
    // twice the screen.
    void clientLimitsOfLayout_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("half");
        QTest::addColumn<QSize>("minimum");

        QTest::newRow("full mode") << QSize(8, 27) << QSize(1024, 768) << false << QSize(532, 326);
        QTest::newRow("half mode") << QSize(8, 27) << QSize(1024, 768) << true << QSize(532, 167);
        QTest::newRow("no frame") << QSize(0, 0) << QSize(1920, 1080) << false << QSize(532, 326);
        QTest::newRow("thick frame")
            << QSize(20, 40) << QSize(1366, 768) << true << QSize(532, 167);
        // The border width 4.5 becomes 4, so the window may be one pixel narrower than 532.
        QTest::newRow("odd frame") << QSize(9, 30) << QSize(800, 600) << false << QSize(531, 326);
    }

    void clientLimitsOfLayout()
    {
        QFETCH(QSize, frame);
        QFETCH(QSize, screen);
        QFETCH(bool, half);
        QFETCH(QSize, minimum);
        LayoutInput in;
        in.client = QSize(700, 500);
        in.outer = in.client + frame;
        in.screen = screen;
        in.halfMode = half;
        const LayoutResult m = MainLayout::Form_Resize(in);
        const auto outer =
            WindowLimits::compute(m.borderWidth, m.captionHeight, half, m.minWindowWidth,
                                  m.maxWindowWidth, m.maxWindowHeight);
        const auto client = WindowLimits::clientLimits(outer, frame);
        QCOMPARE(client.minimum, minimum);
        const int oddWidth = frame.width() % 2;
        QCOMPARE(client.maximum, 2 * screen - QSize(oddWidth, 0));
    }

    void clientLimitsNeverNegative()
    {
        const WindowLimits::Limits outer{QSize(10, 300), QSize(20, 30)};
        const auto client = WindowLimits::clientLimits(outer, QSize(15, 40));
        QCOMPARE(client.minimum, QSize(0, 260));
        QCOMPARE(client.maximum, QSize(5, 0));
    }

    void sizeSwitch_data()
    {
        QTest::addColumn<int>("SH");
        QTest::addColumn<int>("caption");
        QTest::addColumn<int>("border");
        QTest::addColumn<double>("halved");
        QTest::addColumn<int>("halvedClient");
        QTest::addColumn<int>("doubled");

        QTest::newRow("full minimum to half minimum") << 326 << 23 << 4 << 194.0 << 167 << 671;
        QTest::newRow("half minimum") << 167 << 23 << 4 << 114.5 << 88 << 353;
        // 167.5 + 27 is 194.5, which would round to 194 and a client height of 167.
        QTest::newRow("odd height, odd frame") << 327 << 23 << 4 << 194.5 << 168 << 673;
        QTest::newRow("168.5 to 168") << 329 << 23 << 4 << 195.5 << 168 << 677;
        QTest::newRow("no frame") << 327 << 0 << 0 << 167.5 << 168 << 646;
        QTest::newRow("even frame") << 331 << 20 << 6 << 195.5 << 170 << 680;
    }

    void sizeSwitch()
    {
        QFETCH(int, SH);
        QFETCH(int, caption);
        QFETCH(int, border);
        QFETCH(double, halved);
        QFETCH(int, halvedClient);
        QFETCH(int, doubled);
        const double outer = WindowLimits::halvedOuterHeight(SH, caption, border);
        QCOMPARE(outer, halved);
        QCOMPARE(WindowLimits::clientHeightFor(outer, caption, border), halvedClient);
        QCOMPARE(WindowLimits::doubledOuterHeight(SH, caption, border), doubled);
    }

    // Halving and doubling keep the list height, whatever the frame.
    void switchKeepsListHeight_data()
    {
        QTest::addColumn<int>("caption");
        QTest::addColumn<int>("border");
        QTest::newRow("odd frame") << 23 << 4;
        QTest::newRow("even frame") << 23 << 5;
        QTest::newRow("no frame") << 0 << 0;
    }

    void switchKeepsListHeight()
    {
        QFETCH(int, caption);
        QFETCH(int, border);
        for (int full = 326; full < 1600; ++full) {
            const double outer = WindowLimits::halvedOuterHeight(full, caption, border);
            const int half = WindowLimits::clientHeightFor(outer, caption, border);
            QCOMPARE(listHeight(half, true), listHeight(full, false));
        }
        for (int half = 167; half < 800; ++half) {
            const int outer = WindowLimits::doubledOuterHeight(half, caption, border);
            const int full = outer - caption - border;
            QCOMPARE(listHeight(full, false), listHeight(half, true));
            const double back = WindowLimits::halvedOuterHeight(full, caption, border);
            QCOMPARE(WindowLimits::clientHeightFor(back, caption, border), half);
        }
    }
};

QTEST_GUILESS_MAIN(TestWindowLimits)
#include "TestWindowLimits.moc"
