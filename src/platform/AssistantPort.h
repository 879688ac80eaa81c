#pragma once

namespace areamaker {

// The new image map assistant, shown modally from the step given (0 page, 1 image).
class AssistantPort
{
public:
    virtual ~AssistantPort() = default;
    virtual void showAssistant(int step) = 0;
};

} // namespace areamaker
