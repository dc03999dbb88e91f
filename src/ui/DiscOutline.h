#pragma once

#include <QWidget>

namespace vastrel::ui {

// The drawn outline around the edge of the start-up window's disc.
class DiscOutline : public QWidget
{
    Q_OBJECT

public:
    explicit DiscOutline(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vastrel::ui
