#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QStringList>

// Dialogs that answer from a script and record what they were asked, so window tests
// never block on a modal box.
class ScriptedDialogs : public vastrel::platform::Dialogs
{
public:
    struct Message
    {
        Icon icon;
        QString title;
        QString text;
        bool withCancel;
    };
    struct Input
    {
        QString title;
        QString prompt;
        QString defaultText;
        QPoint topLeft;
    };

    bool message(QWidget* parent, Icon icon, const QString& title, const QString& text,
                 bool withCancel) override;
    QString input(QWidget* parent, const QString& title, const QString& prompt,
                  const QString& defaultText, QPoint topLeft) override;
    bool print(QWidget* parent, QPrinter& printer) override;
    void preview(QWidget* parent, QPrinter& printer,
                 const std::function<void(QPrinter*)>& paint) override;

    QList<Message> messages;
    QList<Input> inputs;
    // Answers used in turn; once they run out, messages answer OK and inputs Cancel.
    QList<bool> messageAnswers;
    QStringList inputAnswers;
    // The print dialog chooses this PDF file, or cancels when it is empty; the preview prints
    // into it as its print button would.
    QString pdf;
    int prints = 0;
    int previews = 0;
};
