#pragma once

#include <QPoint>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace vastrel::platform {

// Message boxes, input boxes and the print dialogs. The windows ask through this seam so
// that tests can answer with scripted replies and never block.
class Dialogs
{
public:
    enum class Icon
    {
        Information,
        Question,
        Critical,
    };

    virtual ~Dialogs() = default;
    // A message with OK (and Cancel when asked for); true when the answer is OK.
    virtual bool message(QWidget* parent, Icon icon, const QString& title, const QString& text,
                         bool withCancel = false) = 0;
    // The edited text, or an empty text on Cancel. topLeft is in screen coordinates.
    virtual QString input(QWidget* parent, const QString& title, const QString& prompt,
                          const QString& defaultText, QPoint topLeft) = 0;
    // The print dialog, which sets the printer up; true when the user chose to print.
    virtual bool print(QWidget* parent, QPrinter& printer) = 0;
    // The print preview of what paint draws on the printer it is handed, as often as the
    // preview needs it; printing from the preview calls paint on the real printer.
    virtual void preview(QWidget* parent, QPrinter& printer,
                         const std::function<void(QPrinter*)>& paint) = 0;
};

} // namespace vastrel::platform
