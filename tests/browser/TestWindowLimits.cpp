#include "browser/SizeSwitch.h"
#include "browser/WindowLimits.h"

#include <QTest>

using namespace vastrel::browser;

namespace {} // namespace

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

    // The window's state before a switch, and what the switch then does: "mode, client height
    // or same size, picture first or not".
    void switchPlan_data()
    {
        QTest::addColumn<bool>("toHalf");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("plan");
        QTest::newRow("halving") << true << "restored"
                                 << "half 167";
        QTest::newRow("doubling: the picture first") << false << "restored"
                                                     << "full 326 picture";
        QTest::newRow("maximized halving") << true << "maximized"
                                           << "half same picture";
        QTest::newRow("maximized doubling") << false << "maximized"
                                            << "full same picture";
        QTest::newRow("minimized") << true << "minimized"
                                   << "nothing";
    }

    void switchPlan()
    {
        QFETCH(bool, toHalf);
        QFETCH(QString, window);
        QFETCH(QString, plan);
        const auto change =
            SizeSwitch::to(toHalf ? SizeMode::Half : SizeMode::Full, window == "maximized",
                           window == "minimized", toHalf ? 326 : 167, 23, 4);
        QString seen = "nothing";
        if (change)
            seen = QString("%1 %2%3")
                       .arg(change->mode == SizeMode::Half ? "half" : "full")
                       .arg(change->clientHeight ? QString::number(*change->clientHeight) : "same")
                       .arg(change->showPicture ? " picture" : "");
        QCOMPARE(seen, plan);
    }
};

QTEST_GUILESS_MAIN(TestWindowLimits)
#include "TestWindowLimits.moc"
