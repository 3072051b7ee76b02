// Code page 850, the character set of the text report, and Unicode.
#pragma once
#include <string>
#include <string_view>

namespace zeb {

// The Unicode character that `byte` stands for in code page 850.
char16_t unicodeFromCodePage850(unsigned char byte);

// `text`, written in code page 850, as UTF-8.
std::string utf8FromCodePage850(std::string_view text);

}  // namespace zeb
