#pragma once

#include <Qt>
#include <optional>

namespace vastrel::browser {

// The keys of the reading view, where the texts are read from a distance and their pages
// turned by hand or by a page-turner pedal, which sends the page or arrow keys. Shift, Ctrl
// and Alt count; a key held with others than its row names does nothing.
class ReadingKeys
{
public:
    enum class Action
    {
        NextPage,
        PreviousPage,
        FirstPage,
        LastPage,
        NextSong,
        PreviousSong,
        Larger,
        Smaller,
        NormalSize,
        ToggleSide,
        Close,
    };

    static std::optional<Action> lookup(int key, Qt::KeyboardModifiers modifiers);
};

} // namespace vastrel::browser
