#pragma once

#include <QLabel>

namespace vastrel::ui {

// A label that reports a click, for the addresses that copy themselves.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vastrel::ui
