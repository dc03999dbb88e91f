#include "CollectionPicture.h"

#include "browser/VarieFolder.h"
#include "media/PictureLoader.h"

namespace vastrel::startup {

CollectionPicture CollectionPicture::of(const QString& root, QSize corner,
                                        platform::DirectoryCache& listings)
{
    CollectionPicture picture;
    const std::optional<QString> path = browser::VarieFolder::picturePath(root, listings);
    if (!path)
        return picture;
    picture.name = path->mid(path->lastIndexOf(u'/') + 1).chopped(4);
    picture.corner = media::PictureLoader::loadCorner(*path, corner);
    if (picture.corner.isNull())
        return picture;
    // A corner narrower and lower than asked for is the whole picture already.
    const bool whole =
        picture.corner.width() < corner.width() && picture.corner.height() < corner.height();
    picture.whole = whole ? picture.corner : media::PictureLoader::load(*path);
    return picture;
}

QString CollectionPicture::caption(const QString& designCaption) const
{
    return name ? *name + QStringLiteral(": ") + designCaption : designCaption;
}

} // namespace vastrel::startup
