#pragma once

#include <QtGlobal>

namespace vastrel::texts {

// Bounds that keep any file, however malformed or hostile, from costing the
// program more than a proportionate amount of time and memory.
struct RtfLimits
{
    // Larger content is shown as plain text.
    static constexpr qsizetype maxInputSize = 32 * 1024 * 1024;
    // Deeper groups are only counted: their braces still balance.
    static constexpr int maxGroupDepth = 256;
    static constexpr int maxWordLength = 32;
    static constexpr int maxParameterDigits = 10;
    static constexpr int maxFonts = 4096;
    static constexpr int maxColors = 4096;
    static constexpr int maxFontNameLength = 128;
    static constexpr int maxFields = 100000;
    static constexpr int maxFieldInstruction = 2048;
    static constexpr int maxCodePages = 32;
    // Past these, text keeps flowing into the last run or paragraph.
    static constexpr int maxRuns = 500000;
    static constexpr int maxParagraphs = 200000;
    static constexpr int maxCellsPerRow = 64;
    static constexpr int maxTabStops = 32;
    // Pictures past the count show nothing; their data is bounded by the input.
    static constexpr int maxPictures = 1000;
    // Pictures are shown at most this large, read scaled down when larger; the
    // pixels decoded for all the pictures of a document stay within the budget
    // (a PNG decodes whole before it is scaled). Past it pictures show nothing.
    static constexpr int maxPictureSide = 2048;
    static constexpr qint64 maxPicturePixels = 32 * 1024 * 1024;
    // Lengths in twips: 22 inches, the widest page the format allows.
    static constexpr int maxLength = 31680;
    static constexpr int minHalfPoints = 2;
    static constexpr int maxHalfPoints = 1000;
};

} // namespace vastrel::texts
