#include "ElidingLabel.h"

#include <QPainter>
#include <QStyle>

namespace vastrel::ui {

namespace {

// A caption as a label shows it: "&" marks the access key, "&&" stands for one "&".
QString withoutAccessKey(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

} // namespace

QString ElidingLabel::shownText() const
{
    return fontMetrics().elidedText(withoutAccessKey(text()), Qt::ElideLeft,
                                    contentsRect().width());
}

void ElidingLabel::paintEvent(QPaintEvent* event)
{
    const QString shown = shownText();
    if (shown == withoutAccessKey(text())) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(),
                          int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), shown, foregroundRole());
}

} // namespace vastrel::ui
