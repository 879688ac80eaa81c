#pragma once

#include <string>

namespace areamaker {

enum class MessageButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel
};
enum class MessageIcon
{
    None,
    Information,
    Question,
    Exclamation,
    Critical
};
enum class MessageAnswer
{
    Ok,
    Cancel,
    Yes,
    No,
    Retry
};

// One modal message box: French text and title, the buttons offered and the default one.
struct MessageRequest
{
    std::string text;
    std::string title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    int defaultButton = 0; // index among the buttons offered, left to right
};

// Shows modal message boxes and returns the button the user pressed.
class MessageBoxPort
{
public:
    virtual ~MessageBoxPort() = default;
    virtual MessageAnswer show(const MessageRequest &request) = 0;
};

} // namespace areamaker
