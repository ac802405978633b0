#pragma once

namespace measure {
// Starts the program on a board of size by size cells, waits for its first painted frame, then
// ends it and prints how long the frame took and the program's peak resident memory. The X
// server should have no other client, as on a freshly started desktop. Returns the exit code.
int MeasureStartup(const char* program, int size);
} // namespace measure
