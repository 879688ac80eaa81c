#include "adapters/PosixFileSystem.h"

#include "adapters/MappedFileView.h"
#include "adapters/SystemErrorText.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace areamaker {

namespace {

IoResult systemFailure(const char *what)
{
    return IoResult::failure(std::string(what) + " : " + systemErrorText(errno));
}

// The file a path finally names, so that a link stays a link after the save.
std::string resolvedTarget(const std::string &path)
{
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string folderOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

// Asks for huge pages under a large buffer before it is first touched: filling a page of
// 20 MB in ordinary pages takes 5,000 page faults, which cost more than reading the file.
// The system puts huge pages only where a whole one fits in the buffer's memory, and where
// it gives none the advice is ignored and nothing else changes.
void preferHugePages(char *data, std::size_t size)
{
    constexpr std::size_t hugePage = std::size_t{2} << 20;
    if (size < hugePage)
        return;
    const auto pageSize = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto first = reinterpret_cast<std::uintptr_t>(data) & ~(pageSize - 1);
    const auto last = reinterpret_cast<std::uintptr_t>(data) + size;
    madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
}

constexpr std::string_view temporaryMark = "XXXXXX";

// Beside the page, hidden, and named after it so a user who finds one knows what it was.
std::string temporaryTemplate(const std::string &target)
{
    const auto slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    return folderOf(target) + "." + name + ".areamaker-" + std::string(temporaryMark);
}

// Whether `entry` is a name the template makes: its six last letters as mkstemp fills them.
bool isTemporaryName(std::string_view entry, std::string_view templateName)
{
    const std::string_view prefix = templateName.substr(0, templateName.size() - temporaryMark.size());
    if (entry.size() != templateName.size() || !entry.starts_with(prefix))
        return false;
    const std::string_view made = entry.substr(prefix.size());
    return std::all_of(made.begin(), made.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

} // namespace

bool PosixFileSystem::fileExists(const std::string &path) const
{
    struct stat info
    {
    };
    return mCalls.statPath(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

IoResult PosixFileSystem::readFile(const std::string &path, std::string &bytes) const
{
    const int fd = mCalls.openFile(path.c_str(), O_RDONLY);
    if (fd < 0)
        return systemFailure("Ouverture impossible");
    const IoResult result = readOpenFile(fd, bytes);
    mCalls.closeFile(fd);
    return result;
}

IoResult PosixFileSystem::viewFile(const std::string &path, std::unique_ptr<FileView> &view) const
{
    const int fd = mCalls.openFile(path.c_str(), O_RDONLY);
    if (fd < 0)
        return systemFailure("Ouverture impossible");
    struct stat info
    {
    };
    const bool regular = mCalls.statFile(fd, &info) == 0 && S_ISREG(info.st_mode);
    const auto size = static_cast<std::size_t>(info.st_size);
    void *mapped = regular && size > 0 ? mCalls.mapFile(fd, size) : MAP_FAILED;
    IoResult result;
    if (mapped != MAP_FAILED) {
        view = std::make_unique<MappedFileView>(mCalls, mapped, size);
    } else {
        std::string bytes;
        result = readOpenFile(fd, bytes);
        if (result.ok())
            view = std::make_unique<OwnedFileView>(std::move(bytes));
    }
    mCalls.closeFile(fd);
    return result;
}

IoResult PosixFileSystem::readOpenFile(int fd, std::string &bytes) const
{
    struct stat info
    {
    };
    if (mCalls.statFile(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return IoResult::failure("Ce n'est pas un fichier ordinaire.");
    // Read straight into the page's one buffer; a file that grows meanwhile is read whole.
    std::string content;
    content.reserve(static_cast<std::size_t>(info.st_size));
    preferHugePages(content.data(), content.capacity());
    content.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    char beyond[1 << 16];
    while (true) {
        const bool full = filled == content.size();
        const ssize_t got = full ? mCalls.readFile(fd, beyond, sizeof beyond)
                                 : mCalls.readFile(fd, content.data() + filled,
                                                   content.size() - filled);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return systemFailure("Lecture impossible");
        }
        if (full)
            content.append(beyond, static_cast<std::size_t>(got));
        filled += static_cast<std::size_t>(got);
    }
    content.resize(filled);
    bytes = std::move(content);
    return {};
}

IoResult PosixFileSystem::writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = mCalls.writeFile(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return systemFailure("Écriture impossible");
        }
        if (written == 0) {
            errno = ENOSPC;
            return systemFailure("Écriture impossible");
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Writes what `produce` makes in pieces of about a megabyte, which its memory is reused for;
// after a failed write the rest is not made in vain. The disk takes each piece while the next
// is made.
IoResult PosixFileSystem::writeContents(int fd, const ContentProducer &produce)
{
    constexpr std::size_t PieceSize = 1 << 20;
    IoResult result;
    std::string piece;
    piece.reserve(PieceSize);
    const auto writeOut = [&](std::string_view bytes) {
        result = writeAll(fd, bytes);
        if (result.ok())
            mCalls.startWriteBack(fd);
    };
    const auto writePiece = [&] {
        if (result.ok())
            writeOut(piece);
        piece.clear();
    };
    const std::string failure = produce([&](std::string_view bytes) {
        if (!result.ok())
            return;
        if (piece.size() + bytes.size() > PieceSize)
            writePiece();
        if (bytes.size() >= PieceSize && result.ok())
            writeOut(bytes);
        else
            piece.append(bytes);
    });
    writePiece();
    if (!failure.empty() && result.ok())
        result = IoResult::failure(failure);
    return result;
}

IoResult PosixFileSystem::writeTemporary(const std::string &temporary, int fd,
                                         const ContentProducer &produce, mode_t mode)
{
    IoResult result = writeContents(fd, produce);
    if (result.ok() && mCalls.changeMode(fd, mode) != 0)
        result = systemFailure("Permissions impossibles à conserver");
    if (result.ok() && mCalls.syncFile(fd) != 0)
        result = systemFailure("Écriture sur le disque impossible");
    if (mCalls.closeFile(fd) != 0 && result.ok())
        result = systemFailure("Fermeture impossible");
    if (!result.ok())
        mCalls.unlinkFile(temporary.c_str());
    return result;
}

IoResult PosixFileSystem::replaceFile(const std::string &path, std::string_view bytes)
{
    return replaceFileWith(path, [bytes](const ContentWriter &write) {
        write(bytes);
        return std::string();
    });
}

IoResult PosixFileSystem::replaceFileWith(const std::string &path, const ContentProducer &produce)
{
    const std::string target = resolvedTarget(path);
    struct stat original
    {
    };
    const bool existed = mCalls.statPath(target.c_str(), &original) == 0;
    if (existed && !S_ISREG(original.st_mode))
        return IoResult::failure("Ce n'est pas un fichier ordinaire.");
    // The folder's permissions would let the rename through; the page's own must decide.
    if (existed && !mCalls.mayWrite(target.c_str())) {
        errno = EACCES;
        return systemFailure("Fichier en lecture seule");
    }

    std::string temporary = temporaryTemplate(target);
    const int fd = mCalls.makeTemporary(temporary.data());
    if (fd < 0)
        return systemFailure("Création du fichier temporaire impossible");
    const mode_t mode = existed ? original.st_mode & 07777 : mCalls.newFileMode();
    const IoResult written = writeTemporary(temporary, fd, produce, mode);
    if (!written.ok())
        return written;
    if (mCalls.renameFile(temporary.c_str(), target.c_str()) != 0) {
        const IoResult failure = systemFailure("Remplacement du fichier impossible");
        mCalls.unlinkFile(temporary.c_str());
        return failure;
    }
    syncFolder(folderOf(target));
    return {};
}

void PosixFileSystem::removeStaleTemporaries(const std::string &path)
{
    const std::string target = resolvedTarget(path);
    const std::string folder = folderOf(target);
    const std::string templateName = temporaryTemplate(target).substr(folder.size());
    DIR *listing = mCalls.openFolder(folder.c_str());
    if (!listing)
        return;
    // A save in progress keeps writing its file; one a minute old was left by a killed save.
    const std::time_t staleBefore = std::time(nullptr) - 60;
    const uid_t user = geteuid();
    while (const dirent *entry = mCalls.readFolder(listing)) {
        if (!isTemporaryName(entry->d_name, templateName))
            continue;
        struct stat info
        {
        };
        // The entry itself, never what a link names; only regular files of this user.
        if (mCalls.statEntry(dirfd(listing), entry->d_name, &info) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == user && info.st_mtime < staleBefore)
            mCalls.unlinkEntry(dirfd(listing), entry->d_name);
    }
    mCalls.closeFolder(listing);
}

// Makes the rename itself durable.
void PosixFileSystem::syncFolder(const std::string &folder)
{
    const int fd = mCalls.openFile(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        mCalls.syncFile(fd);
        mCalls.closeFile(fd);
    }
}

std::optional<FileTime> PosixFileSystem::lastWriteTime(const std::string &path) const
{
    struct stat info
    {
    };
    if (mCalls.statPath(path.c_str(), &info) != 0)
        return std::nullopt;
    std::tm calendar{};
    if (!gmtime_r(&info.st_mtime, &calendar))
        return std::nullopt;
    return FileTime{calendar.tm_year + 1900, calendar.tm_mon + 1, calendar.tm_mday,
                    calendar.tm_hour,        calendar.tm_min,     calendar.tm_sec};
}

std::optional<std::uintmax_t> PosixFileSystem::fileSize(const std::string &path) const
{
    struct stat info
    {
    };
    if (mCalls.statPath(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return static_cast<std::uintmax_t>(info.st_size);
}

std::optional<std::vector<std::string>>
PosixFileSystem::folderEntries(const std::string &folder) const
{
    DIR *listing = mCalls.openFolder(folder.c_str());
    if (!listing)
        return std::nullopt;
    std::vector<std::string> names;
    while (const dirent *entry = mCalls.readFolder(listing)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    mCalls.closeFolder(listing);
    return names;
}

} // namespace areamaker
