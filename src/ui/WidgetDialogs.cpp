#include "WidgetDialogs.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTranslator>

namespace vastrel::ui {

namespace {

// Qt's own texts of the print dialogs in Italian, for as long as one of them is open: the
// other boxes keep the texts they have always had.
class ItalianPrintDialogs
{
public:
    ItalianPrintDialogs()
    {
        if (m_translator.load(QStringLiteral("qtbase_it"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_translator);
    }
    ~ItalianPrintDialogs() { QCoreApplication::removeTranslator(&m_translator); }
    ItalianPrintDialogs(const ItalianPrintDialogs&) = delete;
    ItalianPrintDialogs& operator=(const ItalianPrintDialogs&) = delete;

private:
    QTranslator m_translator;
};

} // namespace

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
    const ItalianPrintDialogs italian;
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Vastrel - Stampa"));
    return dialog.exec() == QDialog::Accepted;
}

void WidgetDialogs::preview(QWidget* parent, QPrinter& printer,
                            const std::function<void(QPrinter*)>& paint)
{
    const ItalianPrintDialogs italian;
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Vastrel - Anteprima di stampa"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    if (parent)
        dialog.resize(parent->window()->size().expandedTo(QSize(800, 600)));
    dialog.exec();
}

} // namespace vastrel::ui
