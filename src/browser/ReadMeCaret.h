#pragma once

#include <QString>
#include <optional>

namespace vastrel::browser {

// Where the About window's read-me box puts its caret when the window shows. The first
// showing passes the introduction, which ends with "brani scelti.", and selects the heading
// of the section on the keys (the 71 characters from the dashes of " --- 6. " on); later
// showings keep what the user left. A read-me without the introduction, as the notice that
// the read-me could not be read, has its " ATTENZIONE! " selected at every showing, unless
// the text begins with it.
struct ReadMeCaret
{
    int anchor = 0;
    int position = 0;

    // Positions count the characters of text; nothing when the caret stays where it is.
    static std::optional<ReadMeCaret> onShowing(const QString& text, bool firstShowing);
};

} // namespace vastrel::browser
