#include "shell/HTMLHelp.h"

#include "document/AsciiText.h"
#include "document/Paths.h"
#include "platform/FileSystem.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBoxPort.h"

namespace areamaker {

void HTMLHelp::HHDisplayContents()
{
    if (const std::optional<std::string> file = checkedFile())
        mViewer.displayContents(*file, mWindow);
}

void HTMLHelp::HHDisplayTopicID()
{
    if (const std::optional<std::string> file = checkedFile())
        mViewer.displayTopic(*file, mWindow, mTopic);
}

void HTMLHelp::HHClose()
{
    mViewer.closeAll();
}

std::optional<std::string> HTMLHelp::checkedFile()
{
    const std::string extension = mFile.size() >= 3 ? mFile.substr(mFile.size() - 3) : mFile;
    if (!equalsIgnoreAsciiCase(extension, "qhc")) {
        warn(mFile + " is not a valid HTML Help file.");
        return std::nullopt;
    }
    std::string path = mFile;
    if (path.find(separatorOf(nativePathStyle())) == std::string::npos)
        path = mProgramFolder + path;
    if (!mFiles.fileExists(path)) {
        warn("The file " + path +
             " does not exist.\nPlease make sure the correct path and file name have been "
             "specified.");
        return std::nullopt;
    }
    return path;
}

void HTMLHelp::warn(const std::string &text)
{
    mMessages.show({text, "HTML Help Class", MessageButtons::Ok, MessageIcon::Exclamation});
}

} // namespace areamaker
