#pragma once

namespace areamaker {

class DocumentLifecycle;
class SettingsStore;
struct ShellState;
struct WindowPlacement;

// Why the main window is closing: only the user's or the program's own close asks about
// unsaved maps; the session ending does not.
enum class CloseReason
{
    User,
    Program,
    Session
};

// The main window's close: one question about unsaved maps, then every setting written.
class ExitSequence
{
public:
    ExitSequence(ShellState &shell, SettingsStore &store, DocumentLifecycle &lifecycle)
        : mShell(shell), mStore(store), mLifecycle(lifecycle)
    {
    }

    // False when the close is cancelled; nothing is written then.
    bool run(CloseReason reason, const WindowPlacement &window);

private:
    ShellState &mShell;
    SettingsStore &mStore;
    DocumentLifecycle &mLifecycle;
};

} // namespace areamaker
