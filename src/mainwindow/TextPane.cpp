#include "TextPane.h"

#include "PlainTextView.h"

#include <QKeyEvent>
#include <QStackedLayout>
#include <QTextEdit>
#include <algorithm>

namespace vastrel::mainwindow {

namespace {

constexpr auto kInteraction = Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse;

// The views' own line breaks: CR LF and a lone CR each become one "\n". The runs between
// CRs are found by Qt's vectorised search and copied whole into a string of the final size;
// a text without CR is shared as it is.
QString withViewLineBreaks(const QString& text)
{
    qsizetype cr = text.indexOf(u'\r');
    if (cr < 0)
        return text;
    QString out(text.size(), Qt::Uninitialized);
    const QChar* from = text.constData();
    QChar* to = out.data();
    qsizetype pos = 0;
    for (; cr >= 0; cr = text.indexOf(u'\r', pos)) {
        to = std::copy(from + pos, from + cr, to);
        *to++ = u'\n';
        pos = cr + 1;
        if (pos < text.size() && from[pos] == u'\n')
            ++pos;
    }
    to = std::copy(from + pos, from + text.size(), to);
    out.truncate(to - out.constData());
    return out;
}

QTextCursor cursorOf(const QTextEdit* view)
{
    return view->textCursor();
}

} // namespace

TextPane::TextPane(QWidget* parent)
    : QWidget(parent), m_stack(new QStackedLayout(this)), m_plain(new PlainTextView(this)),
      m_rich(new QTextEdit(this))
{
    m_stack->setContentsMargins(0, 0, 0, 0);
    for (QWidget* v : {static_cast<QWidget*>(m_plain), static_cast<QWidget*>(m_rich)}) {
        m_stack->addWidget(v);
        watch(v);
    }
    m_rich->setReadOnly(true);
    m_rich->setTextInteractionFlags(kInteraction);
    connect(m_plain, &PlainTextView::textChanged, this, &TextPane::changed);
    connect(m_rich, &QTextEdit::textChanged, this, &TextPane::changed);
    setFocusProxy(m_plain);
}

void TextPane::watch(QWidget* v)
{
    v->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(v))
        area->viewport()->installEventFilter(this);
}

void TextPane::setPaneFont(const QFont& font)
{
    m_plain->setFont(font);
    m_rich->setFont(font);
}

void TextPane::setContent(const QString& pane)
{
    m_plain->setText(withViewLineBreaks(pane));
    m_stack->setCurrentWidget(m_plain);
    setFocusProxy(m_plain);
}

bool TextPane::isRich() const
{
    return m_stack->currentWidget() == m_rich;
}

QWidget* TextPane::view() const
{
    return m_stack->currentWidget();
}

// The plain view's own string, shared: reading its length after every rebuild copies nothing.
QString TextPane::plainText() const
{
    return isRich() ? m_rich->toPlainText() : m_plain->text();
}

int TextPane::selectionStart() const
{
    return isRich() ? cursorOf(m_rich).selectionStart() : m_plain->selectionStart();
}

int TextPane::selectionLength() const
{
    if (!isRich())
        return m_plain->selectionLength();
    const QTextCursor c = cursorOf(m_rich);
    return c.selectionEnd() - c.selectionStart();
}

void TextPane::setSelection(int start, int length)
{
    if (!isRich()) {
        m_plain->setSelection(start, length);
        return;
    }
    QTextCursor c = cursorOf(m_rich);
    const int end = c.document()->characterCount() - 1;
    c.setPosition(std::clamp(start, 0, end));
    c.setPosition(std::clamp(start + length, 0, end), QTextCursor::KeepAnchor);
    m_rich->setTextCursor(c);
    m_rich->ensureCursorVisible();
}

QString TextPane::selectedText() const
{
    if (!isRich())
        return m_plain->selectedText();
    QString text = cursorOf(m_rich).selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

bool TextPane::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        Q_EMIT keyDown(static_cast<QKeyEvent*>(event)->key());
        break;
    case QEvent::KeyRelease:
        Q_EMIT keyUp();
        break;
    case QEvent::MouseButtonPress:
        Q_EMIT mouseDown();
        break;
    case QEvent::MouseButtonRelease:
        Q_EMIT mouseUp();
        break;
    case QEvent::MouseButtonDblClick:
        Q_EMIT doubleClicked();
        break;
    case QEvent::FocusIn:
        if (watched == view())
            Q_EMIT focusIn();
        break;
    case QEvent::FocusOut:
        if (watched == view())
            Q_EMIT focusOut();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vastrel::mainwindow
