#include "settings/BinaryFile.h"

#include "settings/DataFileRead.h"
#include "settings/DataFileWrite.h"

bool ReadWholeFile(const std::string& fileName, Bytes& bytes)
{
    int error = 0;
    return ReadDataFile(fileName, bytes, error) == DATA_FILE_READ;
}

bool WriteWholeFile(const std::string& fileName, const Bytes& bytes)
{
    return ReplaceFile(fileName, bytes) == 0;
}

int32_t GetInt32(const unsigned char* source)
{
    uint32_t value = uint32_t(source[0]) | uint32_t(source[1]) << 8 | uint32_t(source[2]) << 16 |
                     uint32_t(source[3]) << 24;
    return static_cast<int32_t>(value);
}

void PutInt32(Bytes& bytes, int32_t value)
{
    uint32_t bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<unsigned char>(bits >> shift));
    }
}

namespace {

// How many of a text's bytes to keep so that it fits a name field. A UTF-8 continuation byte
// (10xxxxxx) just past the limit means the limit splits a character: the cut moves back to that
// character's first byte. Bytes that are not UTF-8 at all are cut where the backing-up gives
// out, so the result is never longer than the limit.
size_t NameLength(const unsigned char* text, size_t length)
{
    if (length <= NAME_MAX_BYTES) {
        return length;
    }
    size_t cut = NAME_MAX_BYTES;
    for (int step = 0; step < 3 && (text[cut] & 0xC0) == 0x80; ++step) {
        --cut;
    }
    return (text[cut] & 0xC0) == 0x80 ? NAME_MAX_BYTES : cut;
}

} // namespace

std::string CutName(const std::string& name)
{
    return name.substr(
        0, NameLength(reinterpret_cast<const unsigned char*>(name.data()), name.size()));
}

std::string GetName(const unsigned char* field)
{
    size_t length = 0;
    while (length < NAME_FIELD_SIZE && field[length] != 0) {
        ++length;
    }
    return std::string(reinterpret_cast<const char*>(field), NameLength(field, length));
}

void PutName(Bytes& bytes, const std::string& name)
{
    const std::string text = CutName(name);
    size_t start = bytes.size();
    bytes.resize(start + NAME_FIELD_SIZE, 0);
    for (size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
        bytes[start + i] = static_cast<unsigned char>(text[i]);
    }
}

bool UndoTextMode(const Bytes& bytes, Bytes& restored)
{
    const unsigned char* in = bytes.data();
    const size_t size = bytes.size();
    restored.resize(size);
    unsigned char* out = restored.data();
    size_t kept = 0;
    for (size_t i = 0; i < size; ++i) {
        if (!(in[i] == 0x0D && i + 1 < size && in[i + 1] == 0x0A)) {
            out[kept++] = in[i];
        }
    }
    restored.resize(kept);
    return kept < size;
}
