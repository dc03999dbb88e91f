#pragma once

#include <QTranslator>

namespace vastrel::ui {

// Qt's own texts in Italian (the standard buttons of the message and input boxes, the print
// dialogs, the menus of the text boxes) for as long as it lives, when the translation is
// installed; without it they stay as Qt has them.
class ItalianQtTexts
{
public:
    ItalianQtTexts();
    ~ItalianQtTexts();
    ItalianQtTexts(const ItalianQtTexts&) = delete;
    ItalianQtTexts& operator=(const ItalianQtTexts&) = delete;

private:
    QTranslator m_translator;
};

} // namespace vastrel::ui
