#include "TextPane.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStackedLayout>
#include <QTextEdit>

namespace vastrel::mainwindow {

namespace {

constexpr auto kInteraction = Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse;

// The views' own line breaks: CR LF and a lone CR each become one break.
QString withViewLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

template <typename View> QTextCursor cursorOf(const View* view)
{
    return view->textCursor();
}

} // namespace

TextPane::TextPane(QWidget* parent)
    : QWidget(parent), m_stack(new QStackedLayout(this)), m_plain(new QPlainTextEdit(this)),
      m_rich(new QTextEdit(this))
{
    m_stack->setContentsMargins(0, 0, 0, 0);
    for (QWidget* v : {static_cast<QWidget*>(m_plain), static_cast<QWidget*>(m_rich)}) {
        m_stack->addWidget(v);
        watch(v);
    }
    m_plain->setReadOnly(true);
    m_plain->setTextInteractionFlags(kInteraction);
    m_plain->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_rich->setReadOnly(true);
    m_rich->setTextInteractionFlags(kInteraction);
    connect(m_plain, &QPlainTextEdit::textChanged, this, &TextPane::changed);
    connect(m_rich, &QTextEdit::textChanged, this, &TextPane::changed);
    // A label hands its access key only to a buddy that takes the focus itself; the view on
    // show receives it.
    setFocusPolicy(Qt::StrongFocus);
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
    m_plain->setPlainText(withViewLineBreaks(pane));
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

QString TextPane::plainText() const
{
    return isRich() ? m_rich->toPlainText() : m_plain->toPlainText();
}

int TextPane::selectionStart() const
{
    return isRich() ? cursorOf(m_rich).selectionStart() : cursorOf(m_plain).selectionStart();
}

int TextPane::selectionLength() const
{
    const QTextCursor c = isRich() ? cursorOf(m_rich) : cursorOf(m_plain);
    return c.selectionEnd() - c.selectionStart();
}

void TextPane::setSelection(int start, int length)
{
    QTextCursor c = isRich() ? cursorOf(m_rich) : cursorOf(m_plain);
    const int end = c.document()->characterCount() - 1;
    c.setPosition(std::clamp(start, 0, end));
    c.setPosition(std::clamp(start + length, 0, end), QTextCursor::KeepAnchor);
    if (isRich()) {
        m_rich->setTextCursor(c);
        m_rich->ensureCursorVisible();
    } else {
        m_plain->setTextCursor(c);
        m_plain->ensureCursorVisible();
    }
}

QString TextPane::selectedText() const
{
    QString text = (isRich() ? cursorOf(m_rich) : cursorOf(m_plain)).selectedText();
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
