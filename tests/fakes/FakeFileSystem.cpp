#include "FakeFileSystem.h"

namespace areamaker::testing {

void FakeFileSystem::put(const std::string &path, std::string bytes)
{
    mFiles[path] = {std::move(bytes), ++mClock};
}

void FakeFileSystem::touch(const std::string &path)
{
    mFiles.at(path).stamp = ++mClock;
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
