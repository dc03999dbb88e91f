#include "aboutwindow/frmInfo.h"
#include "startup/ReadMe.h"
#include "support/ScriptedDialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using vastrel::aboutwindow::frmInfo;
using vastrel::startup::ModuleState;

namespace {

struct About
{
    explicit About(const QString& readMe) : window(state, dialogs, QIcon())
    {
        window.setReadMe(readMe);
        box = window.findChild<QPlainTextEdit*>("txtReadMe");
    }

    // Shows the window as the program does (modally) and closes it with its button.
    void showAndClose()
    {
        window.open();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        selection = box->textCursor().selectedText();
        caret = box->textCursor().position();
        QTest::mouseClick(window.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    ModuleState state;
    ScriptedDialogs dialogs;
    frmInfo window;
    QPlainTextEdit* box;
    QString selection;
    int caret = -1;
};

QString readMe(bool withSix)
{
    QString text = "Vastrel\n\nascolta i brani scelti. Poi altro testo che continua a lungo.\n\n";
    text += " --- 5. Ascolto ---\n\n";
    if (withSix)
        text += " --- 6. Tasti e comandi " + QString(46, '-') + "\n\n   F1  tutti gli album\n";
    return text;
}

} // namespace

class TestAboutWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionCaption_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("caption");
        QTest::newRow("1.07") << 1 << 7 << "Versione 1.07 per Sistemi Linux a 64 bit";
        QTest::newRow("3.45") << 3 << 45 << "Versione 3.45 per Sistemi Linux a 64 bit";
        QTest::newRow("only the first digit of the major")
            << 12 << 0 << "Versione 1.00 per Sistemi Linux a 64 bit";
        QTest::newRow("first two digits of the minor")
            << 2 << 123 << "Versione 2.12 per Sistemi Linux a 64 bit";
    }

    void versionCaption()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, caption);
        QCOMPARE(frmInfo::versionCaption("Versione _.__ per Sistemi Linux a 64 bit", major, minor),
                 caption);
    }

    void designState()
    {
        About a{QString()};
        QCOMPARE(a.window.windowTitle(), QString("Informazioni su Vastrel"));
        QVERIFY(a.window.findChild<QLabel*>("lblVersion")->text().startsWith("Versione 1.00 per "));
        QVERIFY(a.window.findChild<QLabel*>("lblVersion")->font().bold());
        auto* ok = a.window.findChild<QPushButton*>("cmdOK");
        QCOMPARE(ok->text(), QString("&OK"));
        QVERIFY(ok->isDefault());
        QVERIFY(a.box->isReadOnly());
        QVERIFY(!(a.window.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(a.window.findChild<QLabel*>("lblURL")->toolTip(),
                 QString(" Fare un Click con il Mouse per Copiare l'Indirizzo della HomePage. "));
        QCOMPARE(a.window.findChild<QLabel*>("lbleMail")->toolTip(),
                 QString(" Fare un Click con il Mouse per Copiare l'Indirizzo eMail. "));
    }

    void firstShowingSelectsTheKeysSectionAndLaterOnesKeepTheUsersChoice()
    {
        About a(readMe(true));
        a.showAndClose();
        QVERIFY(a.state.aboutShown);
        QCOMPARE(a.selection,
                 "--- 6. Tasti e comandi " + QString(46, '-') + QChar(0x2029) + QChar(0x2029));
        QCOMPARE(a.selection.size(), 71);

        // The user moves the caret; the next showing leaves it there.
        QTextCursor c = a.box->textCursor();
        c.setPosition(3);
        a.box->setTextCursor(c);
        a.showAndClose();
        QCOMPARE(a.caret, 3);
        QVERIFY(a.selection.isEmpty());
    }

    void withoutTheKeysSectionTheCaretGoesPastTheIntroduction()
    {
        About a(readMe(false));
        a.showAndClose();
        QVERIFY(a.selection.isEmpty());
        QCOMPARE(a.caret, int(a.box->toPlainText().indexOf("brani scelti.")) + 27);
    }

    void theNoticeOfAMissingReadMeIsSelected_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("notice") << vastrel::startup::ReadMe::load("/nowhere/Leggimi.txt")
                                << " ATTENZIONE! ";
        QTest::newRow("at the very start nothing is selected") << " ATTENZIONE! e basta"
                                                               << "";
        QTest::newRow("none of the phrases") << "un testo qualunque"
                                             << "";
    }

    void theNoticeOfAMissingReadMeIsSelected()
    {
        QFETCH(QString, text);
        QFETCH(QString, selected);
        About a(text);
        a.showAndClose();
        QCOMPARE(a.selection, selected);
    }

    void escapeHidesTheWindow()
    {
        About a{QString()};
        a.window.open();
        QVERIFY(QTest::qWaitForWindowExposed(&a.window));
        QTest::keyClick(&a.window, Qt::Key_Escape);
        QVERIFY(!a.window.isVisible());
    }

    void addressesAreCopiedWithTheirMessage_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("mail") << "lbleMail" << frmInfo::kMail << "Informazioni su Vastrel - eMail"
                              << " Adesso È Possibile Incollare l'Indirizzo eMail in un Programma "
                                 "di Posta Elettronica. ";
        QTest::newRow("url") << "lblURL" << frmInfo::kUrl << "Informazioni su Vastrel - URL"
                             << " Adesso È Possibile Incollare l'Indirizzo della HomePage in un "
                                "WWW Browser. ";
    }

    void addressesAreCopiedWithTheirMessage()
    {
        QFETCH(QString, label);
        QFETCH(QString, address);
        QFETCH(QString, title);
        QFETCH(QString, text);
        About a{QString()};
        auto* l = a.window.findChild<QLabel*>(label);
        QCOMPARE(l->text(), address);
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(l, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), address);
        QCOMPARE(a.dialogs.messages.size(), 2);
        QCOMPARE(a.dialogs.messages.last().title, title);
        QCOMPARE(a.dialogs.messages.last().text, text);
        QVERIFY(a.dialogs.messages.last().icon == vastrel::platform::Dialogs::Icon::Information);
    }
};

QTEST_MAIN(TestAboutWindow)
#include "TestAboutWindow.moc"
