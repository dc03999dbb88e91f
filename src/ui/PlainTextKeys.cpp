#include "PlainTextKeys.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace vastrel::ui {

using Move = texts::CaretMotion::Move;

namespace {

// The platform's keys for each movement, without and with extending the selection.
struct KeyBinding
{
    QKeySequence::StandardKey move;
    QKeySequence::StandardKey select;
    Move motion;
};

constexpr KeyBinding kBindings[] = {
    {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Move::PreviousChar},
    {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Move::NextChar},
    {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Move::PreviousWord},
    {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Move::NextWord},
    {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Move::PreviousLine},
    {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Move::NextLine},
    {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Move::LineStart},
    {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Move::LineEnd},
    {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Move::PreviousPage},
    {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Move::NextPage},
    {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Move::DocumentStart},
    {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Move::DocumentEnd},
};

} // namespace

std::optional<PlainTextKeys::Action> PlainTextKeys::actionFor(const QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy))
        return Action{Command::Copy};
    if (event->matches(QKeySequence::SelectAll))
        return Action{Command::SelectAll};
    for (const KeyBinding& b : kBindings) {
        if (event->matches(b.move))
            return Action{Command::Move, b.motion, false};
        if (event->matches(b.select))
            return Action{Command::Move, b.motion, true};
    }
    return std::nullopt;
}

} // namespace vastrel::ui
