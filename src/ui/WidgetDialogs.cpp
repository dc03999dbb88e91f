#include "WidgetDialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

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

bool WidgetDialogs::print(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Vastrel - Stampa"));
    return dialog.exec() == QDialog::Accepted;
}

void WidgetDialogs::preview(QWidget* parent, QPrinter& printer,
                            const std::function<void(QPrinter*)>& paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Vastrel - Anteprima di stampa"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    if (parent)
        dialog.resize(parent->window()->size().expandedTo(QSize(800, 600)));
    dialog.exec();
}

} // namespace vastrel::ui
