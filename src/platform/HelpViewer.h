#pragma once

#include <string>

namespace areamaker {

// The help viewer: opens a help collection on its contents or on one topic, in the window
// of the given type (empty for the usual one), and closes every help window.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    virtual void displayContents(const std::string &collection, const std::string &window) = 0;
    virtual void displayTopic(const std::string &collection, const std::string &window,
                              int topicId) = 0;
    virtual void closeAll() = 0;
};

} // namespace areamaker
