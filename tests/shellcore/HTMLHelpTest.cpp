#include "shell/HTMLHelp.h"

#include "FakeFileSystem.h"
#include "RecordingViews.h"
#include "platform/HelpViewer.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

struct RecordingViewer : HelpViewer
{
    std::vector<std::string> calls;
    void displayContents(const std::string &collection, const std::string &window) override
    {
        calls.push_back("contents " + collection + " " + window);
    }
    void displayTopic(const std::string &collection, const std::string &window, int id) override
    {
        calls.push_back("topic " + collection + " " + window + std::to_string(id));
    }
    void closeAll() override { calls.push_back("close"); }
};

TEST(HTMLHelpTest, OnlyAnExistingCollectionOpens)
{
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"/opt/am/areaguide.qhc", "contents /opt/am/areaguide.qhc ", ""},
        {"areaguide.qhc", "contents /opt/am/areaguide.qhc ", ""},
        {"/opt/am/GUIDE.QHC", "contents /opt/am/GUIDE.QHC ", ""},
        {"/opt/am/areaguide.chm", "", "/opt/am/areaguide.chm is not a valid HTML Help file."},
        {"qc", "", "qc is not a valid HTML Help file."},
        {"gone.qhc", "",
         "The file /opt/am/gone.qhc does not exist.\nPlease make sure the correct path and file "
         "name have been specified."},
    };
    for (const auto &[file, opened, message] : cases) {
        testing::FakeFileSystem files;
        files.put("/opt/am/areaguide.qhc", "");
        files.put("/opt/am/GUIDE.QHC", "");
        testing::RecordingViews views;
        views.answers = {MessageAnswer::Ok};
        RecordingViewer viewer;
        HTMLHelp help(viewer, files, views);
        help.setProgramFolder("/opt/am/");
        help.CHMFile(file);
        help.HHDisplayContents();
        EXPECT_EQ(viewer.calls.empty() ? "" : viewer.calls[0], opened) << file;
        EXPECT_EQ(views.messages.empty() ? "" : views.messages[0].text, message) << file;
        if (!views.messages.empty()) {
            EXPECT_EQ(views.messages[0].title, "HTML Help Class");
            EXPECT_EQ(views.messages[0].icon, MessageIcon::Exclamation);
        }
    }
}

TEST(HTMLHelpTest, TopicsAndWindowTypesReachTheViewer)
{
    testing::FakeFileSystem files;
    files.put("/opt/am/areaguide.qhc", "");
    testing::RecordingViews views;
    RecordingViewer viewer;
    HTMLHelp help(viewer, files, views);
    help.CHMFile("/opt/am/areaguide.qhc");
    help.HHTopicID(25);
    help.HHDisplayTopicID();
    help.HHWindow("wide");
    help.HHDisplayContents();
    help.HHClose();
    EXPECT_EQ(viewer.calls,
              (std::vector<std::string>{"topic /opt/am/areaguide.qhc 25",
                                        "contents /opt/am/areaguide.qhc wide", "close"}));
}

} // namespace
} // namespace areamaker
