#pragma once

#include <QString>

namespace vastrel::browser {

// Find-next over the text pane's plain text, letter case ignored: from the selection on,
// past a selection that is itself a match, then once more from the start.
class TextSearch
{
public:
    // The position of the next match, or -1.
    static qsizetype findNext(const QString& text, const QString& searched, int selectionStart,
                              const QString& selectedText);
    static QString notFound(const QString& searched);
};

} // namespace vastrel::browser
