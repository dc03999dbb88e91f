#pragma once

#include <QPixmap>
#include <QString>

namespace vastrel::ui {

// The program's own pictures at the density of the screen: each is drawn at twice its size
// as well ("name@2x.png"), which a screen of more than one device pixel per pixel shows.
class Pictures
{
public:
    // The picture of the resource at a size in pixels of the windows.
    static QPixmap sharp(const QString& resource, QSize size);
};

} // namespace vastrel::ui
