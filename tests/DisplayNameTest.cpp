#include "settings/DisplayName.h"

#include <gtest/gtest.h>

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
