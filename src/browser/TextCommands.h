#pragma once

namespace vastrel::browser {

// Which text commands a user can give, from the length of the pane's text as of its last
// rebuild and the selection in it.
struct TextCommands
{
    bool search = false;
    bool copy = false;
    bool selectAll = false;

    static TextCommands of(int textLength, int selectionStart, int selectionLength)
    {
        TextCommands c;
        c.search = textLength != 0;
        c.copy = selectionLength > 0;
        c.selectAll = textLength != 0 && !(selectionStart == 0 && selectionLength >= textLength);
        return c;
    }
};

} // namespace vastrel::browser
