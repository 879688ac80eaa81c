#include "ChildProcess.h"

#include <filesystem>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The conventional "nobody" account.
constexpr uid_t unprivilegedId = 65534;

} // namespace

void ChildProcess::becomeUser(User user)
{
    if (user == User::Same || ::geteuid() != 0)
        return;
    if (::setgroups(0, nullptr) != 0 || ::setgid(unprivilegedId) != 0 ||
        ::setuid(unprivilegedId) != 0)
        ::_exit(126);
}

int ChildProcess::exitStatus(int waitStatus)
{
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
}

int ChildProcess::run(const std::function<int()> &body, User user)
{
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        becomeUser(user);
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child)
        return -1;
    return exitStatus(status);
}

void ChildProcess::handOver(const std::string &path)
{
    if (::geteuid() != 0)
        return;
    ::lchown(path.c_str(), unprivilegedId, unprivilegedId);
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(path)))
        return;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(path))
        ::lchown(entry.path().c_str(), unprivilegedId, unprivilegedId);
}
