#include "Pictures.h"

#include <QIcon>

namespace vastrel::ui {

// An icon takes the "@2x" picture beside the named one, and gives a pixmap with as many
// device pixels as the size covers on the application's densest screen.
QPixmap Pictures::sharp(const QString& resource, QSize size)
{
    return QIcon(resource).pixmap(size);
}

} // namespace vastrel::ui
