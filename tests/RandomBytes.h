#pragma once

#include "FileBytes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Byte strings for feeding the file loaders, made from a valid image of the file: the image as
// it is or in its text-mode form, the image with a few bytes changed, inserted, dropped or cut
// off, or plain noise around the image's length. So every branch of a loader is reached, not
// only its first check.
class RandomBytes
{
public:
    explicit RandomBytes(uint64_t seed) : state(seed) {}

    std::vector<unsigned char> Next(const std::vector<unsigned char>& valid)
    {
        switch (Pick(4)) {
        case 0:
            return Noise(Pick(valid.size() * 2 + 31));
        case 1:
            return Pick(2) == 0 ? valid : AsTextMode(valid);
        default: {
            std::vector<unsigned char> bytes = Pick(4) == 0 ? AsTextMode(valid) : valid;
            for (size_t n = 1 + Pick(3); n > 0; --n) {
                Mutate(bytes);
            }
            return bytes;
        }
        }
    }

    std::vector<unsigned char> Noise(size_t length)
    {
        std::vector<unsigned char> bytes(length);
        unsigned char* out = bytes.data();
        for (size_t i = 0; i < length; ++i) {
            out[i] = Byte();
        }
        return bytes;
    }

    void Mutate(std::vector<unsigned char>& bytes)
    {
        size_t at = Pick(bytes.size() + 1);
        switch (Pick(5)) {
        case 0:
            if (at < bytes.size()) {
                bytes[at] = Byte();
            }
            break;
        case 1:
            bytes.insert(bytes.begin() + long(at), Byte());
            break;
        case 2:
            bytes.erase(bytes.begin() + long(at),
                        bytes.begin() + long(at + Pick(bytes.size() - at + 1)));
            break;
        case 3:
            bytes.resize(at);
            break;
        default:
            for (size_t n = Pick(30); n > 0; --n) {
                bytes.push_back(Byte());
            }
            break;
        }
    }

    // Mostly the bytes that make a file almost valid: zeros, small numbers, line ends, -1.
    unsigned char Byte()
    {
        uint32_t bits = Next32();
        unsigned char value = static_cast<unsigned char>(bits >> 8);
        switch (bits & 7) {
        case 0:
        case 1:
            return 0;
        case 2:
        case 3:
            return value & 0x0F;
        case 4:
            return (value & 1) != 0 ? 0x0D : 0x0A;
        case 5:
            return 0xFF;
        default:
            return value;
        }
    }

    // The modulo's bias is far too small to matter here.
    size_t Pick(size_t count) { return Next32() % count; }

    // SplitMix64: a few integer operations per number, so a sanitised, unoptimised build
    // still makes a hundred thousand strings quickly.
    uint32_t Next32()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
    }

    uint64_t state;
};
