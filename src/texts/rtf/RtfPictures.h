#pragma once

#include "RtfDocument.h"

#include <QImage>
#include <QObject>
#include <QTextObjectInterface>

class QTextDocument;

namespace vastrel::texts {

// Shows the pictures of a document the RTF reader built: reads them within the
// reader's bounds, and draws each at its own size, scaled down to the width of
// the view when it is wider.
class RtfPictures : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    // Draws the images of the document from now on, once for each layout.
    static void install(QTextDocument& document);
    // The image of a picture, or a null one when it cannot be read or the
    // pixels it decodes do not fit in what is left of the budget.
    static QImage read(const RtfPicture& picture, qint64& pixelBudget);

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;

private:
    explicit RtfPictures(QObject* parent) : QObject(parent) {}
};

} // namespace vastrel::texts
