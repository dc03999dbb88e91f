#pragma once

#include <QByteArray>
#include <QString>

namespace vastrel::platform {

// File names on Linux are bytes. Names that are valid UTF-8 become ordinary text;
// every byte of an invalid sequence becomes one of the lone surrogates U+DC80..U+DCFF,
// so that encode() gives back exactly the bytes on disk and such files can still be
// listed, opened and handed to a player.
class NativeName
{
public:
    static QString decode(QByteArrayView bytes);
    static QByteArray encode(QStringView name);
};

} // namespace vastrel::platform
