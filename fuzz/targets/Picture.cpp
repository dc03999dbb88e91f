// The picture display's loading of a file of any content (JPEG, GIF and BMP through Qt).
#include "FuzzTargets.h"
#include "media/PictureLoader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace vastrel::fuzz {

namespace {

// Decoding is slow next to the rest; larger files only take longer to say the same.
constexpr qsizetype kMaxInput = 256 * 1024;

QString tempBase()
{
    return QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                              : QDir::tempPath();
}

} // namespace

void picture(QByteArrayView data)
{
    if (data.size() > kMaxInput)
        return;
    static const QTemporaryDir dir(tempBase() + QStringLiteral("/vastrel-fuzz-XXXXXX"));
    check(dir.isValid(), "the temporary folder can be made");
    const QString path = dir.filePath(QStringLiteral("Copertina.jpg"));
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              file.write(data.data(), data.size()) == data.size(),
          "the picture can be written");
    file.close();

    const QImage image = media::PictureLoader::load(path);
    if (data.isEmpty())
        check(image.isNull(), "an empty file is no picture");
    if (!image.isNull())
        check(image.width() <= media::PictureLoader::kMaxSide &&
                  image.height() <= media::PictureLoader::kMaxSide,
              "a large picture is scaled down as it is read");
    // The top-left corner, as the start-up picture is drawn.
    (void)media::PictureLoader::loadCorner(path, QSize(64, 48));
}

} // namespace vastrel::fuzz
