#include "settings/DisplayName.h"

#include <gtest/gtest.h>
#include <iconv.h>

TEST(DisplayName, EveryWindowsByteDecodesAsTheSystemConverterDoes)
{
    iconv_t converter = iconv_open("UTF-8", "CP1252");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
    int undefined = 0;
    for (int byte = 0; byte < 256; ++byte) {
        char in = static_cast<char>(byte);
        char out[8];
        char* inPointer = &in;
        char* outPointer = out;
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        std::string expected;
        if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) == size_t(-1)) {
            // The converter knows no character for it; the game shows U+FFFD.
            ++undefined;
            expected = "\xEF\xBF\xBD";
        } else {
            expected.assign(out, outPointer);
        }
        EXPECT_EQ(DecodeWindows1252(std::string(1, in)), expected) << byte;
    }
    iconv_close(converter);
    EXPECT_EQ(undefined, 5);
}

TEST(DisplayName, OnlyNamesThatAreNotUtf8AreDecoded)
{
    struct Case
    {
        std::string stored;
        std::string shown;
    };
    const Case cases[] = {
        {"", ""},
        {"Ren\xC3\xA9 \xF0\x9F\x98\x80", "Ren\xC3\xA9 \xF0\x9F\x98\x80"},
        {"Ren\xE9", "Ren\xC3\xA9"},
        {"\xC3", "\xC3\x83"},                                                 // cut short
        {"\xC0\x80", "\xC3\x80\xE2\x82\xAC"},                                 // overlong
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},                     // a surrogate
        {"\xF4\x90\x80\x80", "\xC3\xB4\xEF\xBF\xBD\xE2\x82\xAC\xE2\x82\xAC"}, // past U+10FFFF
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DisplayName(c.stored), c.shown) << c.stored;
    }
}
