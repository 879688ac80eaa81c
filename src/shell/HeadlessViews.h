#pragma once

#include "platform/EditorViews.h"
#include "platform/FileDialogPort.h"
#include "platform/MessageBoxPort.h"

namespace areamaker {

// The views and dialogs of a run without a window: nothing is shown, every question is
// declined, every dialog is cancelled.
class HeadlessViews : public TreeViewPort,
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
    void clear() override {}
    bool showsNodes() const override { return false; }
    void addNode(const std::string &, const std::string &, const std::string &, int) override {}
    void setNodeText(const std::string &, const std::string &) override {}
    void removeNode(const std::string &) override {}
    void expandNode(const std::string &) override {}
    void selectNode(const std::string &) override {}
    void fill(GridFill) override {}
    void setRowValue(int, const std::string &) override {}
    void setPanelText(const std::string &, const std::string &) override {}
    void setToolbarState(ToolbarState) override {}
    void pressToolButton(const std::string &) override {}
    bool ShowImage(const std::string &path) override { return !path.empty(); }
    void clearSelection() override {}
    void DeleteSelectedZone(bool) override {}
    void setCanvasMode(int) override {}
    void startDisplayTimer() override {}
    void refreshTitle(const MapDocument &) override {}
    void addDocument(const std::string &) override {}
    MessageAnswer show(const MessageRequest &request) override;
    std::string getOpenFileName(const OpenFileRequest &) override { return {}; }
    std::string getSaveFileName(const OpenFileRequest &) override { return {}; }
};

} // namespace areamaker
