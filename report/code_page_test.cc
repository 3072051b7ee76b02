#include "report/code_page.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace zeb {
namespace {

TEST(CodePage850, LettersOfTheReportInUtf8) {
  // ü, then ä ö Ä Ö Ü ß, the light shade U+2591 and the no-break space U+00A0.
  EXPECT_EQ(utf8FromCodePage850("Geb\201hr: \204\224\216\231\232\341 \260\377"),
            "Geb\xC3\xBChr: \xC3\xA4\xC3\xB6\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F \xE2\x96\x91\xC2\xA0");
}

// `text` in UTF-8 as the C library's iconv reads code page 850.
std::string iconvOf(std::string text) {
  const iconv_t converter = iconv_open("UTF-8", "CP850");
  // iconv_open fails with the value -1 as a pointer.
  // NOLINTNEXTLINE(performance-no-int-to-ptr)
  if (converter == reinterpret_cast<iconv_t>(-1)) return "iconv_open failed";
  std::string out(3 * text.size(), '\0');
  char* from = text.data();
  char* to = out.data();
  std::size_t inLeft = text.size(), outLeft = out.size();
  const std::size_t done = iconv(converter, &from, &inLeft, &to, &outLeft);
  iconv_close(converter);
  if (done == static_cast<std::size_t>(-1)) return "iconv failed";
  out.resize(static_cast<std::size_t>(to - out.data()));
  return out;
}

// Every byte of the upper half, and letters at every place of a text, the
// ends of the blocks the conversion copies whole among them.
TEST(CodePage850, AsIconvReadsIt) {
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    const std::string in(1, static_cast<char>(byte));
    EXPECT_EQ(utf8FromCodePage850(in), iconvOf(in)) << byte;
  }
  for (std::size_t size = 1; size <= 70; ++size) {
    for (std::size_t at = 0; at < size; ++at) {
      std::string text(size, 'a');
      for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>('!' + (i * 7) % 90);
      text[at] = '\201';               // ü, two bytes
      text[(at * 5) % size] = '\333';  // the full block U+2588, three
      EXPECT_EQ(utf8FromCodePage850(text), iconvOf(text)) << size << " " << at;
    }
  }
}

}  // namespace
}  // namespace zeb
