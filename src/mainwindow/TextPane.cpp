#include "TextPane.h"

#include "texts/rtf/RtfDocumentBuilder.h"
#include "texts/rtf/RtfReader.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStackedLayout>
#include <QTextEdit>
#include <functional>

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

// A view that tells the pane of the user's keys, clicks and focus once it has handled them
// itself, so that the pane's listeners see the selection they left (a click inside a
// selection clears it only when the button is released).
template <typename View> class ReportingView : public View
{
public:
    using Report = std::function<void(QWidget*, QEvent*)>;

    ReportingView(QWidget* parent, Report report) : View(parent), m_report(std::move(report)) {}

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        View::keyPressEvent(e);
        m_report(this, e);
    }
    void keyReleaseEvent(QKeyEvent* e) override
    {
        View::keyReleaseEvent(e);
        m_report(this, e);
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        View::mousePressEvent(e);
        m_report(this, e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        View::mouseReleaseEvent(e);
        m_report(this, e);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        View::mouseDoubleClickEvent(e);
        m_report(this, e);
    }
    void focusInEvent(QFocusEvent* e) override
    {
        View::focusInEvent(e);
        m_report(this, e);
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        View::focusOutEvent(e);
        m_report(this, e);
    }

private:
    Report m_report;
};

} // namespace

TextPane::TextPane(QWidget* parent)
    : QWidget(parent), m_stack(new QStackedLayout(this)),
      m_plain(new ReportingView<QPlainTextEdit>(
          this, [this](QWidget* v, QEvent* e) { viewEvent(v, e); })),
      m_rich(new ReportingView<QTextEdit>(this, [this](QWidget* v, QEvent* e) { viewEvent(v, e); }))
{
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_plain);
    m_stack->addWidget(m_rich);
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

void TextPane::setPaneFont(const QFont& font)
{
    m_plain->setFont(font);
    m_rich->setFont(font);
}

void TextPane::setContent(const QString& pane)
{
    if (texts::RtfReader::isRtf(pane)) {
        QTextDocument* document = m_rich->document();
        document->clear();
        texts::RtfDocumentBuilder::build(texts::RtfReader::parse(pane), *document);
        m_rich->moveCursor(QTextCursor::Start);
        const QSignalBlocker quiet(m_plain);
        m_plain->clear();
        m_stack->setCurrentWidget(m_rich);
        setFocusProxy(m_rich);
        Q_EMIT changed();
        return;
    }
    {
        const QSignalBlocker quiet(m_rich);
        m_rich->clear();
    }
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

void TextPane::viewEvent(QWidget* view, QEvent* event)
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
        if (view == this->view())
            Q_EMIT focusIn();
        break;
    case QEvent::FocusOut:
        if (view == this->view())
            Q_EMIT focusOut();
        break;
    default:
        break;
    }
}

} // namespace vastrel::mainwindow
