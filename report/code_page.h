// Code page 850, the character set of the text report, and Unicode.
#pragma once
#include <array>
#include <string>
#include <string_view>

namespace zeb {

// The Unicode character that `byte` stands for in code page 850.
char16_t unicodeFromCodePage850(unsigned char byte);

// A character of the upper half of code page 850 in UTF-8: two or three
// bytes, for every one lies below U+10000.
struct Utf8Character {
  std::array<char, 3> bytes;
  unsigned char size;
};

// The upper half, from 0x80 to 0xFF, in UTF-8.
const std::array<Utf8Character, 128>& utf8OfUpperHalf();

// `text`, written in code page 850, as UTF-8.
std::string utf8FromCodePage850(std::string_view text);

// The same written at `at`, which has room for three bytes a character of
// `text`; the end of what was written.
char* writeUtf8FromCodePage850(char* at, std::string_view text);

// `text`, written in UTF-8, in code page 850, the euro sign (which the code
// page lacks) written as `euro` and any other character it lacks as "?".
std::string codePage850FromUtf8(std::string_view text, const char* euro);

// `text`, written in UTF-8, as ASCII for an HTML document: "&", "<" and ">"
// as references, the euro sign as `euro`, other characters as numeric
// character references.
std::string htmlFromUtf8(std::string_view text, const char* euro);

}  // namespace zeb
