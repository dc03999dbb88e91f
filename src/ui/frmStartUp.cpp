#include "frmStartUp.h"

#include "DiscOutline.h"
#include "Pictures.h"
#include "browser/VarieFolder.h"
#include "frmVL.h"
#include "media/PictureLoader.h"
#include "platform/Beeper.h"
#include "platform/WindowSystem.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>
#include <cmath>

namespace vastrel::ui {

namespace {

constexpr int kMaxStep = 64;
constexpr int kOffScreen = 400;
constexpr int kStaysOnScreen = 80;
const QRect kHole(210, 210, 60, 60);

bool isArrow(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

} // namespace

frmStartUp::frmStartUp(browser::ModuleState& state, ui::frmVL& main,
                       platform::DirectoryCache& listings, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      m_state(state), m_main(main)
{
    setObjectName(QStringLiteral("frmStartUp"));
    setModal(true);
    // The window paints only the disc: where a compositor draws the rest transparent, the
    // desktop shows through the corners and the hole, with smooth edges.
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(kSide, kSide);
    m_picture = Pictures::sharp(QStringLiteral(":/startup-disc.png"), QSize(kSide, kSide));
    shpBordo = new DiscOutline(this);
    imgBuco = new QLabel(this);
    imgBuco->setObjectName(QStringLiteral("imgBuco"));
    imgBuco->setPixmap(Pictures::sharp(QStringLiteral(":/startup-buco.png"), QSize(151, 151)));
    imgBuco->installEventFilter(this);
    tmrOK.setInterval(60000);
    tmrOK.setSingleShot(true);
    connect(&tmrOK, &QTimer::timeout, this, &frmStartUp::tmrOK_Timer);
    tmrOK.start();
    Form_Load(listings);
}

QRegion frmStartUp::shape()
{
    return QRegion(0, 0, kSide, kSide, QRegion::Ellipse) - QRegion(kHole, QRegion::Ellipse);
}

QPoint frmStartUp::centredOn(QSize screen)
{
    return {int(std::nearbyint(screen.width() / 2.0 - kSide / 2)),
            int(std::nearbyint(screen.height() / 2.0 - kSide / 2))};
}

void frmStartUp::setTimeout(int milliseconds)
{
    tmrOK.setInterval(milliseconds);
    restartTimer();
}

void frmStartUp::Form_Load(platform::DirectoryCache& listings)
{
    m_moveStep = 1;
    shpBordo->setGeometry(-3, -3, 484, 484);
    imgBuco->setGeometry(164, 164, 151, 151);
    // The window's mask is its input region on Wayland and its shape on X11, where it also
    // cuts the corners and the hole when no compositor draws them transparent.
    create();
    windowHandle()->setMask(shape());
    update();
    // Failures leave the design-time picture and the notes as they are.
    const QPixmap whole = loadCollectionPicture(listings);
    m_main.setEmptyPicture(whole.isNull() ? m_picture : whole);
    readIntroduction(listings);
}

// The collection picture: first .jpg of [Varie], else .gif, else .bmp. The main window is
// named after it even when it cannot be decoded. The disc shows its top-left corner at its
// own scale; the whole picture is returned for the picture box, which stretches it.
QPixmap frmStartUp::loadCollectionPicture(platform::DirectoryCache& listings)
{
    const std::optional<QString> path =
        browser::VarieFolder::picturePath(m_state.collectionRoot, listings);
    if (!path)
        return {};
    const QImage corner = media::PictureLoader::loadCorner(*path, QSize(kSide, kSide));
    const QString name = path->mid(path->lastIndexOf(u'/') + 1);
    m_main.setWindowTitle(name.chopped(4) + QStringLiteral(": ") + m_main.windowTitle());
    if (corner.isNull())
        return {};
    m_picture = QPixmap::fromImage(corner);
    // A corner narrower and lower than the disc is the whole picture already.
    if (corner.width() < kSide && corner.height() < kSide)
        return m_picture;
    return QPixmap::fromImage(media::PictureLoader::load(*path));
}

void frmStartUp::readIntroduction(platform::DirectoryCache& listings)
{
    if (auto notes = browser::VarieFolder::introduction(m_state.collectionRoot, listings))
        m_state.introNotes = std::move(*notes);
}

void frmStartUp::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawPixmap(0, 0, m_picture);
    // Cleared again outside the disc and in the hole, edges blended.
    QPainterPath outside;
    outside.addRect(rect());
    outside.addEllipse(QRectF(0, 0, kSide, kSide));
    outside.addEllipse(QRectF(kHole));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillPath(outside, Qt::transparent);
}

void frmStartUp::restartTimer()
{
    tmrOK.stop();
    tmrOK.start();
}

void frmStartUp::tmrOK_Timer()
{
    tmrOK.stop();
    platform::Beeper::beep();
    hide();
}

// At least 80 pixels of the window stay on the screen.
QPoint frmStartUp::limited(QPoint topLeft) const
{
    return {std::clamp(topLeft.x(), -kOffScreen, m_state.screen.width() - kStaysOnScreen),
            std::clamp(topLeft.y(), -kOffScreen, m_state.screen.height() - kStaysOnScreen)};
}

void frmStartUp::keyPressEvent(QKeyEvent* event)
{
    restartTimer();
    const QPoint here = pos();
    switch (event->key()) {
    case Qt::Key_Up:
        move(limited(here - QPoint(0, m_moveStep)));
        break;
    case Qt::Key_Down:
        move(limited(here + QPoint(0, m_moveStep)));
        break;
    case Qt::Key_Left:
        move(limited(here - QPoint(m_moveStep, 0)));
        break;
    case Qt::Key_Right:
        move(limited(here + QPoint(m_moveStep, 0)));
        break;
    default:
        break;
    }
    // Holding a key moves faster and faster.
    if (m_moveStep < kMaxStep)
        ++m_moveStep;
}

void frmStartUp::keyReleaseEvent(QKeyEvent* event)
{
    // Repeats of a held key are presses, as on the system the window comes from.
    if (event->isAutoRepeat())
        return;
    restartTimer();
    m_moveStep = 1;
    if (!isArrow(event->key()))
        hide();
}

void frmStartUp::mousePressEvent(QMouseEvent* event)
{
    restartTimer();
    m_grab = event->position().toPoint();
    dragByCompositor(event->button());
}

// Where the compositor places the windows (Wayland), it is the one that can drag the window:
// it follows the pointer while the right button is held, without the limits.
void frmStartUp::dragByCompositor(Qt::MouseButton button)
{
    if (button == Qt::RightButton && !platform::WindowSystem::placesWindows())
        windowHandle()->startSystemMove();
}

void frmStartUp::drag(QPoint globalPointer, bool withLimits)
{
    restartTimer();
    const QPoint topLeft = globalPointer - m_grab;
    move(withLimits ? limited(topLeft) : topLeft);
}

void frmStartUp::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::RightButton)
        drag(event->globalPosition().toPoint(), true);
}

void frmStartUp::mouseReleaseEvent(QMouseEvent* event)
{
    restartTimer();
    if (event->button() == Qt::LeftButton)
        hide();
}

void frmStartUp::mouseDoubleClickEvent(QMouseEvent*)
{
    hide();
}

// The centre picture can drag the window anywhere, even wholly off the screen.
bool frmStartUp::eventFilter(QObject* watched, QEvent* event)
{
    // Only mouse events are taken as such (a polish or paint event comes here too).
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (watched != imgBuco || mouse == nullptr)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        restartTimer();
        m_grab = imgBuco->mapTo(this, mouse->position().toPoint());
        dragByCompositor(mouse->button());
        return true;
    case QEvent::MouseMove:
        if (mouse->buttons() == Qt::RightButton)
            drag(mouse->globalPosition().toPoint(), false);
        return true;
    case QEvent::MouseButtonRelease:
        mouseReleaseEvent(mouse);
        return true;
    case QEvent::MouseButtonDblClick:
        hide();
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

} // namespace vastrel::ui
