#pragma once
// What the handlers need from a window system and cannot model themselves. The Qt window
// implements it; tests and the command-line tool use fakes.

namespace zolvan {

class WindowServices {
public:
    virtual ~WindowServices() = default;
    // The decimal separator of the user's number format: '.' or ','.
    virtual char localeDecimalSeparator() = 0;
    // A seed taken from the clock for the random-number generator.
    virtual unsigned clockSeed() = 0;
    // Lets pending window events run once and returns.
    virtual void doEvents() = 0;
    virtual void setTopmost(bool on) = 0;
};

} // namespace zolvan
