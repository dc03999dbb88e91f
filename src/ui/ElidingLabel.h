#pragma once

#include <QLabel>

namespace vastrel::ui {

// A label whose caption, when it is wider than the label, loses its start rather than its
// end, so that the figures a counter ends with stay readable. Only the drawing is shortened:
// the caption and its access key stay as they were set.
class ElidingLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The caption as drawn: without its access-key mark, and shortened at the start when
    // the label is too narrow for it.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vastrel::ui
