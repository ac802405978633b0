#include "settings/TempFile.h"

#include <cstdint>

namespace {

const char TEMP_MARK[] = ".tmp";
const char TEMP_SEPARATOR = '-';
const size_t TEMP_RANDOM_CHARS = 6;
const char TEMP_ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string BaseNameOf(const std::string& fileName)
{
    size_t separator = fileName.find_last_of(PATH_SEPARATORS);
    return separator == std::string::npos ? fileName : fileName.substr(separator + 1);
}

// SplitMix64 over the system's seed: two games that start together still draw different names.
uint64_t NextRandom()
{
    static uint64_t state = SystemRandomSeed();
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

std::string DirectoryOf(const std::string& fileName)
{
    size_t separator = fileName.find_last_of(PATH_SEPARATORS);
    if (separator == std::string::npos) {
        return ".";
    }
    return separator == 0 ? fileName.substr(0, 1) : fileName.substr(0, separator);
}

std::string NewTempFileName(const std::string& fileName)
{
    std::string name = fileName + TEMP_MARK + TEMP_SEPARATOR;
    uint64_t bits = NextRandom();
    for (size_t i = 0; i < TEMP_RANDOM_CHARS; ++i) {
        name += TEMP_ALPHABET[bits % (sizeof TEMP_ALPHABET - 1)];
        bits /= sizeof TEMP_ALPHABET - 1;
    }
    return name;
}

bool IsTempFileOf(const std::string& entry, const std::string& fileName)
{
    const std::string stem = BaseNameOf(fileName) + TEMP_MARK;
    if (entry == stem) {
        return true;
    }
    if (entry.size() != stem.size() + 1 + TEMP_RANDOM_CHARS ||
        entry.compare(0, stem.size(), stem) != 0 || entry[stem.size()] != TEMP_SEPARATOR) {
        return false;
    }
    for (size_t i = stem.size() + 1; i < entry.size(); ++i) {
        const char c = entry[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return true;
}
