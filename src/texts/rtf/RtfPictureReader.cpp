#include "RtfPictureReader.h"

#include "RtfLimits.h"

namespace vastrel::texts {

namespace {

// A length scaled by a percentage, kept within what a page can show.
int scaled(int twips, int percent)
{
    return qMin(twips * percent / 100, RtfLimits::maxLength);
}

} // namespace

void RtfPictureReader::start()
{
    *this = RtfPictureReader();
}

void RtfPictureReader::onWord(const RtfControlWord& entry, const RtfToken& token)
{
    const int value = token.parameter;
    switch (RtfPictureWord(entry.argument)) {
    case RtfPictureWord::Png:
        m_picture.kind = RtfPicture::Kind::Png;
        m_shown = true;
        break;
    case RtfPictureWord::Jpeg:
        m_picture.kind = RtfPicture::Kind::Jpeg;
        m_shown = true;
        break;
    case RtfPictureWord::GoalWidth:
        m_picture.width = qBound(0, value, RtfLimits::maxLength);
        break;
    case RtfPictureWord::GoalHeight:
        m_picture.height = qBound(0, value, RtfLimits::maxLength);
        break;
    case RtfPictureWord::ScaleX:
        m_scaleX = qBound(1, value, 1000);
        break;
    case RtfPictureWord::ScaleY:
        m_scaleY = qBound(1, value, 1000);
        break;
    }
}

void RtfPictureReader::appendHex(QStringView text)
{
    // Other formats are not kept; any other character between the digits is
    // white space.
    if (!m_shown)
        return;
    for (QChar c : text) {
        const int digit = rtfHexValue(c.unicode());
        if (digit < 0)
            continue;
        if (m_highNibble < 0) {
            m_highNibble = digit;
        } else {
            m_picture.data.append(char(m_highNibble << 4 | digit));
            m_highNibble = -1;
        }
    }
}

std::optional<RtfPicture> RtfPictureReader::take()
{
    if (!m_shown || m_picture.data.isEmpty())
        return std::nullopt;
    RtfPicture picture = std::move(m_picture);
    picture.width = scaled(picture.width, m_scaleX);
    picture.height = scaled(picture.height, m_scaleY);
    start();
    return picture;
}

} // namespace vastrel::texts
