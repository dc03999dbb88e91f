#pragma once

#include "platform/Dialogs.h"

namespace vastrel::ui {

// The real message and input boxes.
class WidgetDialogs : public platform::Dialogs
{
public:
    bool message(QWidget* parent, Icon icon, const QString& title, const QString& text,
                 bool withCancel) override;
    QString input(QWidget* parent, const QString& title, const QString& prompt,
                  const QString& defaultText, QPoint topLeft) override;
};

} // namespace vastrel::ui
