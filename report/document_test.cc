#include "report/document.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/capture.h"
#include "tests/run_binary.h"

namespace zeb {
namespace {

using testing::captureReport;
using testing::htmlMode;

TEST(PrintDocumentHead, LineByLineUpToTheTable) {
  const std::string head = captureReport(htmlMode(), [] { printDocumentHead(5000); });
  EXPECT_EQ(head, testing::readGolden("document-head-5000.html"));
  EXPECT_TRUE(head.ends_with("\n<table>\n"));
}

TEST(PrintDocumentHead, TitleShowsTheAmountAndTheCurrency) {
  ReportOptions euro = htmlMode();
  euro.euroSign = true;
  struct Case {
    ReportOptions options;
    std::int64_t amount;
    std::string title;
  };
  const Case cases[] = {
      {htmlMode(), 5000, " - ZEB - Zebulon - Streitwert: 5000 Euro\n"},
      {euro, 5000, " - ZEB - Zebulon - Streitwert: 5000 &#8364;\n"},
      {htmlMode(), -5, " - ZEB - Zebulon - Streitwert: -5 Euro\n"},
      {htmlMode(), -2147483648, " - ZEB - Zebulon - Streitwert: -2147483648 Euro\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    const std::string head = captureReport(c.options, [&] { printDocumentHead(c.amount); });
    EXPECT_NE(head.find("<title>\nZEB-Projekt" + c.title + "</title>\n"), std::string::npos);
  }
}

TEST(DocumentFrame, TableEndAndClosing) {
  EXPECT_EQ(captureReport(htmlMode(), [] { printTableEnd(); }), "</table>\n\n");
  EXPECT_EQ(captureReport(htmlMode(), [] { printDocumentClosing(); }), "\n</body>\n</html>\n\n");
}

}  // namespace
}  // namespace zeb
