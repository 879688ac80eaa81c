#pragma once

#include "platform/EditorPorts.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace areamaker::testing {

// Every view and dialog of the editor, recording what it is told and answering questions
// and file dialogs from scripted queues.
class RecordingViews : public TreeViewPort,
                       public PropertyGridPort,
                       public StatusBarPort,
                       public CommandStatePort,
                       public CanvasPort,
                       public WindowTitlePort,
                       public RecentDocumentsPort,
                       public MessageBoxPort,
                       public FileDialogPort
{
public:
    struct Node
    {
        std::string parent, key, text;
        int image = 0;
    };

    std::vector<Node> nodes;
    std::vector<std::string> expanded;
    std::string selectedNode;
    std::vector<GridFill> gridFills;
    // Row values written by tag since the last fill.
    std::map<int, std::string> rows;
    std::string status;
    std::vector<ToolbarState> toolbarStates;
    std::string pressedTool;
    std::vector<std::string> shownImages;
    bool imagesLoad = true;
    int canvasMode = -99;
    int titleRefreshes = 0;
    int zoneDeletions = 0;
    std::vector<std::string> recent;
    std::vector<MessageRequest> messages;
    std::deque<MessageAnswer> answers;
    // Runs while a message is up, as a user who fixes things before answering.
    std::function<void()> onMessage;
    std::vector<OpenFileRequest> dialogs;
    std::deque<std::string> chosenFiles;

    const Node *node(const std::string &key) const;

    void clear() override { nodes.clear(); }
    void addNode(const std::string &parent, const std::string &key, const std::string &text,
                 int image) override;
    void setNodeText(const std::string &key, const std::string &text) override;
    void removeNode(const std::string &key) override;
    void expandNode(const std::string &key) override { expanded.push_back(key); }
    void selectNode(const std::string &key) override { selectedNode = key; }
    void fill(GridFill mode) override
    {
        gridFills.push_back(mode);
        rows.clear();
    }
    void setRowValue(int tag, const std::string &value) override { rows[tag] = value; }
    void setPanelText(const std::string &panel, const std::string &text) override;
    void setToolbarState(ToolbarState state) override { toolbarStates.push_back(state); }
    void pressToolButton(const std::string &key) override { pressedTool = key; }
    bool ShowImage(const std::string &path) override;
    void clearSelection() override {}
    void DeleteSelectedZone(bool) override { ++zoneDeletions; }
    void setCanvasMode(int mode) override { canvasMode = mode; }
    void startDisplayTimer() override {}
    void refreshTitle(const MapDocument &) override { ++titleRefreshes; }
    void addDocument(const std::string &path) override { recent.push_back(path); }
    MessageAnswer show(const MessageRequest &request) override;
    std::string getOpenFileName(const OpenFileRequest &request) override;
    std::string getSaveFileName(const OpenFileRequest &request) override;
};

} // namespace areamaker::testing
