#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Whole files as byte vectors, for tests that set up or inspect the game's files.

inline void WriteFileBytes(const std::string& name, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline std::vector<unsigned char> ReadFileBytes(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>());
}

inline bool FileExists(const std::string& name)
{
    return std::filesystem::exists(name);
}

// Little-endian 32-bit value, as the game's files hold it.
inline void AppendInt32(std::vector<unsigned char>& bytes, int32_t value)
{
    uint32_t bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<unsigned char>(bits >> shift));
    }
}

// A 21-byte name field: the text, then zeros.
inline void AppendNameField(std::vector<unsigned char>& bytes, const std::string& text)
{
    std::vector<unsigned char> field(21, 0);
    for (size_t i = 0; i < text.size() && i < 21; ++i) {
        field[i] = static_cast<unsigned char>(text[i]);
    }
    bytes.insert(bytes.end(), field.begin(), field.end());
}

// The form a file takes when written in text mode: every 0x0A stored as 0x0D 0x0A.
inline std::vector<unsigned char> AsTextMode(const std::vector<unsigned char>& bytes)
{
    // Plain pointers: the fuzz tests call this often in an unoptimised, sanitised build.
    const unsigned char* in = bytes.data();
    const size_t size = bytes.size();
    size_t lineFeeds = 0;
    for (size_t i = 0; i < size; ++i) {
        lineFeeds += in[i] == 0x0A ? 1 : 0;
    }
    std::vector<unsigned char> text(size + lineFeeds);
    unsigned char* out = text.data();
    for (size_t i = 0; i < size; ++i) {
        if (in[i] == 0x0A) {
            *out++ = 0x0D;
        }
        *out++ = in[i];
    }
    return text;
}
