#pragma once

namespace areamaker {

// What the options dialog asks of the window around it.
class OptionsHost
{
public:
    virtual ~OptionsHost() = default;
    // The settings just applied: the layout and everything else that follows them.
    virtual void optionsApplied() = 0;
    virtual void RedrawCanvas() = 0;
    // The one-shot deferred redraw that follows a closed dialog.
    virtual void startRedrawTimer() = 0;
    // Ends the program at once, without the exit sequence: nothing is saved or written.
    virtual void endProgram() = 0;
};

} // namespace areamaker
