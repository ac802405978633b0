#include "platform/Catalog.h"

#include <cstring>
#include <filesystem>
#include <fstream>

namespace {
constexpr uint32_t MAGIC = 0x950412de;
constexpr uint32_t MAGIC_SWAPPED = 0xde120495;
constexpr size_t HEADER_SIZE = 28;
// Neither the game's catalogues nor any sane one come near this; a bigger file is not read.
constexpr long LARGEST_FILE = 16L << 20;

uint32_t Swap(uint32_t value)
{
    return (value >> 24) | ((value >> 8) & 0xff00) | ((value << 8) & 0xff0000) | (value << 24);
}
} // namespace

bool Catalog::Load(const std::string& path)
{
    Clear();
    // The path is UTF-8, as all the game's paths are: through a path object Windows opens it by
    // its UTF-16 name, where fopen would take it for the local code page.
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    if (!file) {
        return false;
    }
    std::vector<char> fileBytes;
    const std::streamoff size = file.seekg(0, std::ios::end) ? std::streamoff(file.tellg()) : -1;
    if (size > 0 && size <= LARGEST_FILE && file.seekg(0, std::ios::beg)) {
        fileBytes.resize(static_cast<size_t>(size));
        if (!file.read(fileBytes.data(), size)) {
            fileBytes.clear();
        }
    }
    return Parse(std::move(fileBytes));
}

bool Catalog::Parse(std::vector<char> fileBytes)
{
    Clear();
    bytes = std::move(fileBytes);
    if (bytes.size() < HEADER_SIZE) {
        Clear();
        return false;
    }
    const uint32_t magic = Word(0);
    swapped = magic == MAGIC_SWAPPED;
    if (magic != MAGIC && !swapped) {
        Clear();
        return false;
    }
    count = Word(8);
    originals = Word(12);
    translations = Word(16);
    // Both tables (length and offset per entry) must lie inside the file, and every string too.
    const uint64_t tableBytes = uint64_t{count} * 8;
    if (originals + tableBytes > bytes.size() || translations + tableBytes > bytes.size()) {
        Clear();
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        if (!Entry(originals, i) || !Entry(translations, i)) {
            Clear();
            return false;
        }
    }
    return true;
}

void Catalog::Clear()
{
    bytes.clear();
    swapped = false;
    count = originals = translations = 0;
}

uint32_t Catalog::Word(size_t offset) const
{
    uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return swapped ? Swap(value) : value;
}

const char* Catalog::Entry(uint32_t table, uint32_t index) const
{
    const uint32_t length = Word(table + size_t{index} * 8);
    const uint32_t offset = Word(table + size_t{index} * 8 + 4);
    if (uint64_t{offset} + length >= bytes.size() || bytes[offset + length] != '\0') {
        return nullptr;
    }
    return bytes.data() + offset;
}

const char* Catalog::Find(const char* text) const
{
    // msgfmt sorts the originals by their bytes, so a binary search finds one.
    uint32_t low = 0;
    uint32_t high = count;
    while (low < high) {
        const uint32_t middle = low + (high - low) / 2;
        const int order = std::strcmp(text, Entry(originals, middle));
        if (order == 0) {
            const char* translation = Entry(translations, middle);
            return translation[0] != '\0' ? translation : nullptr;
        }
        if (order < 0) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return nullptr;
}

int Catalog::Count() const
{
    return static_cast<int>(count);
}
