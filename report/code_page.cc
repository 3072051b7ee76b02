#include "report/code_page.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <iterator>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

namespace {

// Copies the ASCII at `from` to `at` up to the first byte that has its high
// bit, or to the last few bytes of `end`: a block at a time, copied whole
// and kept up to that byte (thirty-two bytes where the processor tells each
// one's high bit, SSE2; else eight, the lowest set bit of a little-endian
// word being its first byte). `at` has room for a block beyond the text.
void copyAscii(const char*& from, const char* end, char*& at) {
#ifdef __SSE2__
  for (; end - from >= 32; from += 32, at += 32) {
    const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(at), first);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(at + 16), second);
    const auto high = static_cast<unsigned>(_mm_movemask_epi8(first)) |
                      static_cast<unsigned>(_mm_movemask_epi8(second)) << 16;
    if (high != 0) {
      const int ascii = std::countr_zero(high);
      from += ascii;
      at += ascii;
      return;
    }
  }
#endif
  if constexpr (std::endian::native == std::endian::little) {
    for (; end - from >= 8; from += 8, at += 8) {
      std::uint64_t eight = 0;
      std::memcpy(&eight, from, 8);
      std::memcpy(at, &eight, 8);
      if (const std::uint64_t high = eight & 0x8080808080808080U; high != 0) {
        const int ascii = std::countr_zero(high) / 8;
        from += ascii;
        at += ascii;
        return;
      }
    }
  }
}

}  // namespace

char* writeUtf8FromCodePage850(char* at, std::string_view text) {
  const std::array<Utf8Character, 128>& upper = utf8OfUpperHalf();
  const char* from = text.data();
  const char* const end = from + text.size();
  while (from != end) {
    copyAscii(from, end, at);
    if (from == end) break;
    const auto byte = static_cast<unsigned char>(*from++);
    if (byte < 0x80) {
      *at++ = static_cast<char>(byte);
      continue;
    }
    const Utf8Character& c = upper[byte - 0x80];
    std::memcpy(at, c.bytes.data(), c.bytes.size());
    at += c.size;
  }
  return at;
}

std::string utf8FromCodePage850(std::string_view text) {
  std::string utf8(3 * text.size(), '\0');
  utf8.resize(static_cast<std::size_t>(writeUtf8FromCodePage850(utf8.data(), text) - utf8.data()));
  return utf8;
}

}  // namespace zeb
