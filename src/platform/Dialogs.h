#pragma once

#include <QPoint>
#include <QString>

class QWidget;

namespace vastrel::platform {

// Message boxes and input boxes. The windows ask through this seam so that tests can
// answer with scripted replies and never block.
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
};

} // namespace vastrel::platform
