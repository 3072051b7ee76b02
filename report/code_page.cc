#include "report/code_page.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace zeb {
namespace {

// The upper half of code page 850, from 0x80 to 0xFF; the lower half is
// ASCII.
// clang-format off
constexpr char16_t kUpperHalf[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,  // B0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  // C8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,  // D0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,  // D8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,  // E0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,  // E8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,  // F0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,  // F8
};
// clang-format on

constexpr char32_t kEuroSign = 0x20AC;

// The entities of the German letters and signs that a way to a value uses.
struct Entity {
  char32_t character;
  const char* name;
};
constexpr Entity kEntities[] = {
    {0xE4, "&auml;"}, {0xF6, "&ouml;"},  {0xFC, "&uuml;"}, {0xC4, "&Auml;"},  {0xD6, "&Ouml;"},
    {0xDC, "&Uuml;"}, {0xDF, "&szlig;"}, {0xA7, "&sect;"}, {0xD7, "&times;"},
};

const char* entityOf(char32_t c) {
  for (const Entity& entity : kEntities) {
    if (entity.character == c) return entity.name;
  }
  return nullptr;
}

// Calls `put` with each character of `text`, written in UTF-8. A byte that
// starts no character of the input counts as one character of its own.
template <class Put>
void forEachCharacter(std::string_view text, Put put) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 1 || i + length > text.size()) {
      put(char32_t{lead});
      ++i;
      continue;
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      c = c << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    put(c);
    i += length;
  }
}

}  // namespace

std::string codePage850FromUtf8(std::string_view text, const char* euro) {
  std::string bytes;
  forEachCharacter(text, [&](char32_t c) {
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else if (c == kEuroSign) {
      bytes += euro;
    } else {
      const char16_t* upper = std::find(std::begin(kUpperHalf), std::end(kUpperHalf), c);
      bytes += upper == std::end(kUpperHalf)
                   ? '?'
                   : static_cast<char>(0x80 + (upper - std::begin(kUpperHalf)));
    }
  });
  return bytes;
}

std::string htmlFromUtf8(std::string_view text, const char* euro) {
  std::string html;
  forEachCharacter(text, [&](char32_t c) {
    if (c == '&') {
      html += "&amp;";
    } else if (c == '<') {
      html += "&lt;";
    } else if (c == '>') {
      html += "&gt;";
    } else if (c < 0x80) {
      html += static_cast<char>(c);
    } else if (c == kEuroSign) {
      html += euro;
    } else if (const char* entity = entityOf(c)) {
      html += entity;
    } else {
      html += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ";";
    }
  });
  return html;
}

char16_t unicodeFromCodePage850(unsigned char byte) {
  return byte < 0x80 ? char16_t{byte} : kUpperHalf[byte - 0x80];
}

const std::array<Utf8Character, 128>& utf8OfUpperHalf() {
  static constexpr std::array<Utf8Character, 128> kUtf8 = [] {
    std::array<Utf8Character, 128> utf8{};
    for (std::size_t i = 0; i < utf8.size(); ++i) {
      const unsigned c = kUpperHalf[i];
      utf8[i] = c < 0x800 ? Utf8Character{{static_cast<char>(0xC0 | c >> 6),
                                           static_cast<char>(0x80 | (c & 0x3F)), 0},
                                          2}
                          : Utf8Character{{static_cast<char>(0xE0 | c >> 12),
                                           static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                                           static_cast<char>(0x80 | (c & 0x3F))},
                                          3};
    }
    return utf8;
  }();
  return kUtf8;
}

void appendUtf8FromCodePage850(std::string& out, std::string_view text) {
  const std::array<Utf8Character, 128>& upper = utf8OfUpperHalf();
  for (std::size_t i = 0; i < text.size();) {
    // A run of ASCII is the same in both.
    std::size_t ascii = i;
    while (ascii < text.size() && static_cast<unsigned char>(text[ascii]) < 0x80) ++ascii;
    out.append(text, i, ascii - i);
    if (ascii == text.size()) break;
    const Utf8Character& c = upper[static_cast<unsigned char>(text[ascii]) - 0x80];
    out.append(c.bytes.data(), c.size);
    i = ascii + 1;
  }
}

std::string utf8FromCodePage850(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size() + text.size() / 4);
  appendUtf8FromCodePage850(utf8, text);
  return utf8;
}

}  // namespace zeb
