#include "settings/DisplayName.h"

#include <gtest/gtest.h>
#include <iconv.h>

// The C library's iconv, a table of Windows-1252 written apart from the game's, is the reference.
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
