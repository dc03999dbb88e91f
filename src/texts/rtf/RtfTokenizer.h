#pragma once

#include "RtfLimits.h"
#include "RtfToken.h"

#include <QStringView>

namespace vastrel::texts {

// Splits RTF units (see RtfInput) into tokens. Bare CR, LF and NUL are dropped;
// \binN data is stepped over here, wherever it stands, so that binary bytes can
// never be read as syntax.
class RtfTokenizer
{
public:
    explicit RtfTokenizer(QStringView units);
    RtfToken next();

private:
    RtfToken readControl();
    RtfToken readWord();
    RtfToken readHexByte();
    RtfToken readText();
    qint32 readParameter(bool& found);
    char16_t peek() const { return m_pos < m_in.size() ? m_in[m_pos].unicode() : char16_t(0); }
    bool atEnd() const { return m_pos >= m_in.size(); }

    QStringView m_in;
    qsizetype m_pos = 0;
    char m_word[RtfLimits::maxWordLength];
};

} // namespace vastrel::texts
