// Hostile command lines: huge, many and strange arguments give a report and
// status 0, never a crash.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "run/zeb.h"
#include "tests/run_binary.h"

namespace zeb::testing {
namespace {

bool isReport(const ProcessResult& run) {
  return run.status == 0 && run.err.empty() && run.out.find("Anmerkungen:") != std::string::npos;
}

TEST(HostileCommandLine, HugeArguments) {
  // Linux takes single arguments up to 128 KiB.
  const std::string digits(120'000, '9');
  const ProcessResult run = runProgram({"zeb", digits, std::string(120'000, 'x')});
  EXPECT_TRUE(isReport(run));
  // 99...9 (120000 nines) is 10^120000 - 1; 10^120000 is a multiple of 2^32,
  // so the amount is -1.
  EXPECT_NE(run.out.find("Streitwert:" + std::string(45, ' ') + "-1.00 Euro\n"), std::string::npos);

  const std::string spaces = std::string(120'000, ' ') + "5000";
  EXPECT_NE(runProgram({"zeb", spaces, "-k"}).out.find("5000.00 Euro\n"), std::string::npos);
}

TEST(HostileCommandLine, MegabyteArgumentInProcess) {
  std::string amount(1 << 20, '7');
  const char* arguments[] = {"zeb", amount.c_str(), "-h", "-V", nullptr};
  std::FILE* sink = std::tmpfile();
  ASSERT_NE(sink, nullptr);
  EXPECT_EQ(runZeb(4, arguments, sink, sink), 0);
  EXPECT_GT(std::ftell(sink), 10'000);
  std::fclose(sink);
}

TEST(HostileCommandLine, HundredThousandArguments) {
  std::vector<std::string> arguments = {"zeb", "5000"};
  for (int i = 0; i < 100'000; ++i) arguments.emplace_back(i % 2 != 0 ? "-x" : "-V");
  arguments.emplace_back("-A");
  const ProcessResult run = runProgram(arguments);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Verfahren mit Proze\341vergleich"), std::string::npos);
  EXPECT_EQ(run.out.find("Anmerkungen:"), std::string::npos);
}

TEST(HostileCommandLine, EveryByteValueInsideArguments) {
  std::string all;
  for (int byte = 1; byte <= 0xFF; ++byte) all.push_back(static_cast<char>(byte));
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{"zeb", all},
                                                    {"zeb", "5000", all, "-h"},
                                                    {"zeb", "12" + all},
                                                    {"zeb", "\x80\xff", "\x1b[31m", "%s%n%s%n"}}) {
    const ProcessResult run = runProgram(arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(run.out.empty());
  }
}

TEST(HostileCommandLine, AmountsOfWhiteSpaceOrSignOnly) {
  const ProcessResult zero = runProgram({"zeb", "0"});
  for (const char* amount : {" ", " \t\n\v\f\r", "+", "-", "   -", "+-", ""}) {
    SCOPED_TRACE(amount);
    const ProcessResult run = runProgram({"zeb", amount});
    EXPECT_TRUE(isReport(run));
    EXPECT_EQ(run.out, zero.out);
  }
}

}  // namespace
}  // namespace zeb::testing
