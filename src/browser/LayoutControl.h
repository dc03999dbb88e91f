#pragma once

#include <QLatin1String>
#include <QRect>
#include <array>
#include <cstddef>

namespace vastrel::browser {

// The controls of frmVL that the layout places or shows, by their names in the window.
enum class LayoutControl
{
    lstAlbum,
    lblAlbum,
    lblBrani,
    cboMostra,
    lblMostra,
    imgInfo,
    lstBrani,
    imgEC0,
    imgEC1,
    cmdSelAlbum,
    cmdSuona,
    cmdSelBrani,
    cmdCercaBrano,
    chkOrdinaAZ,
    imgCopertina,
    lblJPEG,
    lstJPEG,
    lblRTF,
    txtBrani,
    cmdSelTesto,
    cmdCopia,
    cmdCercaTesto,
    cmdCercaAvanti,
    cmdCopertina,
    Count
};

inline constexpr std::size_t kLayoutControlCount = std::size_t(LayoutControl::Count);

constexpr std::size_t controlIndex(LayoutControl control)
{
    return std::size_t(control);
}

// One value per control, indexed with controlIndex().
using ControlRects = std::array<QRect, kLayoutControlCount>;
using ControlFlags = std::array<bool, kLayoutControlCount>;

// The control's name in the window (imgEC0 and imgEC1 are the two elements of imgEC), so
// that the window can find its widgets by object name and tests can say which control
// failed.
QLatin1String controlName(LayoutControl control);

} // namespace vastrel::browser
