#pragma once

#include <optional>
#include <string>

namespace areamaker {

class FileSystem;
class HelpViewer;
class MessageBoxPort;

// The program's one help object: checks the help file, then opens the viewer on its
// contents or on a topic; closes every help window when the program ends.
class HTMLHelp
{
public:
    // The user guide's collection, beside the program.
    static constexpr const char *GuideFile = "areaguide.qhc";

    HTMLHelp(HelpViewer &viewer, const FileSystem &files, MessageBoxPort &messages)
        : mViewer(viewer), mFiles(files), mMessages(messages)
    {
    }

    // Where a help file named without a folder is looked for, ending with a separator.
    void setProgramFolder(const std::string &folder) { mProgramFolder = folder; }
    void CHMFile(const std::string &path) { mFile = path; }
    const std::string &CHMFile() const { return mFile; }
    void HHWindow(const std::string &type) { mWindow = type; }
    void HHTopicID(int id) { mTopic = id; }

    void HHDisplayContents();
    void HHDisplayTopicID();
    void HHClose();

private:
    // The file to open, or nothing after the message that says what is wrong with it.
    std::optional<std::string> checkedFile();
    void warn(const std::string &text);

    HelpViewer &mViewer;
    const FileSystem &mFiles;
    MessageBoxPort &mMessages;
    std::string mProgramFolder;
    std::string mFile;
    std::string mWindow;
    int mTopic = 0;
};

} // namespace areamaker
