#pragma once

#include "ItalianQtTexts.h"
#include "platform/Dialogs.h"

namespace vastrel::ui {

// The real message and input boxes and print dialogs. The program makes one at start-up
// and keeps it for the whole run, and with it Qt's own texts in Italian: "Annulla", not
// "Cancel", in every box.
class WidgetDialogs : public platform::Dialogs
{
public:
    bool message(QWidget* parent, Icon icon, const QString& title, const QString& text,
                 bool withCancel) override;
    QString input(QWidget* parent, const QString& title, const QString& prompt,
                  const QString& defaultText, QPoint topLeft) override;
    bool print(QWidget* parent, QPrinter& printer) override;
    void preview(QWidget* parent, QPrinter& printer,
                 const std::function<void(QPrinter*)>& paint) override;

private:
    ItalianQtTexts m_italian;
};

} // namespace vastrel::ui
