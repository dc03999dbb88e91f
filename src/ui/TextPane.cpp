#include "TextPane.h"

#include "PlainTextView.h"
#include "texts/rtf/RtfDocumentBuilder.h"
#include "texts/rtf/RtfReader.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTextEdit>
#include <QWheelEvent>
#include <algorithm>
#include <functional>

namespace vastrel::ui {

namespace {

constexpr auto kInteraction = Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse;
// The angle of one notch of a mouse wheel, in eighths of a degree.
constexpr int kNotch = 120;

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
    // With Ctrl the wheel changes the text's size, and neither scrolls nor zooms the view.
    void wheelEvent(QWheelEvent* e) override
    {
        if (!e->modifiers().testFlag(Qt::ControlModifier)) {
            View::wheelEvent(e);
            return;
        }
        e->accept();
        m_report(this, e);
    }

private:
    Report m_report;
};

// The rich view's own copy (its menu, the selection clipboard) gives the pane's plain text.
class RichView : public ReportingView<QTextEdit>
{
public:
    RichView(TextPane* pane, Report report) : ReportingView(pane, std::move(report)), m_pane(pane)
    {}

protected:
    QMimeData* createMimeDataFromSelection() const override
    {
        auto* mime = new QMimeData;
        mime->setText(m_pane->selectedText());
        return mime;
    }

private:
    const TextPane* m_pane;
};

} // namespace

TextPane::TextPane(QWidget* parent)
    : QWidget(parent), m_stack(new QStackedLayout(this)),
      m_plain(new ReportingView<PlainTextView>(this,
                                               [this](QWidget* v, QEvent* e) { viewEvent(v, e); })),
      m_rich(new RichView(this, [this](QWidget* v, QEvent* e) { viewEvent(v, e); }))
{
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_plain);
    m_stack->addWidget(m_rich);
    m_rich->setReadOnly(true);
    m_rich->setTextInteractionFlags(kInteraction);
    connect(m_plain, &PlainTextView::textChanged, this, &TextPane::changed);
    connect(m_rich, &QTextEdit::textChanged, this, &TextPane::changed);
    // A label hands its access key only to a buddy that takes the focus itself; the view on
    // show receives it.
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_plain);
}

void TextPane::setPaneFont(const QFont& font)
{
    m_font = font;
    setZoom(m_zoom);
}

double TextPane::pointSize() const
{
    return m_font.pointSizeF() * m_zoom / 100;
}

void TextPane::setZoom(int percent)
{
    m_zoom = percent;
    QFont font = m_font;
    font.setPointSizeF(pointSize());
    m_plain->setFont(font);
    m_rich->setFont(font);
    if (isRich())
        rezoomRich();
}

void TextPane::buildRich()
{
    QTextDocument* document = m_rich->document();
    document->clear();
    texts::RtfDocumentBuilder::build(texts::RtfReader::parse(m_rtf), *document, m_zoom / 100.0);
    m_richText = texts::RtfPlainText(*document);
}

// The document is built again at the new size; its text, and so every position, stays. The
// selection is put back and the text that was at the top stays there.
void TextPane::rezoomRich()
{
    const int start = selectionStart();
    const int length = selectionLength();
    const int top = m_richText.fromDocument(m_rich->cursorForPosition(QPoint(0, 0)).position());
    const QSignalBlocker quiet(m_rich);
    buildRich();
    QTextCursor topCursor = cursorOf(m_rich);
    topCursor.setPosition(m_richText.toDocument(top));
    QScrollBar* vertical = m_rich->verticalScrollBar();
    vertical->setValue(vertical->value() + m_rich->cursorRect(topCursor).top());
    const int value = vertical->value();
    setSelection(start, length);
    vertical->setValue(value);
}

void TextPane::setContent(const QString& pane, bool wrap)
{
    if (texts::RtfReader::isRtf(pane)) {
        m_rtf = pane;
        buildRich();
        m_rich->moveCursor(QTextCursor::Start);
        const QSignalBlocker quiet(m_plain);
        m_plain->setText(QString());
        m_stack->setCurrentWidget(m_rich);
        setFocusProxy(m_rich);
        Q_EMIT changed();
        return;
    }
    {
        const QSignalBlocker quiet(m_rich);
        m_rich->clear();
    }
    m_rtf.clear();
    m_richText = texts::RtfPlainText();
    m_plain->setText(withViewLineBreaks(pane), wrap);
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
    return isRich() ? m_richText.text() : m_plain->text();
}

int TextPane::selectionStart() const
{
    return isRich() ? m_richText.fromDocument(cursorOf(m_rich).selectionStart())
                    : m_plain->selectionStart();
}

int TextPane::selectionLength() const
{
    if (!isRich())
        return m_plain->selectionLength();
    const QTextCursor c = cursorOf(m_rich);
    return m_richText.fromDocument(c.selectionEnd()) - m_richText.fromDocument(c.selectionStart());
}

void TextPane::setSelection(int start, int length)
{
    if (!isRich()) {
        m_plain->setSelection(start, length);
        return;
    }
    const int size = int(m_richText.text().size());
    const int from = std::clamp(start, 0, size);
    const int to = int(std::clamp<qint64>(qint64(start) + length, 0, size));
    QTextCursor c = cursorOf(m_rich);
    c.setPosition(m_richText.toDocument(from));
    c.setPosition(m_richText.toDocument(to), QTextCursor::KeepAnchor);
    m_rich->setTextCursor(c);
    m_rich->ensureCursorVisible();
}

QString TextPane::selectedText() const
{
    if (!isRich())
        return m_plain->selectedText();
    return m_richText.text().mid(selectionStart(), selectionLength());
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
    case QEvent::Wheel: {
        m_wheelAngle += static_cast<QWheelEvent*>(event)->angleDelta().y();
        const int notches = m_wheelAngle / kNotch;
        m_wheelAngle -= notches * kNotch;
        if (notches != 0)
            Q_EMIT zoomWheel(notches);
        break;
    }
    default:
        break;
    }
}

} // namespace vastrel::ui
