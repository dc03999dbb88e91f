#pragma once

#include "Dialogs.h"

namespace vastrel::platform {

// The real message and input boxes.
class WidgetDialogs : public Dialogs
{
public:
    bool message(QWidget* parent, Icon icon, const QString& title, const QString& text,
                 bool withCancel) override;
    QString input(QWidget* parent, const QString& title, const QString& prompt,
                  const QString& defaultText, QPoint topLeft) override;
};

} // namespace vastrel::platform
