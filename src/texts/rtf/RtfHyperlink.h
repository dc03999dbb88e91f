#pragma once

#include <QString>
#include <QStringView>

namespace vastrel::texts {

// The target of a HYPERLINK field, when it is one the program may open.
class RtfHyperlink
{
public:
    // The URL of `HYPERLINK "url" \o "tip"`-style instructions when it is http,
    // https or mailto; empty for anything else (other fields, local anchors,
    // file: or script targets).
    static QString target(QStringView instruction);

private:
    static QString firstArgument(QStringView rest);
    static bool isAllowed(QStringView url);
};

} // namespace vastrel::texts
