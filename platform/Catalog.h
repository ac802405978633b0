#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One compiled message catalogue (a gettext .mo file) held in memory. A translation is a pointer
// into the file's bytes, so it lives as long as the catalogue and a lookup allocates nothing.
// A damaged or foreign file is refused whole rather than half read.
class Catalog
{
public:
    // Reads the file; false (and an empty catalogue) when it is missing or not a valid .mo file.
    bool Load(const std::string& path);
    // Takes the file's bytes as they are; false when they are not a valid .mo file.
    bool Parse(std::vector<char> fileBytes);
    void Clear();

    // The translation of text, or nullptr when the catalogue has none (or an empty one).
    const char* Find(const char* text) const;
    int Count() const;

private:
    uint32_t Word(size_t offset) const;
    // The NUL-terminated string of table entry index, or nullptr when it leaves the file.
    const char* Entry(uint32_t table, uint32_t index) const;

    std::vector<char> bytes;
    bool swapped = false;
    uint32_t count = 0;
    uint32_t originals = 0;
    uint32_t translations = 0;
};
