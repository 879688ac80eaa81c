#include "RecordingViews.h"

#include <algorithm>
#include <stdexcept>

namespace areamaker::testing {

const RecordingViews::Node *RecordingViews::node(const std::string &key) const
{
    const auto found =
        std::find_if(nodes.begin(), nodes.end(), [&](const Node &n) { return n.key == key; });
    return found == nodes.end() ? nullptr : &*found;
}

void RecordingViews::addNode(const std::string &parent, const std::string &key,
                             const std::string &text, int image)
{
    if (node(key))
        throw std::logic_error("tree key added twice: " + key);
    nodes.push_back({parent, key, text, image});
}

void RecordingViews::setNodeText(const std::string &key, const std::string &text)
{
    const auto found =
        std::find_if(nodes.begin(), nodes.end(), [&](const Node &n) { return n.key == key; });
    if (found == nodes.end())
        throw std::logic_error("no tree node " + key);
    found->text = text;
}

void RecordingViews::removeNode(const std::string &key)
{
    std::erase_if(nodes, [&](const Node &n) { return n.key == key || n.parent == key; });
}

void RecordingViews::setPanelText(const std::string &panel, const std::string &text)
{
    if (panel == "ETAT")
        status = text;
}

bool RecordingViews::ShowImage(const std::string &path)
{
    shownImages.push_back(path);
    return path.empty() || imagesLoad;
}

MessageAnswer RecordingViews::show(const MessageRequest &request)
{
    messages.push_back(request);
    if (onMessage)
        onMessage();
    if (answers.empty())
        throw std::logic_error("unexpected message: " + request.text);
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string RecordingViews::getSaveFileName(const OpenFileRequest &request)
{
    return getOpenFileName(request);
}

std::string RecordingViews::getOpenFileName(const OpenFileRequest &request)
{
    dialogs.push_back(request);
    if (chosenFiles.empty())
        return {};
    std::string file = chosenFiles.front();
    chosenFiles.pop_front();
    return file;
}

} // namespace areamaker::testing
