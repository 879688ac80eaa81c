#pragma once

#include <functional>
#include <string>

// Runs a step of a test in a forked child, optionally as an unprivileged user: permission
// checks mean nothing to root, and tests run as root in CI.
class ChildProcess
{
public:
    enum class User
    {
        Same,
        Unprivileged
    };

    // The child's exit status, or -1 when it did not exit normally.
    static int run(const std::function<int()> &body, User user = User::Same);
    // Gives the tree to the user that unprivileged children run as (nothing when not root).
    static void handOver(const std::string &path);
    // Called in a child before it does its work; exits the child when it cannot.
    static void becomeUser(User user);
    static int exitStatus(int waitStatus);
};
