#include "web/zeb_web.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/run_binary.h"

namespace zeb {
namespace {

struct EngineRun {
  int status;
  std::string out, err;
};

EngineRun engine(const std::vector<const char*>& words) {
  ZebOutput output;
  const int status = zebRun(static_cast<int>(words.size()), words.data(), &output);
  EngineRun run{status, std::string(output.bytes[0], output.size[0]),
                std::string(output.bytes[1], output.size[1])};
  std::free(output.bytes[0]);
  std::free(output.bytes[1]);
  return run;
}

// The page's engine writes what the program writes, and nothing of one run
// reaches the next.
TEST(WebEngine, EachRunGivesTheProgramsBytesFromFreshSettings) {
  const std::vector<std::vector<const char*>> sequence = {
      {"5000", "-V", "-h", "-E"},     {"5000"}, {}, {"-h"}, {"1000", "-k", "-A"}, {"-1000", "-h"},
      {"5000", "-2025", "-O60", "-J"}};
  for (const std::vector<const char*>& words : sequence) {
    std::vector<std::string> arguments{"zeb"};
    arguments.insert(arguments.end(), words.begin(), words.end());
    SCOPED_TRACE(arguments.size() > 1 ? arguments[1] : "(none)");
    const testing::ProcessResult expected = testing::runProgram(arguments);
    const EngineRun got = engine(words);
    EXPECT_EQ(got.status, expected.status);
    EXPECT_EQ(got.out, expected.out);
    EXPECT_EQ(got.err, expected.err);
  }
}

}  // namespace
}  // namespace zeb
