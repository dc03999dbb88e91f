#pragma once

#include "RtfControlWords.h"
#include "RtfDocument.h"
#include "RtfToken.h"

#include <QList>
#include <QStringView>

namespace vastrel::texts {

// The \colortbl destination: \redN\greenN\blueN entries ended by ';'. An entry
// without components (usually the first) is the automatic colour.
class RtfColorTable
{
public:
    void onWord(const RtfControlWord& entry, const RtfToken& token);
    void appendText(QStringView text);

    RtfColor color(int index) const;

private:
    void setComponent(int value, int shift);

    QList<RtfColor> m_colors;
    quint32 m_rgb = 0;
    bool m_hasComponent = false;
};

} // namespace vastrel::texts
