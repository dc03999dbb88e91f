#pragma once

namespace vastrel::browser {

// The window-level key table: every command of the main window has a key. Keys come as
// the codes and modifier masks (1 Shift, 2 Ctrl, 4 Alt) the table is written in. Ctrl+P
// (print) and Ctrl+Shift+P (print preview) come on top of the table's own keys.
class KeyMap
{
public:
    enum class Action
    {
        None,
        SelectAllAlbums,
        SwitchAlbumsMode,
        Play,
        SelectAllTracks,
        SwitchTracksMode,
        SearchTitles,
        ToggleOrder,
        SelectText,
        CopyText,
        SearchText,
        FindNext,
        NextPaneMode,
        HalveWindow,
        DoubleWindow,
        About,
        Close,
        Print,
        PrintPreview,
    };

    // What the table looks at besides the key: which buttons are enabled or visible.
    struct Buttons
    {
        bool selAlbumEnabled = false;
        bool suonaEnabled = false;
        bool selBraniEnabled = false;
        bool cercaBranoEnabled = false;
        bool selTestoUsable = false;   // visible and enabled
        bool copiaUsable = false;      // visible and enabled
        bool cercaTestoUsable = false; // visible and enabled
        bool cercaAvantiUsable = false;
        bool copertinaVisible = false;
        bool halvingImageVisible = false; // imgEC element 0
    };

    struct Result
    {
        Action action = Action::None;
        bool consumed = false; // the focused control never sees the key
    };

    // key: 112..123 for F1..F12, 27 Escape, 65..90 letters; mask: modifier mask.
    static Result Form_KeyDown(int key, int mask, const Buttons& buttons);
    // The table's code for a Qt key, or 0 when the table does not know the key.
    static int codeOf(int qtKey);
};

} // namespace vastrel::browser
