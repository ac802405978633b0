#pragma once

#include <string>

// Tells the player that a file could not be saved, in the application's warning box naming
// the file and the reason ("Could not save hscores.kvd: No space left on device"). Each owner
// of a file holds one: the box comes at the first failure and again only after a save of that
// file has succeeded, so a full disk does not raise it at every move.
class SaveWarning
{
public:
    SaveWarning() = default;
    virtual ~SaveWarning() = default;

    // reason: empty for a save that succeeded, else why it failed.
    void Tell(const std::string& fileName, const std::string& reason);

    bool shown = false;
};
