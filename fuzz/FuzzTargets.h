#pragma once

#include <QByteArrayView>

// The bodies of the libFuzzer targets. Each takes one input and checks properties that the
// program's rules guarantee; a broken one calls fail(). The fuzzers turn that into a crash,
// the replay test into a failed row, so the same body runs under both.
namespace vastrel::fuzz {

[[noreturn]] void fail(const char* what);

inline void check(bool holds, const char* what)
{
    if (!holds)
        fail(what);
}

// The command-line parser: arguments separated by NUL bytes.
void options(QByteArrayView data);
// The lenient number reading.
void number(QByteArrayView data);
// Tronca and Affianca on a text and a side block.
void columns(QByteArrayView data);
// A track's text split at the separator line.
void split(QByteArrayView data);
// The playing time from a header buffer and a file length.
void mpeg(QByteArrayView data);
// Text files and file names turned into text (and names back into bytes).
void decode(QByteArrayView data);
// A duplicate marker's first line and the track file it leads to.
void marker(QByteArrayView data);
// A picture file of any content.
void picture(QByteArrayView data);
// A track file of any content under each audio format's extension.
void audio(QByteArrayView data);

} // namespace vastrel::fuzz
