#include "ProgramRun.h"

#include "ScratchFolder.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A file for one output stream: opened before the fork, so that a child that gave up its
// privileges still writes into it.
int openCapture(const ScratchFolder &scratch, const char *name)
{
    return ::open(scratch.file(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
}

[[noreturn]] void execInChild(const std::string &program, const std::vector<std::string> &arguments,
                              int out, int err, ChildProcess::User user)
{
    ::dup2(out, STDOUT_FILENO);
    ::dup2(err, STDERR_FILENO);
    ChildProcess::becomeUser(user);
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (const std::string &a : arguments)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}

} // namespace

ProgramResult ProgramRun::run(const std::vector<std::string> &arguments, ChildProcess::User user,
                              const std::string &program)
{
    ScratchFolder captures;
    const int out = openCapture(captures, "out");
    const int err = openCapture(captures, "err");
    ProgramResult result;
    const pid_t child = ::fork();
    if (child == 0)
        execInChild(program, arguments, out, err, user);
    ::close(out);
    ::close(err);
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child)
        result.exitCode = ChildProcess::exitStatus(status);
    result.out = ScratchFolder::readBytes(captures.file("out"));
    result.err = ScratchFolder::readBytes(captures.file("err"));
    return result;
}
