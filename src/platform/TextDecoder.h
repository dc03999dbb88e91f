#pragma once

#include <QByteArray>
#include <QString>

namespace vastrel::platform {

// Turns the bytes of a text file into text: UTF-8 when the bytes are valid UTF-8
// (a leading BOM is dropped), otherwise Windows-1252, the code page that files
// written on Windows carry. Lone LFs become CR LF, so files saved on Linux read
// like files saved on Windows.
class TextDecoder
{
public:
    static QString decode(QByteArrayView bytes);
    static QString decodeWindows1252(QByteArrayView bytes);
    static bool isValidUtf8(QByteArrayView bytes);
    static QString toCrLf(const QString& text);
};

} // namespace vastrel::platform
