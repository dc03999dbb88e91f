#pragma once

#include "ListClicks.h"
#include "MainWindowFixture.h"
#include "mainwindow/TextPane.h"

#include <QApplication>
#include <QTest>

// The main window with every album listed ("Tutto") and activated, as the user first sees
// it, made the active window so that focus and default-button changes happen as on a desktop.
struct TrackWindow : MainWindowFixture
{
    explicit TrackWindow(const Collection& c, QSize screen = QSize(1024, 768),
                         vastrel::platform::Opener* otherOpener = nullptr)
        : MainWindowFixture(c, screen, otherOpener)
    {
        window().selectShowFilter(2);
        window().Form_Activate();
        window().activateWindow();
        if (!QTest::qWaitForWindowActive(&window()))
            qWarning("the main window did not become active");
    }

    vastrel::mainwindow::CheckList* albums() const { return ui().lstAlbum; }
    vastrel::mainwindow::CheckList* tracks() const { return ui().lstBrani; }
    QString pane() const { return ui().txtBrani->plainText(); }

    // Checks exactly these rows as a user does: a plain click on the first, Ctrl on the
    // others.
    void check(vastrel::mainwindow::CheckList* list, const QList<int>& rows)
    {
        for (qsizetype k = 0; k < rows.size(); ++k)
            clickCheckBox(list, rows[k], k == 0 ? Qt::NoModifier : Qt::ControlModifier);
    }

    QList<int> checkedRows(const vastrel::mainwindow::CheckList* list) const
    {
        QList<int> out;
        for (int i = 0; i < list->rows()->count(); ++i) {
            if (list->rows()->isChecked(i))
                out.append(i);
        }
        return out;
    }
};

// Text as the pane shows it: one line break per CR LF.
inline QString viewText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}
