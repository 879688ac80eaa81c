#pragma once

#include <optional>

namespace areamaker {

// The mouse rules of a caption button drawn inside another window: a press on it shows it
// pressed, and only a release on it after such a press is a click.
class CaptionButtonTracker
{
public:
    static constexpr int NormalState = 0;
    static constexpr int PressedState = 512;

    // What a mouse message asks of the button: a state to draw it in, and a click.
    struct Response
    {
        std::optional<int> draw;
        bool click = false;
    };

    // Places the square of side `size` at (left, top) of its host; hit tests start then.
    void setPosition(int left, int top, int size);
    // A hidden button forgets a press in progress: its release can never click.
    void setVisible(bool visible)
    {
        mVisible = visible;
        mPressed = mPressed && visible;
    }
    bool visible() const { return mVisible; }
    bool pressed() const { return mPressed; }
    bool contains(int x, int y) const;

    Response press(int x, int y);
    Response release(int x, int y);

private:
    struct Square
    {
        int left, top, size;
    };

    std::optional<Square> mRegion;
    bool mVisible = true;
    bool mPressed = false;
};

} // namespace areamaker
