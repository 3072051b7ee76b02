#include "run/zeb.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fees/precision_scope.h"

namespace zeb {
namespace {

#ifdef ZEB_HARDWARE_EXTENDED

// What runZeb writes to standard output for `amount` and -V.
std::string settlementReport(const char* amount) {
  const char* arguments[] = {"zeb", amount, "-V", nullptr};
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* stream = open_memstream(&buffer, &size);
  EXPECT_EQ(runZeb(3, arguments, stream, stream), 0);
  std::fclose(stream);
  std::string bytes(buffer, size);
  std::free(buffer);
  return bytes;
}

// A process on Windows, or one started with MinGW's CRT_fp8.o, begins with
// the x87 at 53-bit precision; the report must not notice, and the caller
// gets its setting back.
TEST(RunZeb, CentsDoNotDependOnTheInheritedPrecision) {
  setX87ControlWord(kX87Extended);
  const std::string expected = settlementReport("736559630");
  // At 53 bits the revision's process costs (judgement) would show
  // 26959968.00.
  EXPECT_NE(expected.find(" 26959966.00 Euro"), std::string::npos);
  setX87ControlWord(kX87Double);
  EXPECT_EQ(settlementReport("736559630"), expected);
  EXPECT_EQ(x87ControlWord(), kX87Double);
  setX87ControlWord(kX87Extended);
}

#endif

}  // namespace
}  // namespace zeb
