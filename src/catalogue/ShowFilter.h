#pragma once

namespace vastrel::catalogue {

// Which albums and tracks the lists show: those with duplicate markers, those with real
// track files, or all of them. Until the show-filter box has a selection none is chosen,
// and all are shown.
enum class ShowFilter
{
    NoneChosen,
    OnlyDuplicates,
    OnlyOriginals,
    Everything,
};

// The show-filter box lists the filters in this order; index -1 is no selection.
constexpr ShowFilter showFilterAt(int index)
{
    switch (index) {
    case 0:
        return ShowFilter::OnlyDuplicates;
    case 1:
        return ShowFilter::OnlyOriginals;
    case 2:
        return ShowFilter::Everything;
    default:
        return ShowFilter::NoneChosen;
    }
}

constexpr int indexOf(ShowFilter filter)
{
    return int(filter) - 1;
}

} // namespace vastrel::catalogue
