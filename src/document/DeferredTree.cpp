#include "document/DeferredTree.h"

namespace areamaker {

void DeferredTree::addNode(const std::string &parentKey, const std::string &key,
                           const std::string &text, int image)
{
    mSteps.push_back({Kind::Add, parentKey, key, text, image});
}

void DeferredTree::setNodeText(const std::string &key, const std::string &text)
{
    mSteps.push_back({Kind::SetText, {}, key, text});
}

void DeferredTree::removeNode(const std::string &key)
{
    mSteps.push_back({Kind::Remove, {}, key, {}});
}

void DeferredTree::expandNode(const std::string &key)
{
    mSteps.push_back({Kind::Expand, {}, key, {}});
}

void DeferredTree::selectNode(const std::string &key)
{
    mSteps.push_back({Kind::Select, {}, key, {}});
}

void DeferredTree::replayInto(TreeViewPort &tree) const
{
    tree.clear();
    for (const Step &step : mSteps) {
        switch (step.kind) {
        case Kind::Add:
            tree.addNode(step.parentKey, step.key, step.text, step.image);
            break;
        case Kind::SetText:
            tree.setNodeText(step.key, step.text);
            break;
        case Kind::Remove:
            tree.removeNode(step.key);
            break;
        case Kind::Expand:
            tree.expandNode(step.key);
            break;
        case Kind::Select:
            tree.selectNode(step.key);
            break;
        }
    }
}

} // namespace areamaker
