#include "settings/TempFile.h"

#include "settings/FileLock.h"

#include <chrono>
#include <cstdint>
#include <dirent.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char TEMP_MARK[] = ".tmp";
const char TEMP_SEPARATOR = '-';
const size_t TEMP_RANDOM_CHARS = 6;
const char TEMP_ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string BaseNameOf(const std::string& fileName)
{
    size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

// SplitMix64 over a seed from the kernel, the process id and the clock: two games that start
// together still draw different names.
uint64_t NextRandom()
{
    static uint64_t state = [] {
        uint64_t seed = 0;
        if (getrandom(&seed, sizeof seed, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof seed)) {
            seed = 0;
        }
        return seed ^ static_cast<uint64_t>(getpid()) << 32 ^
               static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }();
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::vector<std::string> StaleTempFiles(const std::string& fileName)
{
    std::vector<std::string> found;
    const std::string directory = DirectoryOf(fileName);
    DIR* folder = opendir(directory.c_str());
    if (folder == nullptr) {
        return found;
    }
    while (const dirent* entry = readdir(folder)) {
        if (!IsTempFileOf(entry->d_name, fileName)) {
            continue;
        }
        // Only regular files, never followed through a link: a folder or a FIFO of that name
        // is not the game's.
        const std::string path = directory + "/" + entry->d_name;
        struct stat status;
        if (lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
            found.push_back(path);
        }
    }
    closedir(folder);
    return found;
}

} // namespace

std::string DirectoryOf(const std::string& fileName)
{
    size_t slash = fileName.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : fileName.substr(0, slash);
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

void RemoveStaleTempFiles(const std::string& fileName)
{
    if (StaleTempFiles(fileName).empty()) {
        return;
    }
    FileLock lock(fileName);
    if (!lock.held) {
        return;
    }
    for (const std::string& path : StaleTempFiles(fileName)) {
        unlink(path.c_str());
    }
}
