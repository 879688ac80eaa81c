#include "FakeFileSystem.h"

#include <set>

namespace areamaker::testing {

void FakeFileSystem::put(const std::string &path, std::string bytes)
{
    mFiles[path] = {std::move(bytes), ++mClock};
}

void FakeFileSystem::touch(const std::string &path)
{
    mFiles.at(path).stamp = ++mClock;
}

std::optional<std::vector<std::string>>
FakeFileSystem::folderEntries(const std::string &folder) const
{
    ++listings;
    const std::string prefix = folder.ends_with('/') ? folder : folder + '/';
    std::set<std::string> names;
    for (const auto &[path, file] : mFiles) {
        if (path.starts_with(prefix))
            names.insert(path.substr(prefix.size(), path.find('/', prefix.size()) - prefix.size()));
    }
    if (names.empty())
        return std::nullopt;
    return std::vector<std::string>(names.begin(), names.end());
}

IoResult FakeFileSystem::readFile(const std::string &path, std::string &bytes) const
{
    if (failReads)
        return IoResult::failure("Lecture impossible : erreur simulée");
    const auto file = mFiles.find(path);
    if (file == mFiles.end())
        return IoResult::failure("Ouverture impossible : fichier introuvable");
    bytes = file->second.bytes;
    return {};
}

IoResult FakeFileSystem::replaceFile(const std::string &path, std::string_view bytes)
{
    if (failReplaces)
        return IoResult::failure("Écriture impossible : disque plein");
    ++replaceCount;
    put(path, std::string(bytes));
    return {};
}

void FakeFileSystem::removeStaleTemporaries(const std::string &path)
{
    for (auto stale = staleTemporaryOf.begin(); stale != staleTemporaryOf.end();) {
        if (stale->second == path) {
            mFiles.erase(stale->first);
            stale = staleTemporaryOf.erase(stale);
        } else {
            ++stale;
        }
    }
}

std::optional<FileTime> FakeFileSystem::lastWriteTime(const std::string &path) const
{
    const auto file = mFiles.find(path);
    if (file == mFiles.end())
        return std::nullopt;
    const int t = file->second.stamp;
    return FileTime{2003, 5, 17, 9, t / 60 % 60, t % 60};
}

} // namespace areamaker::testing
