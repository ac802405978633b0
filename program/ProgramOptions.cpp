#include "program/ProgramOptions.h"

#include <cstring>

namespace {

const char USAGE[] = "Usage: tobrix [--help | --version]\n";

const char HELP[] =
    "TOBRIX++, a puzzle game: move coloured pieces along free routes to line up runs of one\n"
    "colour. With no option the game starts in its window and keeps its files defaults.kvd,\n"
    "players.kvd and hscores.kvd in the current directory; tobrix-launcher starts it in\n"
    "${XDG_DATA_HOME:-$HOME/.local/share}/tobrix instead.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n";

const char VERSION[] =
    "TOBRIX++ " TOBRIX_VERSION "\n"
    "Licence GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

// A full disk or a closed pipe must not pass for success.
int Print(std::FILE* out, const char* first, const char* second, std::FILE* err)
{
    std::fputs(first, out);
    std::fputs(second, out);
    if (std::fflush(out) != 0 || std::ferror(out)) {
        std::fputs("tobrix: cannot write the output\n", err);
        return 1;
    }
    return 0;
}

} // namespace

int ProgramOptions::Handle(int argc, char** argv, std::FILE* out, std::FILE* err)
{
    if (argc < 2) {
        return START_GAME;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        return Print(out, USAGE, HELP, err);
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        return Print(out, VERSION, "", err);
    }
    const char* wrong = argv[1];
    if (std::strcmp(wrong, "--help") == 0 || std::strcmp(wrong, "--version") == 0) {
        wrong = argv[2];
    }
    std::fprintf(err, "tobrix: unrecognised argument '%s'\n%s", wrong, USAGE);
    return 2;
}
