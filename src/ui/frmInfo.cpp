#include "frmInfo.h"

#include "ClickableLabel.h"
#include "Pictures.h"
#include "browser/ReadMeCaret.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>

namespace vastrel::ui {

namespace {

QFont serifTitleFont()
{
    QFont font(QStringLiteral("Times New Roman"), 18, QFont::Bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace

frmInfo::frmInfo(platform::Dialogs& dialogs, const QIcon& icon, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Informazioni su Vastrel"));
    setModal(true);
    createControls(icon);
    // Load handler: the build's version goes into the label's template.
    lblVersion->setText(
        versionCaption(lblVersion->text(), VASTREL_VERSION_MAJOR, VASTREL_VERSION_MINOR));
}

QString frmInfo::versionCaption(const QString& designCaption, int major, int minor)
{
    QString caption = designCaption;
    caption[9] = QString::number(major).front();
    const QString twoDigits = QStringLiteral("%1").arg(minor, 2, 10, QChar(u'0'));
    caption[11] = twoDigits[0];
    caption[12] = twoDigits[1];
    return caption;
}

QWidget* frmInfo::createProgramFrame(const QIcon& icon)
{
    fraProgram = new QGroupBox(QStringLiteral("Vastrel - by Korvi"), this);
    fraProgram->setObjectName(QStringLiteral("fraProgram"));
    fraProgram->setFont(serifTitleFont());
    const QFont normal(QStringLiteral("Arial"), 9);

    auto* imgIcona = new QLabel(fraProgram);
    imgIcona->setObjectName(QStringLiteral("imgIcona"));
    imgIcona->setPixmap(icon.pixmap(32, 32));
    imgIcona->setScaledContents(true);
    imgIcona->setGeometry(16, 40, 32, 32);

    auto addLabel = [&](const char* name, const QString& text, QRect where) {
        auto* l = new QLabel(text, fraProgram);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(normal);
        l->setGeometry(where);
        return l;
    };
    addLabel("lblCopyright",
             QStringLiteral("© 2026 Korvi. Vastrel non scrive mai nella collezione."),
             QRect(64, 36, 420, 18));
    // The platform part of the template names the system this build runs on.
    lblVersion =
        addLabel("lblVersion",
                 QStringLiteral("Versione _.__ per Sistemi Linux a %1 bit").arg(QSysInfo::WordSize),
                 QRect(64, 56, 420, 18));
    QFont bold = normal;
    bold.setBold(true);
    lblVersion->setFont(bold);
    addLabel("lblURLLabel", QStringLiteral("URL:"), QRect(64, 84, 48, 18));
    addLabel("lbleMailLabel", QStringLiteral("eMail:"), QRect(64, 104, 48, 18));

    QFont underlined = normal;
    underlined.setUnderline(true);
    lblURL = new ClickableLabel(QString::fromLatin1(kUrl), fraProgram);
    lblURL->setObjectName(QStringLiteral("lblURL"));
    lblURL->setToolTip(
        QStringLiteral(" Fare un Click con il Mouse per Copiare l'Indirizzo della HomePage. "));
    lbleMail = new ClickableLabel(QString::fromLatin1(kMail), fraProgram);
    lbleMail->setObjectName(QStringLiteral("lbleMail"));
    lbleMail->setToolTip(
        QStringLiteral(" Fare un Click con il Mouse per Copiare l'Indirizzo eMail. "));
    for (QLabel* l : {lblURL, lbleMail}) {
        l->setFont(underlined);
        l->setCursor(Qt::PointingHandCursor);
    }
    lblURL->setGeometry(116, 84, 360, 18);
    lbleMail->setGeometry(116, 104, 360, 18);
    connect(static_cast<ClickableLabel*>(lblURL), &ClickableLabel::clicked, this,
            &frmInfo::lblURL_Click);
    connect(static_cast<ClickableLabel*>(lbleMail), &ClickableLabel::clicked, this,
            &frmInfo::lbleMail_Click);
    return fraProgram;
}

void frmInfo::createControls(const QIcon& icon)
{
    setFont(QFont(QStringLiteral("Arial"), 9));
    auto* imgKorvi = new QLabel(this);
    imgKorvi->setObjectName(QStringLiteral("imgKorvi"));
    imgKorvi->setPixmap(Pictures::sharp(QStringLiteral(":/korvi.png"), QSize(480, 480)));
    imgKorvi->setGeometry(8, 8, 480, 480);

    createProgramFrame(icon)->setGeometry(500, 4, 500, 132);

    txtReadMe = new QPlainTextEdit(this);
    txtReadMe->setObjectName(QStringLiteral("txtReadMe"));
    txtReadMe->setReadOnly(true);
    txtReadMe->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    txtReadMe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtReadMe->setFont(platform::Fonts::fixedPitch(9));
    txtReadMe->setBackgroundRole(QPalette::Window);
    txtReadMe->viewport()->setBackgroundRole(QPalette::Window);
    txtReadMe->setGeometry(500, 142, 500, 306);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setGeometry(900, 456, 100, 32);
    connect(cmdOK, &QPushButton::clicked, this, &frmInfo::cmdOK_Click);

    setFixedSize(1008, 496);
}

void frmInfo::setReadMe(const QString& text)
{
    txtReadMe->setPlainText(text);
}

QString frmInfo::readMe() const
{
    return txtReadMe->toPlainText();
}

void frmInfo::reject()
{
    // Escape presses the one button.
    cmdOK_Click();
}

void frmInfo::cmdOK_Click()
{
    hide();
}

void frmInfo::execPlaced(const std::function<QPoint(QSize)>& place, QSize frame)
{
    m_place = place;
    const QSize known = frameGeometry().size() - size();
    applyPlace(known.isNull() ? frame : known);
    exec();
    m_place = nullptr;
}

void frmInfo::applyPlace(QSize frame)
{
    m_placedFrame = frame;
    move(m_place(size() + frame));
}

bool frmInfo::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    const auto type = event->type();
    if (m_place && isVisible() &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)) {
        const QSize frame = frameGeometry().size() - size();
        if (!frame.isNull()) {
            if (frame != m_placedFrame)
                applyPlace(frame);
            m_place = nullptr;
        }
    }
    return handled;
}

void frmInfo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmInfo::Form_Activate()
{
    const QString text = txtReadMe->toPlainText();
    if (const auto caret = browser::ReadMeCaret::onShowing(text, !m_shownBefore)) {
        QTextCursor cursor = txtReadMe->textCursor();
        cursor.setPosition(caret->anchor);
        cursor.setPosition(caret->position, QTextCursor::KeepAnchor);
        txtReadMe->setTextCursor(cursor);
    }
    m_shownBefore = true;
    txtReadMe->setFocus();
    txtReadMe->ensureCursorVisible();
}

void frmInfo::lbleMail_Click()
{
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(QString::fromLatin1(kMail));
    m_dialogs.message(this, platform::Dialogs::Icon::Information,
                      QStringLiteral("Informazioni su Vastrel - eMail"),
                      QStringLiteral(" Adesso È Possibile Incollare l'Indirizzo eMail in un "
                                     "Programma di Posta Elettronica. "));
}

void frmInfo::lblURL_Click()
{
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(QString::fromLatin1(kUrl));
    m_dialogs.message(this, platform::Dialogs::Icon::Information,
                      QStringLiteral("Informazioni su Vastrel - URL"),
                      QStringLiteral(" Adesso È Possibile Incollare l'Indirizzo della HomePage "
                                     "in un WWW Browser. "));
}

} // namespace vastrel::ui
