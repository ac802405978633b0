#pragma once

#include <cstdio>

// The usual options of an installed program. The game itself reads no command line; these are
// answered before the toolkit starts, so they work without a display.
class ProgramOptions
{
public:
    // The status Handle returns when the game is to start.
    static constexpr int START_GAME = -1;

    ProgramOptions() = default;
    virtual ~ProgramOptions() = default;

    // --help and --version print to out and give 0 (1 when out cannot be written); any other
    // argument gives a one-line error and the usage on err and 2; no argument, START_GAME.
    int Handle(int argc, char** argv, std::FILE* out, std::FILE* err);
};
