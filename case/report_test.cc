#include "case/report.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "report/figures_json.h"
#include "report/writers.h"

namespace zeb {
namespace {

// A case computes into the same figures on any number of threads at once:
// nothing of the computation is shared between them.
TEST(ComputeReport, TheSameFiguresOnEightThreadsAtOnce) {
  ReportOptions reform;
  reform.reform = Reform::Of2025;
  reform.showSettlement = reform.showDerivations = true;
  reform.shareWon = ShareWon{60, 100, 0};
  reform.aroundTheLawsuit = reform.afterPaymentOrder = true;
  reform.claimantCase = {13, 2, Cents{1500'00}};
  reform.defendant.deductsVat = true;
  reform.endings = {true, true, true};
  ReportOptions of2013;
  of2013.showSettlement = of2013.showDerivations = true;
  struct Case {
    ReportOptions options;
    std::int64_t amount;
  };
  for (const Case& c : {Case{reform, 10000}, Case{of2013, 736559630}}) {
    const auto written = [&c] {
      const Figures figures = computeReport(c.options, c.amount, true);
      return figuresJson(figures).str() + textReport(figures, c.options).str();
    };
    const std::string expected = written();
    std::vector<std::string> results(8);
    std::vector<std::thread> threads;
    threads.reserve(results.size());
    for (std::string& result : results) {
      threads.emplace_back([&] {
        for (int i = 0; i < 20; ++i) result = written();
      });
    }
    for (std::thread& thread : threads) thread.join();
    for (const std::string& result : results) EXPECT_EQ(result, expected);
  }
}

}  // namespace
}  // namespace zeb
