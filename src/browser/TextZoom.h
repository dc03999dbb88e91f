#pragma once

namespace vastrel::browser {

// The size of the text pane's font, as a percentage of its normal size, in the steps that
// the zoom keys and the wheel take. Nothing of it is remembered between runs.
class TextZoom
{
public:
    static constexpr int kNormal = 100;
    static constexpr int kSmallest = 50;
    static constexpr int kLargest = 400;

    enum class Step
    {
        Larger,
        Smaller,
        Normal,
    };

    // The next step above or below percent, which need not be a step itself (the command
    // line may ask for any size); the range's ends stay where they are.
    static int apply(int percent, Step step);
    // A size asked for on the command line, kept to the range.
    static int clamp(double percent);
};

} // namespace vastrel::browser
