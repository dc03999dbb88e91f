#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace vastrel::platform {
class Dialogs;
}

namespace vastrel::ui {

// The About window: name, version and icon of the program, the maker's picture and
// addresses, and the read-me text. It is loaded hidden at start-up, shown modally, and
// hidden again by its one button.
class frmInfo : public QDialog
{
    Q_OBJECT

public:
    frmInfo(platform::Dialogs& dialogs, const QIcon& icon, QWidget* parent = nullptr);

    void setReadMe(const QString& text);
    QString readMe() const;

    static QString versionCaption(const QString& designCaption, int major, int minor);

    // Shows the window modally where place puts a window of its outer size, frame
    // included. Before its first showing the window has no frame yet: frame is the one it
    // is expected to get, and it is placed again once the window system has framed it.
    void execPlaced(const std::function<QPoint(QSize outer)>& place, QSize frame = QSize(0, 0));

    static constexpr auto kUrl = "https://vastrel.example.org/";
    static constexpr auto kMail = "korvi@vastrel.example.org";

public Q_SLOTS:
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyPlace(QSize frame);
    void createControls(const QIcon& icon);
    QWidget* createProgramFrame(const QIcon& icon);
    void Form_Activate();
    void cmdOK_Click();
    void lbleMail_Click();
    void lblURL_Click();

    platform::Dialogs& m_dialogs;
    QGroupBox* fraProgram = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblURL = nullptr;
    QLabel* lbleMail = nullptr;
    QPushButton* cmdOK = nullptr;
    QPlainTextEdit* txtReadMe = nullptr;
    // Shown once already: the read-me box keeps the caret the user left.
    bool m_shownBefore = false;
    std::function<QPoint(QSize)> m_place;
    QSize m_placedFrame;
};

} // namespace vastrel::ui
