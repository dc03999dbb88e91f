#pragma once

namespace vastrel::catalogue {

// The selected index of the show-filter box; any other value (no selection) shows all.
enum ShowFilter : int
{
    OnlyDuplicates = 0,
    OnlyOriginals = 1,
    Everything = 2,
};

} // namespace vastrel::catalogue
