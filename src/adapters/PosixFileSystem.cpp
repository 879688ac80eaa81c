#include "adapters/PosixFileSystem.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace areamaker {

namespace {

IoResult systemFailure(const char *what)
{
    return IoResult::failure(std::string(what) + " : " + std::strerror(errno));
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
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

IoResult writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return systemFailure("Écriture impossible");
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Makes the rename itself durable.
void syncFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool PosixFileSystem::fileExists(const std::string &path) const
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

IoResult PosixFileSystem::readFile(const std::string &path, std::string &bytes) const
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return systemFailure("Ouverture impossible");
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return IoResult::failure("Ce n'est pas un fichier ordinaire.");
    }
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    while (true) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const IoResult failure = systemFailure("Lecture impossible");
            ::close(fd);
            return failure;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return {};
}

IoResult PosixFileSystem::replaceFile(const std::string &path, std::string_view bytes)
{
    const std::string target = resolvedTarget(path);
    struct stat original {};
    const bool existed = ::stat(target.c_str(), &original) == 0;
    if (existed && !S_ISREG(original.st_mode))
        return IoResult::failure("Ce n'est pas un fichier ordinaire.");

    std::string temporary = folderOf(target) + ".areamaker-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return systemFailure("Création du fichier temporaire impossible");
    IoResult result = writeAll(fd, bytes);
    if (result.ok() && existed && ::fchmod(fd, original.st_mode & 07777) != 0)
        result = systemFailure("Permissions impossibles à conserver");
    if (result.ok() && ::fsync(fd) != 0)
        result = systemFailure("Écriture sur le disque impossible");
    if (::close(fd) != 0 && result.ok())
        result = systemFailure("Fermeture impossible");
    if (result.ok() && ::rename(temporary.c_str(), target.c_str()) != 0)
        result = systemFailure("Remplacement du fichier impossible");
    if (!result.ok()) {
        ::unlink(temporary.c_str());
        return result;
    }
    syncFolder(folderOf(target));
    return {};
}

std::optional<FileTime> PosixFileSystem::lastWriteTime(const std::string &path) const
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    std::tm calendar {};
    if (!gmtime_r(&info.st_mtime, &calendar))
        return std::nullopt;
    return FileTime{calendar.tm_year + 1900, calendar.tm_mon + 1, calendar.tm_mday,
                    calendar.tm_hour,        calendar.tm_min,     calendar.tm_sec};
}

} // namespace areamaker
