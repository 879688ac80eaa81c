#pragma once

#include "platform/EditorViews.h"

#include <string>
#include <vector>

namespace areamaker {

// Holds the nodes a page reader adds until the page is known to be readable, so that a
// page that fails leaves the tree of the open document as it was.
class DeferredTree : public TreeViewPort
{
public:
    void clear() override { mSteps.clear(); }
    void addNode(const std::string &parentKey, const std::string &key, const std::string &text,
                 int image) override;
    void setNodeText(const std::string &key, const std::string &text) override;
    void removeNode(const std::string &key) override;
    void expandNode(const std::string &key) override;
    void selectNode(const std::string &key) override;

    // Empties `tree` and gives it the nodes held here, in the order they came.
    void replayInto(TreeViewPort &tree) const;

private:
    enum class Kind
    {
        Add,
        SetText,
        Remove,
        Expand,
        Select
    };
    struct Step
    {
        Kind kind;
        std::string parentKey, key, text;
        int image = 0;
    };
    std::vector<Step> mSteps;
};

} // namespace areamaker
