#include "report/document.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/run_binary.h"

namespace zeb {
namespace {

std::string headOf(std::int64_t amount, const ReportOptions& options = {}) {
  Buffer head;
  writeDocumentHead(head, amount, options);
  return head.str();
}

TEST(WriteDocumentHead, LineByLineUpToTheTable) {
  const std::string head = headOf(5000);
  EXPECT_EQ(head, testing::readGolden("document-head-5000.html"));
  EXPECT_TRUE(head.ends_with("\n<table>\n"));
}

TEST(WriteDocumentHead, TitleShowsTheAmountAndTheCurrency) {
  ReportOptions euro;
  euro.euroSign = true;
  struct Case {
    ReportOptions options;
    std::int64_t amount;
    std::string title;
  };
  const Case cases[] = {
      {{}, 5000, " - ZEB - Zebulon - Streitwert: 5000 Euro\n"},
      {euro, 5000, " - ZEB - Zebulon - Streitwert: 5000 &#8364;\n"},
      {{}, -5, " - ZEB - Zebulon - Streitwert: -5 Euro\n"},
      {{}, -2147483648, " - ZEB - Zebulon - Streitwert: -2147483648 Euro\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    const std::string head = headOf(c.amount, c.options);
    EXPECT_NE(head.find("<title>\nZEB-Projekt" + c.title + "</title>\n"), std::string::npos);
  }
}

TEST(DocumentFrame, TableEndAndClosing) {
  Buffer out;
  writeTableEnd(out);
  writeDocumentClosing(out);
  EXPECT_EQ(out.str(), "</table>\n\n\n</body>\n</html>\n\n");
}

}  // namespace
}  // namespace zeb
