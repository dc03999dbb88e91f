#include "WidgetDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace vastrel::ui {

bool WidgetDialogs::message(QWidget* parent, Icon icon, const QString& title, const QString& text,
                            bool withCancel)
{
    QMessageBox box(parent);
    box.setIcon(icon == Icon::Information ? QMessageBox::Information
                : icon == Icon::Question  ? QMessageBox::Question
                                          : QMessageBox::Critical);
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

QString WidgetDialogs::input(QWidget* parent, const QString& title, const QString& prompt,
                             const QString& defaultText, QPoint topLeft)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.adjustSize();
    dialog.move(topLeft);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

} // namespace vastrel::ui
