#include "adapters/TruncationGuard.h"

#include <csignal>
#include <unistd.h>

namespace areamaker {

namespace {

// Only calls that are safe in a signal handler.
extern "C" void onTruncatedView(int)
{
    static constexpr char message[] =
        "Erreur : la page a été raccourcie par un autre programme pendant sa lecture ; "
        "elle n'a pas été modifiée.\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, message, sizeof message - 1);
    ::_exit(1);
}

} // namespace

void guardAgainstTruncatedViews()
{
    struct sigaction action
    {
    };
    action.sa_handler = onTruncatedView;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, nullptr);
}

} // namespace areamaker
