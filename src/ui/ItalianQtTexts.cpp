#include "ItalianQtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace vastrel::ui {

ItalianQtTexts::ItalianQtTexts()
{
    if (m_translator.load(QStringLiteral("qtbase_it"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_translator);
}

ItalianQtTexts::~ItalianQtTexts()
{
    QCoreApplication::removeTranslator(&m_translator);
}

} // namespace vastrel::ui
