#pragma once

#include <string>

// Names are kept as the files hold them, byte for byte. Names in UTF-8 are shown as they are;
// any other name comes from a file the Windows game wrote in its code page, Windows-1252, and
// is shown decoded from it. The five bytes that code page leaves undefined (81, 8D, 8F, 90,
// 9D) show as the replacement character U+FFFD.

bool IsUtf8(const std::string& text);

// Every byte as its Windows-1252 character, in UTF-8.
std::string DecodeWindows1252(const std::string& bytes);

// The text that shows a stored name: the name itself when it is UTF-8, else its decoding.
std::string DisplayName(const std::string& stored);
