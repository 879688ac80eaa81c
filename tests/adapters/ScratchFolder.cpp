#include "ScratchFolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder()
{
    std::string pattern = (fs::temp_directory_path() / "areamaker-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    // Traversable by everyone, so that a test may run a step as an unprivileged user.
    ::chmod(pattern.c_str(), 0755);
    mPath = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    for (const auto &entry : fs::recursive_directory_iterator(mPath, ignored)) {
        if (entry.is_directory(ignored) && !entry.is_symlink(ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::permissions(mPath, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(mPath, ignored);
}

std::string ScratchFolder::file(std::string_view relative) const
{
    return (fs::path(mPath) / relative).string();
}

std::string ScratchFolder::write(std::string_view relative, std::string_view bytes) const
{
    const fs::path target = file(relative);
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + target.string());
    return target.string();
}

std::string ScratchFolder::copyIn(const std::string &source, std::string_view relative) const
{
    const fs::path target = file(relative);
    fs::create_directories(target.parent_path());
    fs::copy(source, target, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return target.string();
}

std::vector<std::string> ScratchFolder::list(std::string_view relativeFolder) const
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(file(relativeFolder)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ScratchFolder::readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
