#include "LayoutControl.h"

namespace vastrel::browser {

QLatin1String controlName(LayoutControl control)
{
    static constexpr std::array<const char*, kLayoutControlCount> names = {
        "lstAlbum", "lblAlbum",      "lblBrani",       "cboMostra",   "lblMostra",
        "imgInfo",  "lstBrani",      "imgEC0",         "imgEC1",      "cmdSelAlbum",
        "cmdSuona", "cmdSelBrani",   "cmdCercaBrano",  "chkOrdinaAZ", "imgCopertina",
        "lblJPEG",  "lstJPEG",       "lblRTF",         "txtBrani",    "cmdSelTesto",
        "cmdCopia", "cmdCercaTesto", "cmdCercaAvanti", "cmdCopertina"};
    if (controlIndex(control) >= names.size())
        return QLatin1String();
    return QLatin1String(names[controlIndex(control)]);
}

} // namespace vastrel::browser
