#include "RtfPictures.h"

#include "RtfLimits.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace vastrel::texts {

namespace {

qint64 area(QSize size)
{
    return qint64(size.width()) * size.height();
}

} // namespace

void RtfPictures::install(QTextDocument& document)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    if (!dynamic_cast<RtfPictures*>(layout->handlerForObject(QTextFormat::ImageObject)))
        layout->registerHandler(QTextFormat::ImageObject, new RtfPictures(layout));
}

QImage RtfPictures::read(const RtfPicture& picture, qint64& pixelBudget)
{
    QBuffer buffer;
    buffer.setData(picture.data);
    buffer.open(QIODevice::ReadOnly);
    const bool png = picture.kind == RtfPicture::Kind::Png;
    const QByteArray format = png ? QByteArrayLiteral("png") : QByteArrayLiteral("jpeg");
    if (QImageReader::imageFormat(&buffer) != format)
        return {};
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (size.isEmpty())
        return {};
    const int side = RtfLimits::maxPictureSide;
    QSize shown = size;
    if (size.width() > side || size.height() > side)
        shown = size.scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    // A JPEG is read at the scale it is shown at, a PNG whole; a picture that
    // fails to read has cost its work all the same.
    const qint64 cost = png ? area(size) : area(shown);
    if (cost > pixelBudget)
        return {};
    pixelBudget -= cost;
    if (shown != size)
        reader.setScaledSize(shown);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.size() != shown)
        image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QSizeF RtfPictures::intrinsicSize(QTextDocument* document, int position, const QTextFormat& format)
{
    const QTextImageFormat image = format.toImageFormat();
    QSizeF size(image.width(), image.height());
    // The room a paragraph leaves in a view of the document's width.
    const QTextBlockFormat block = document->findBlock(position).blockFormat();
    const qreal room = document->textWidth() - 2 * document->documentMargin() - block.leftMargin() -
                       block.rightMargin() - qMax(0.0, block.textIndent());
    if (document->textWidth() > 0 && size.width() > room)
        size *= qMax(room, 1.0) / size.width();
    return size;
}

void RtfPictures::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                             const QTextFormat& format)
{
    const QImage image =
        document->resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()))
            .value<QImage>();
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(rect, image);
    painter->restore();
}

} // namespace vastrel::texts
