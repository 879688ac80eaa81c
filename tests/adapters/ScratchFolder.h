#pragma once

#include <string>
#include <string_view>
#include <vector>

// A temporary folder for one test, removed with everything in it (read-only parts too).
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::string &path() const { return mPath; }
    // The absolute path of `relative` inside the folder.
    std::string file(std::string_view relative) const;
    // Writes the file, creating its parent folders.
    std::string write(std::string_view relative, std::string_view bytes) const;
    std::string copyIn(const std::string &source, std::string_view relative) const;
    // Names of the entries of a folder inside this one, sorted.
    std::vector<std::string> list(std::string_view relativeFolder = {}) const;

    static std::string readBytes(const std::string &path);

private:
    std::string mPath;
};
