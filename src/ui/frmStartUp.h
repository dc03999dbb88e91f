#pragma once

#include <QDialog>
#include <QPixmap>
#include <QTimer>

class QLabel;

namespace vastrel::ui {

// The round window shown while the program starts: a disc with a hole, showing the
// collection's picture. It floats above everything until it is clicked, a key is released
// or a minute passes, and can be moved with the arrow keys or dragged with the right
// button, on a screen of the given size.
class frmStartUp : public QDialog
{
    Q_OBJECT

public:
    // A null picture leaves the design-time one.
    frmStartUp(QSize screen, const QImage& picture, QWidget* parent = nullptr);

    // The position that centres the window on a screen of the given size.
    static QPoint centredOn(QSize screen);
    // The disc with its hole: where the window shows and takes the mouse.
    static QRegion shape();
    void setTimeout(int milliseconds);
    int moveStep() const { return m_moveStep; }
    // The picture the disc shows.
    const QPixmap& picture() const { return m_picture; }

    static constexpr int kSide = 480;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void restartTimer();
    void tmrOK_Timer();
    QPoint limited(QPoint topLeft) const;
    void drag(QPoint globalPointer, bool withLimits);
    void dragByCompositor(Qt::MouseButton button);

    QSize m_screen;
    QPixmap m_picture;
    QLabel* imgBuco = nullptr;
    QWidget* shpBordo = nullptr;
    QTimer tmrOK;
    int m_moveStep = 1;
    QPoint m_grab;
};

} // namespace vastrel::ui
