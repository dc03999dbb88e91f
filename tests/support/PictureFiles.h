#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>

// Picture files made in memory, for collections that need pictures: small ones through Qt's
// writers, large ones written directly so that a test never holds the large image itself.
namespace PictureFiles {

// Colours far enough apart to tell which picture is on show after JPEG compression.
inline const QColor kRed(220, 20, 20);
inline const QColor kGreen(20, 200, 20);
inline const QColor kBlue(20, 20, 220);
inline const QColor kYellow(230, 220, 10);

// A picture of one colour in the given format ("JPEG", "BMP", "PNG").
QByteArray solid(QSize size, const QColor& colour, const char* format = "JPEG");

// A valid baseline grey JPEG of any size, a few bits per 8 x 8 block.
QByteArray largeJpeg(QSize size);

// A BMP header that declares a picture of the given size and carries no pixels.
QByteArray bmpHeaderOnly(QSize size);

} // namespace PictureFiles
