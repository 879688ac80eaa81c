#pragma once

#include "FakeFileSystem.h"
#include "FakeImageProbe.h"
#include "MemorySettingsStore.h"
#include "RecordingCommandBar.h"
#include "RecordingViews.h"
#include "document/DocumentLifecycle.h"
#include "document/MapDocument.h"
#include "platform/AssistantPort.h"
#include "shell/RecentDocuments.h"
#include "shell/ShellState.h"

#include <gtest/gtest.h>

namespace areamaker::testing {

struct RecordingAssistant : AssistantPort
{
    std::vector<int> steps;
    void showAssistant(int step) override { steps.push_back(step); }
};

// The shell's state over a document wired to recording views and an in-memory site.
class ShellFixture : public ::testing::Test
{
protected:
    static constexpr const char *PagePath = "/site/page.htm";
    static constexpr const char *TwoMaps =
        "<body>\n<IMG SRC=\"img/plan.gif\" USEMAP=\"#Plan\">\n"
        "<MAP NAME=\"Plan\">\n<!--Source Map:|img/plan.gif|-->\n"
        "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\">\n</MAP>\n"
        "<MAP NAME=\"Village\">\n<!--Source Map:|img/plan.gif|-->\n</MAP>\n</body>\n";

    ShellFixture()
    {
        document.attachViews(&views, &views, nullptr);
        images.sizes["/site/img/plan.gif"] = {200, 100};
        files.put("/site/img/plan.gif", "GIF89a");
        files.put(PagePath, TwoMaps);
    }

    EditorPorts ports()
    {
        EditorPorts ports = portsOf(views, images, files);
        ports.recent = &recent;
        return ports;
    }

    ShellState shell;
    RecordingViews views;
    FakeFileSystem files;
    FakeImageProbe images;
    MemorySettingsStore store;
    RecordingCommandBar bar;
    RecordingAssistant assistant;
    RecentDocuments recent{shell.Settings.RecentDocuments, &bar};
    MapDocument document;
    DocumentLifecycle lifecycle{document, ports(), PathStyle::Posix};
};

} // namespace areamaker::testing
