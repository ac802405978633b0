#include "platform/Bitmap.h"

#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// Generous limits for compiled-in art; larger counts are taken as damaged data.
constexpr int MAX_SIDE = 4096;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

void SkipBlanks(const char*& text)
{
    while (IsBlank(*text)) {
        ++text;
    }
}

// Reads a decimal number of at most seven digits (enough for every count the parser accepts).
bool ReadNumber(const char*& text, int& value)
{
    SkipBlanks(text);
    int digits = 0;
    value = 0;
    while (*text >= '0' && *text <= '9') {
        if (++digits > 7) {
            return false;
        }
        value = value * 10 + (*text - '0');
        ++text;
    }
    return digits > 0;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool EqualsIgnoringCase(const char* text, std::size_t length, const char* word)
{
    if (std::strlen(word) != length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != word[i]) {
            return false;
        }
    }
    return true;
}

// The colour of a colour line after its pixel characters: the value of the "c" key, "#RRGGBB"
// or "None". Other keys (m, g4, g, s) may come before or after it and are skipped.
bool ReadColor(const char* text, ColorRef& color)
{
    bool found = false;
    for (;;) {
        SkipBlanks(text);
        if (*text == '\0') {
            return found;
        }
        const char* key = text;
        while (*text != '\0' && !IsBlank(*text)) {
            ++text;
        }
        const std::size_t keyLength = static_cast<std::size_t>(text - key);
        SkipBlanks(text);
        const char* value = text;
        while (*text != '\0' && !IsBlank(*text)) {
            ++text;
        }
        const std::size_t valueLength = static_cast<std::size_t>(text - value);
        if (valueLength == 0) {
            return false;
        }
        if (keyLength != 1 || key[0] != 'c') {
            continue;
        }
        if (found) {
            return false;
        }
        found = true;
        if (EqualsIgnoringCase(value, valueLength, "none")) {
            color = Bitmap::TRANSPARENT_PIXEL;
            continue;
        }
        if (valueLength != 7 || value[0] != '#') {
            return false;
        }
        int channels[3];
        for (int i = 0; i < 3; ++i) {
            const int high = HexDigit(value[1 + 2 * i]);
            const int low = HexDigit(value[2 + 2 * i]);
            if (high < 0 || low < 0) {
                return false;
            }
            channels[i] = high * 16 + low;
        }
        color = Rgb(channels[0], channels[1], channels[2]);
    }
}

int PixelKey(const char* text, int charsPerPixel)
{
    const int first = static_cast<unsigned char>(text[0]);
    if (charsPerPixel == 1) {
        return first;
    }
    return first * 256 + static_cast<unsigned char>(text[1]);
}

} // namespace

bool Bitmap::LoadXpm(const char* const* xpm, int lineCount)
{
    DeleteObject();
    if (xpm == nullptr || lineCount == 0 || xpm[0] == nullptr) {
        return false;
    }

    const char* values = xpm[0];
    int width = 0;
    int height = 0;
    int colorCount = 0;
    int charsPerPixel = 0;
    if (!ReadNumber(values, width) || !ReadNumber(values, height) ||
        !ReadNumber(values, colorCount) || !ReadNumber(values, charsPerPixel)) {
        return false;
    }
    int hotX = -1;
    int hotY = -1;
    SkipBlanks(values);
    if (*values >= '0' && *values <= '9') {
        if (!ReadNumber(values, hotX) || !ReadNumber(values, hotY)) {
            return false;
        }
    }
    SkipBlanks(values);
    if (*values != '\0' || width < 1 || height < 1 || width > MAX_SIDE || height > MAX_SIDE ||
        charsPerPixel < 1 || charsPerPixel > 2 || colorCount < 1 ||
        colorCount > (charsPerPixel == 1 ? 256 : 65536) ||
        (hotX >= 0 && (hotX >= width || hotY >= height))) {
        return false;
    }
    if (lineCount > 0 && lineCount < 1 + colorCount + height) {
        return false;
    }

    // The colour table, indexed by the pixel's characters; a line of the array is only read
    // after every line before it proved to be there.
    std::vector<ColorRef> colors(charsPerPixel == 1 ? 256 : 65536, 0);
    std::vector<bool> known(colors.size(), false);
    for (int i = 0; i < colorCount; ++i) {
        const char* line = xpm[1 + i];
        if (line == nullptr || std::strlen(line) < static_cast<std::size_t>(charsPerPixel)) {
            return false;
        }
        const int key = PixelKey(line, charsPerPixel);
        ColorRef color = 0;
        if (known[key] || !ReadColor(line + charsPerPixel, color)) {
            return false;
        }
        colors[key] = color;
        known[key] = true;
    }

    PixelImage loaded(width, height);
    const std::size_t lineLength = static_cast<std::size_t>(width) * charsPerPixel;
    for (int y = 0; y < height; ++y) {
        const char* line = xpm[1 + colorCount + y];
        if (line == nullptr || std::strlen(line) != lineLength) {
            return false;
        }
        for (int x = 0; x < width; ++x) {
            const int key =
                PixelKey(line + static_cast<std::size_t>(x) * charsPerPixel, charsPerPixel);
            if (!known[key]) {
                return false;
            }
            loaded.SetPixel(x, y, colors[key]);
        }
    }

    image = std::move(loaded);
    hotSpotX = hotX;
    hotSpotY = hotY;
    return true;
}

void Bitmap::DeleteObject()
{
    image = PixelImage();
    hotSpotX = -1;
    hotSpotY = -1;
}
