#include "ScriptedDialogs.h"

#include <QPrinter>

bool ScriptedDialogs::message(QWidget*, Icon icon, const QString& title, const QString& text,
                              bool withCancel)
{
    messages.append({icon, title, text, withCancel});
    return messageAnswers.isEmpty() ? true : messageAnswers.takeFirst();
}

QString ScriptedDialogs::input(QWidget*, const QString& title, const QString& prompt,
                               const QString& defaultText, QPoint topLeft)
{
    inputs.append({title, prompt, defaultText, topLeft});
    return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
}

bool ScriptedDialogs::print(QWidget*, QPrinter& printer)
{
    ++prints;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return !pdf.isEmpty();
}

void ScriptedDialogs::preview(QWidget*, QPrinter& printer,
                              const std::function<void(QPrinter*)>& paint)
{
    ++previews;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    if (!pdf.isEmpty())
        paint(&printer);
}
