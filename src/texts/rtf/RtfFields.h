#pragma once

#include "RtfGroupState.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace vastrel::texts {

// The fields of a document: what their instruction says and where their
// result goes (the body, or the instruction of an enclosing field).
class RtfFields
{
public:
    // -1 past the limit: such a field shows its result without a link.
    int start(RtfDestination outer);
    void appendInstruction(int field, QStringView text);
    RtfDestination outer(int field) const { return m_fields[field].outer; }
    QString link(int field) const;

private:
    struct Field
    {
        QString instruction;
        RtfDestination outer = RtfDestination::Body;
    };

    QList<Field> m_fields;
};

} // namespace vastrel::texts
