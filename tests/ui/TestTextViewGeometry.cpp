// Where the plain-text view's lines and columns fall in its viewport, for any font, size and
// scroll: painting, hit testing and scrolling must agree.

#include "platform/Fonts.h"
#include "ui/TextViewGeometry.h"

#include <QTest>
#include <cmath>

using vastrel::ui::TextViewGeometry;

class TestTextViewGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void agrees_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QSize>("viewport");
        QTest::addColumn<int>("firstLine");
        QTest::addColumn<int>("xOffset");
        QTest::newRow("the pane's font, no scroll") << 9 << QSize(240, 135) << 0 << 0;
        QTest::newRow("scrolled down and right") << 9 << QSize(240, 135) << 7 << 45;
        QTest::newRow("a large font") << 30 << QSize(500, 300) << 3 << 10;
        QTest::newRow("smaller than a line") << 9 << QSize(6, 4) << 0 << 0;
    }

    void agrees()
    {
        QFETCH(int, points);
        QFETCH(QSize, viewport);
        QFETCH(int, firstLine);
        QFETCH(int, xOffset);
        TextViewGeometry g;
        g.setFont(vastrel::platform::Fonts::fixedPitch(points));
        g.setViewport(viewport);
        g.setScroll(firstLine, xOffset);
        // A point of a line's row, or of a column's cell, hits that line or column.
        for (int line = firstLine; line < firstLine + 5; ++line) {
            QCOMPARE(g.lineAt(g.y(line)), line);
            QCOMPARE(g.lineAt(g.y(line) + g.lineHeight() - 1), line);
        }
        for (int column = 0; column < 40; ++column) {
            const int left = int(std::ceil(g.x(column)));
            QCOMPARE(int(std::floor(g.columnAt(left))), column);
            QCOMPARE(int(std::floor(g.columnAt(int(std::ceil(g.x(column + 1))) - 1))), column);
        }
        // The full lines fit, one more would not; paging always moves.
        const int full = g.fullLines();
        QVERIFY(full >= 1);
        if (full > 1)
            QVERIFY(g.y(firstLine + full) <= viewport.height());
        QVERIFY(g.y(firstLine + full + 1) > viewport.height());
        // The columns that fit, caret included, and not one more.
        const int fitting = g.columnsFitting();
        QVERIFY(fitting >= 1);
        if (fitting > 1)
            QVERIFY(g.contentWidth(fitting) <= viewport.width());
        QVERIFY(g.contentWidth(fitting + 1) > viewport.width());
        // The columns on show, partly shown ones included.
        const int first = g.firstVisibleColumn();
        const int last = g.lastVisibleColumn();
        QVERIFY(g.x(first) <= 0 || first == 0);
        QVERIFY(g.x(first + 1) > 0);
        QVERIFY(g.x(last) <= viewport.width());
        QVERIFY(g.x(last + 1) > viewport.width());
    }
};

QTEST_MAIN(TestTextViewGeometry)
#include "TestTextViewGeometry.moc"
