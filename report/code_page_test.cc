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

// Every byte of the upper half as the C library's iconv reads code page 850.
TEST(CodePage850, UpperHalfAsIconvReadsIt) {
  const iconv_t converter = iconv_open("UTF-8", "CP850");
  // iconv_open fails with the value -1 as a pointer.
  // NOLINTNEXTLINE(performance-no-int-to-ptr)
  ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    char in = static_cast<char>(byte);
    char out[8];
    char* from = &in;
    char* to = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    ASSERT_NE(iconv(converter, &from, &inLeft, &to, &outLeft), static_cast<std::size_t>(-1))
        << byte;
    EXPECT_EQ(utf8FromCodePage850(std::string(1, in)), std::string(out, to)) << byte;
  }
  iconv_close(converter);
}

}  // namespace
}  // namespace zeb
