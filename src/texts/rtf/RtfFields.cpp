#include "RtfFields.h"

#include "RtfHyperlink.h"
#include "RtfLimits.h"

namespace vastrel::texts {

int RtfFields::start(RtfDestination outer)
{
    if (m_fields.size() >= RtfLimits::maxFields)
        return -1;
    m_fields.append(Field{QString(), outer});
    return int(m_fields.size() - 1);
}

void RtfFields::appendInstruction(int field, QStringView text)
{
    QString& instruction = m_fields[field].instruction;
    const qsizetype room = RtfLimits::maxFieldInstruction - instruction.size();
    instruction.append(text.first(qMin(text.size(), room)));
}

QString RtfFields::link(int field) const
{
    return RtfHyperlink::target(m_fields[field].instruction);
}

} // namespace vastrel::texts
