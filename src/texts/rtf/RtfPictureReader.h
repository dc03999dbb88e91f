#pragma once

#include "RtfControlWords.h"
#include "RtfDocument.h"
#include "RtfToken.h"

#include <QStringView>
#include <optional>

namespace vastrel::texts {

// The \pict destination: the picture's format, the size it is shown at and
// its data, written in hex digits.
class RtfPictureReader
{
public:
    void start();
    void onWord(const RtfControlWord& entry, const RtfToken& token);
    void appendHex(QStringView text);
    // The picture read since start(), when it is a PNG or a JPEG with data.
    std::optional<RtfPicture> take();

private:
    RtfPicture m_picture;
    bool m_shown = false; // a format the program shows
    int m_scaleX = 100;   // percent
    int m_scaleY = 100;
    int m_highNibble = -1; // the first digit of a byte, until its second comes
};

} // namespace vastrel::texts
