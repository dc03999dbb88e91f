#include "ScriptedDialogs.h"

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
