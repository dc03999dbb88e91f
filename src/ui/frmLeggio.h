#pragma once

#include "SongbookLayout.h"
#include "browser/ReadingPlace.h"
#include "browser/Songbook.h"

#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

namespace vastrel::ui {

// The reading view (leggio, the music stand): a full-screen window that shows what the text
// pane shows, laid out as the printed songbook lays out its pages, one screen a page, to be
// read from a distance while playing. Each song starts a screen under its heading, its text
// as large as its widest line allows (never smaller than the pane's); the notes flow as one
// document. Its keys turn the pages (ReadingKeys); it follows the desktop's colours and hides
// the pointer while the pointer rests.
class frmLeggio : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kIdlePointerMs = 3000;

    // paneSize: the size of the pane's text, in points.
    frmLeggio(browser::Songbook book, double paneSize, QWidget* parent);
    ~frmLeggio() override;

    // Full screen on the screen given, with the pointer hidden once it rests.
    void open(QScreen* screen);

    const browser::ReadingPlace& place() const { return m_place; }
    // Of the text, in percent of the size the screen gives it.
    int zoom() const { return m_zoom; }
    bool showsSides() const { return m_sides; }
    const SongbookLayout* layout() const { return m_layout.get(); }

Q_SIGNALS:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    SongbookLayout::Sizes sizes() const;
    QMargins margins() const;
    void layOut();
    void act(browser::ReadingKeys::Action action);

    browser::Songbook m_book;
    double m_paneSize;
    int m_zoom = 100;
    bool m_sides = true;
    std::unique_ptr<SongbookLayout> m_layout;
    browser::ReadingPlace m_place;
    // The text kept in sight while the size changes, until a page is turned: a line of the
    // song, or a position in the note.
    std::optional<int> m_anchor;
    QTimer m_idle;
};

} // namespace vastrel::ui
