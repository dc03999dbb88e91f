#include "RtfColorTable.h"

#include "RtfLimits.h"

namespace vastrel::texts {

void RtfColorTable::onWord(const RtfControlWord& entry, const RtfToken& token)
{
    switch (entry.word) {
    case RtfWord::Red:
        setComponent(token.parameter, 16);
        break;
    case RtfWord::Green:
        setComponent(token.parameter, 8);
        break;
    case RtfWord::Blue:
        setComponent(token.parameter, 0);
        break;
    default:
        break;
    }
}

void RtfColorTable::setComponent(int value, int shift)
{
    const quint32 component = quint32(qBound(0, value, 255));
    m_rgb = (m_rgb & ~(0xFFu << shift)) | (component << shift);
    m_hasComponent = true;
}

void RtfColorTable::appendText(QStringView text)
{
    for (QChar c : text) {
        if (c != u';')
            continue;
        if (m_colors.size() < RtfLimits::maxColors)
            m_colors.append(m_hasComponent ? RtfColor{false, m_rgb} : RtfColor{});
        m_rgb = 0;
        m_hasComponent = false;
    }
}

RtfColor RtfColorTable::color(int index) const
{
    return index >= 0 && index < m_colors.size() ? m_colors[index] : RtfColor{};
}

} // namespace vastrel::texts
