#pragma once

#include "ChildProcess.h"

#include <string>
#include <vector>

// What a run of the program printed and how it ended.
struct ProgramResult
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built areamkr as a user would from a shell, capturing both output streams.
class ProgramRun
{
public:
    static ProgramResult run(const std::vector<std::string> &arguments,
                             ChildProcess::User user = ChildProcess::User::Same,
                             const std::string &program = AREAMKR_PROGRAM);
};
