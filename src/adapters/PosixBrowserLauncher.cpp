#include "adapters/PosixBrowserLauncher.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace areamaker {

namespace {

// Runs in the forked child, where only async-signal-safe calls are allowed: starts the
// program in a grandchild and reports an exec failure's errno through the pipe.
[[noreturn]] void startGrandchild(const char *program, char *const argv[], int report)
{
    setsid();
    const pid_t grandchild = fork();
    if (grandchild == 0) {
        execv(program, argv);
        const int error = errno;
        (void)!write(report, &error, sizeof error);
        _exit(127);
    }
    if (grandchild < 0) {
        const int error = errno;
        (void)!write(report, &error, sizeof error);
    }
    _exit(0);
}

} // namespace

std::string PosixBrowserLauncher::launch(const std::string &program, const std::string &url)
{
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return reasonOf(errno);
    std::string programCopy = program;
    std::string urlCopy = url;
    char *const argv[] = {programCopy.data(), urlCopy.data(), nullptr};
    // The child ends at once, so the browser belongs to no one and no zombie is left.
    const pid_t child = fork();
    if (child == 0)
        startGrandchild(program.c_str(), argv, report[1]);
    const int forkError = errno;
    close(report[1]);
    int error = child < 0 ? forkError : 0;
    if (child > 0) {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        // The pipe closes unread when exec succeeds: it is closed on exec.
        while (read(report[0], &error, sizeof error) < 0 && errno == EINTR) {
        }
    }
    close(report[0]);
    return error == 0 ? std::string() : reasonOf(error);
}

std::string PosixBrowserLauncher::reasonOf(int error)
{
    switch (error) {
    case ENOENT:
        return "Le fichier n'existe pas.";
    case EACCES:
    case EPERM:
        return "Permission refusée : ce fichier ne peut pas être exécuté.";
    case ENOEXEC:
        return "Ce fichier n'est pas un programme que le système sait exécuter.";
    case ENOTDIR:
        return "Un élément du chemin n'est pas un dossier.";
    case ENAMETOOLONG:
        return "Le chemin est trop long.";
    case ELOOP:
        return "Le chemin contient trop de liens symboliques.";
    case ETXTBSY:
        return "Ce fichier est en cours d'écriture par un autre programme.";
    case ENOMEM:
    case EAGAIN:
        return "Le système manque de ressources pour démarrer un programme.";
    case E2BIG:
        return "L'adresse du document est trop longue.";
    default:
        return "Erreur système " + std::to_string(error) + ".";
    }
}

} // namespace areamaker
