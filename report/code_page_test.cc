#include "report/code_page.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

TEST(CodePage850, LettersOfTheReportInUtf8) {
  // ü, then ä ö Ä Ö Ü ß, the light shade U+2591 and the no-break space U+00A0.
  EXPECT_EQ(utf8FromCodePage850("Geb\201hr: \204\224\216\231\232\341 \260\377"),
            "Geb\xC3\xBChr: \xC3\xA4\xC3\xB6\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F \xE2\x96\x91\xC2\xA0");
}

}  // namespace
}  // namespace zeb
