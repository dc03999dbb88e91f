// The window-level key table, row by row, with the guards of each row.

#include "browser/KeyMap.h"

#include <QTest>

using vastrel::browser::KeyMap;
using Action = KeyMap::Action;

namespace {

constexpr int kF1 = 112, kF2 = 113, kF3 = 114, kF4 = 115, kF5 = 116, kF6 = 117, kF7 = 118,
              kF8 = 119, kF9 = 120, kF10 = 121, kF11 = 122, kF12 = 123, kEscape = 27;
constexpr int S = 1, C = 2, A = 4;

// The buttons by name; "all" and "none", or "all but x" and "only x" for one of them.
KeyMap::Buttons buttons(const QString& which)
{
    const QStringList names = {"selAlbum", "suona",      "selBrani",    "cercaBrano", "selTesto",
                               "copia",    "cercaTesto", "cercaAvanti", "copertina",  "halving"};
    const QString name = which.section(' ', -1);
    const bool allBut = which.startsWith("all but ");
    const bool only = which.startsWith("only ");
    if (which != "all" && which != "none" && !((allBut || only) && names.contains(name)))
        qFatal("no such buttons: %s", qPrintable(which));
    auto state = [&](const char* n) {
        if (allBut || only)
            return (name == QLatin1String(n)) == only;
        return which == "all";
    };
    KeyMap::Buttons b;
    b.selAlbumEnabled = state("selAlbum");
    b.suonaEnabled = state("suona");
    b.selBraniEnabled = state("selBrani");
    b.cercaBranoEnabled = state("cercaBrano");
    b.selTestoUsable = state("selTesto");
    b.copiaUsable = state("copia");
    b.cercaTestoUsable = state("cercaTesto");
    b.cercaAvantiUsable = state("cercaAvanti");
    b.copertinaVisible = state("copertina");
    b.halvingImageVisible = state("halving");
    return b;
}

void row(const char* name, int key, int mask, const char* which, Action action, bool consumed)
{
    QTest::newRow(name) << key << mask << QString::fromLatin1(which) << int(action) << consumed;
}

} // namespace

class TestKeyMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyTable_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("which");
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("consumed");

        // F1 and F3: the select-all buttons, plain a click, with any modifier a mode switch.
        row("F1", kF1, 0, "only selAlbum", Action::SelectAllAlbums, true);
        row("F1, button disabled", kF1, 0, "all but selAlbum", Action::None, true);
        row("Shift+F1", kF1, S, "only selAlbum", Action::SwitchAlbumsMode, true);
        row("Ctrl+Alt+F1", kF1, C | A, "only selAlbum", Action::SwitchAlbumsMode, true);
        row("Shift+F1, button disabled", kF1, S, "all but selAlbum", Action::None, true);
        row("F3", kF3, 0, "only selBrani", Action::SelectAllTracks, true);
        row("F3, button disabled", kF3, 0, "all but selBrani", Action::None, true);
        row("Alt+F3", kF3, A, "only selBrani", Action::SwitchTracksMode, true);
        row("Ctrl+F3, button disabled", kF3, C, "all but selBrani", Action::None, true);
        // F2: play.
        row("F2", kF2, 0, "only suona", Action::Play, true);
        row("F2, button disabled", kF2, 0, "all but suona", Action::None, true);
        row("Ctrl+F2", kF2, C, "all", Action::None, true);
        row("Shift+F2", kF2, S, "all", Action::None, true);
        // F4: the title search; Alt+F4 alone is the window system's.
        row("Alt+F4", kF4, A, "all", Action::None, false);
        row("Alt+F4, nothing enabled", kF4, A, "none", Action::None, false);
        row("Alt+Shift+F4", kF4, A | S, "all", Action::None, true);
        row("Ctrl+Alt+F4", kF4, C | A, "all", Action::None, true);
        row("F4", kF4, 0, "only cercaBrano", Action::SearchTitles, true);
        row("F4, button disabled", kF4, 0, "all but cercaBrano", Action::None, true);
        row("Ctrl+F4", kF4, C, "all", Action::None, true);
        row("Shift+F4", kF4, S, "all", Action::None, true);
        // F5: the order, whatever the buttons.
        row("F5", kF5, 0, "none", Action::ToggleOrder, true);
        row("Shift+F5", kF5, S, "all", Action::None, true);
        row("Alt+F5", kF5, A, "all", Action::None, true);
        // F6 to F9: the text commands, each only when its button is on show and enabled.
        row("F6", kF6, 0, "only selTesto", Action::SelectText, true);
        row("F6, button not usable", kF6, 0, "all but selTesto", Action::None, true);
        row("F7", kF7, 0, "only copia", Action::CopyText, true);
        row("F7, button not usable", kF7, 0, "all but copia", Action::None, true);
        row("F8", kF8, 0, "only cercaTesto", Action::SearchText, true);
        row("F8, button not usable", kF8, 0, "all but cercaTesto", Action::None, true);
        row("F9", kF9, 0, "only cercaAvanti", Action::FindNext, true);
        row("F9, button not usable", kF9, 0, "all but cercaAvanti", Action::None, true);
        row("Shift+F6", kF6, S, "all", Action::None, true);
        row("Ctrl+F7", kF7, C, "all", Action::None, true);
        row("Alt+F8", kF8, A, "all", Action::None, true);
        row("Ctrl+Shift+F9", kF9, C | S, "all", Action::None, true);
        // F10: the pane button, tested for visibility only.
        row("F10", kF10, 0, "only copertina", Action::NextPaneMode, true);
        row("F10, button hidden", kF10, 0, "all but copertina", Action::None, true);
        row("Alt+F10", kF10, A, "all", Action::None, true);
        // F11: the size switch, modifiers not tested.
        row("F11, full mode", kF11, 0, "only halving", Action::HalveWindow, true);
        row("F11, half mode", kF11, 0, "all but halving", Action::DoubleWindow, true);
        row("Shift+F11, full mode", kF11, S, "only halving", Action::HalveWindow, true);
        row("Shift+F11, half mode", kF11, S, "none", Action::DoubleWindow, true);
        row("Ctrl+Alt+Shift+F11", kF11, C | A | S, "only halving", Action::HalveWindow, true);
        // F12 and I with a modifier: the About window; plain I nothing.
        row("F12", kF12, 0, "none", Action::About, true);
        row("Ctrl+F12", kF12, C, "none", Action::About, true);
        row("Ctrl+Alt+Shift+F12", kF12, C | A | S, "none", Action::About, true);
        row("Alt+I", 'I', A, "none", Action::About, true);
        row("Shift+I", 'I', S, "none", Action::About, true);
        row("Ctrl+I", 'I', C, "none", Action::About, true);
        row("I", 'I', 0, "all", Action::None, true);
        // Escape: plain closes, with any modifier nothing.
        row("Escape", kEscape, 0, "none", Action::Close, true);
        row("Shift+Escape", kEscape, S, "all", Action::None, true);
        row("Ctrl+Escape", kEscape, C, "all", Action::None, true);
        row("Alt+Escape", kEscape, A, "all", Action::None, true);
        // C, X, Q, E, Z: with any modifier close, plain nothing.
        for (char letter : {'C', 'X', 'Q', 'E', 'Z'}) {
            const QByteArray l(1, letter);
            for (const auto& [prefix, mask] : std::initializer_list<std::pair<const char*, int>>{
                     {"Shift+", S}, {"Ctrl+", C}, {"Alt+", A}, {"Ctrl+Shift+", C | S}}) {
                QTest::newRow(prefix + l)
                    << int(letter) << mask << "none" << int(Action::Close) << true;
            }
            QTest::newRow(l) << int(letter) << 0 << "all" << int(Action::None) << true;
        }
        // Every other key goes on to the focused control, access keys included.
        row("A", 'A', 0, "all", Action::None, false);
        row("Alt+A", 'A', A, "all", Action::None, false);
        row("Alt+B", 'B', A, "all", Action::None, false);
        row("Alt+M", 'M', A, "all", Action::None, false);
        row("Alt+T", 'T', A, "all", Action::None, false);
        row("Ctrl+Y", 'Y', C, "all", Action::None, false);
        row("unknown key", 0, 0, "all", Action::None, false);
        row("Shift+unknown key", 0, S, "all", Action::None, false);
    }

    void keyTable()
    {
        QFETCH(int, key);
        QFETCH(int, mask);
        QFETCH(QString, which);
        QFETCH(int, action);
        QFETCH(bool, consumed);
        const KeyMap::Result r = KeyMap::Form_KeyDown(key, mask, buttons(which));
        QCOMPARE(int(r.action), action);
        QCOMPARE(r.consumed, consumed);
    }

};

QTEST_GUILESS_MAIN(TestKeyMap)
#include "TestKeyMap.moc"
