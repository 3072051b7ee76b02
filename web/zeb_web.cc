// The engine of the web page: runs the program on an argument vector and
// hands what it wrote to the page. Standard output and standard error are
// memory streams: the bytes (code page 850 text, or the ASCII HTML
// document) reach the page unchanged.
#include "web/zeb_web.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "run/zeb.h"

namespace {

// The argument vector with the invocation name in front.
std::vector<const char*> withName(int count, const char* const* arguments) {
  std::vector<const char*> vector{"zeb"};
  vector.insert(vector.end(), arguments, arguments + count);
  vector.push_back(nullptr);
  return vector;
}

// `text` as a JSON string: its runs of plain characters written whole.
void writeString(std::FILE* json, const std::string& text) {
  std::fputc('"', json);
  std::size_t plain = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20) continue;
    std::fwrite(text.data() + plain, 1, i - plain, json);
    if (c == '"' || c == '\\') {
      std::fprintf(json, "\\%c", c);
    } else {
      std::fprintf(json, "\\u%04x", static_cast<unsigned>(c));
    }
    plain = i + 1;
  }
  std::fwrite(text.data() + plain, 1, text.size() - plain, json);
  std::fputc('"', json);
}

// `lines` as a JSON array of strings.
void writeStrings(std::FILE* json, const std::vector<std::string>& lines) {
  const char* separator = "[";
  for (const std::string& line : lines) {
    std::fputs(separator, json);
    writeString(json, line);
    separator = ",";
  }
  std::fputs(lines.empty() ? "[]" : "]", json);
}

// A money value or a change. Of the report of 2013: 17 significant digits
// give the double back exactly, and so the single-precision value it holds;
// JSON has no infinity. Of a reform: the exact decimal.
void writeNumber(std::FILE* json, const zeb::Figure& figure) {
  if (const auto* exact = std::get_if<zeb::Decimal>(&figure)) {
    std::fputs(zeb::decimalText(*exact).c_str(), json);
  } else if (const double value = std::get<float>(figure); std::isfinite(value)) {
    std::fprintf(json, "%.17g", value);
  } else {
    std::fputs("null", json);
  }
}

void writeFigures(std::FILE* json, const zeb::Figures& figures) {
  std::fprintf(json, R"({"status":%d,)", figures.status);
  // No report (the usage screen, or a reform's amount refused): no amount.
  if (figures.status != zeb::kReportWritten) {
    std::fputs(R"("amount":null,"columns":null)", json);
  } else {
    std::fprintf(json, R"("amount":%lld,"columns":[)", static_cast<long long>(figures.amount));
    writeString(json, figures.oldColumn);
    std::fputc(',', json);
    writeString(json, figures.newColumn);
    std::fputc(']', json);
  }
  std::fputs(R"(,"remarks":)", json);
  writeStrings(json, figures.remarks);
  std::fputs(R"(,"headings":[)", json);
  const char* separator = "";
  for (const zeb::FigureHeading& heading : figures.headings) {
    std::fprintf(json, R"(%s{"level":%d,"label":)", separator, heading.level);
    writeString(json, heading.label);
    std::fprintf(json, R"(,"row":%zu})", heading.firstRow);
    separator = ",";
  }
  std::fputs(R"(],"rows":[)", json);
  separator = "";
  for (const zeb::FigureRow& row : figures.rows) {
    std::fprintf(json, R"(%s{"label":)", separator);
    writeString(json, row.label);
    std::fputs(R"(,"note":)", json);
    if (row.note != 0) {
      std::fprintf(json, "%d", row.note);
    } else {
      std::fputs("null", json);
    }
    std::fputs(R"(,"old":)", json);
    writeNumber(json, row.oldValue);
    std::fputs(R"(,"new":)", json);
    writeNumber(json, row.newValue);
    std::fprintf(json, R"(,"basis":%llu)", static_cast<unsigned long long>(row.percentBasis));
    if (const auto& c = row.comparison) {
      std::fprintf(json, R"(,"oldPercent":%d,"newPercent":%d,)", c->oldPercent, c->newPercent);
      if (c->change) {
        std::fprintf(json, R"("direction":"%c","change":)", c->direction);
        writeNumber(json, *c->change);
      } else {
        std::fputs(R"("direction":null,"change":null)", json);
      }
    } else {
      std::fputs(R"(,"oldPercent":null,"newPercent":null,"direction":null,"change":null)", json);
    }
    // The way to each value; a row with one value has one.
    if (!figures.withWays) {
      std::fputs(R"(,"derivation":null)", json);
    } else {
      std::fputs(R"(,"derivation":{"old":)", json);
      writeStrings(json, row.derivation[0]);
      std::fputs(R"(,"new":)", json);
      if (row.percentBasis == 0) {
        std::fputs("null", json);
      } else {
        writeStrings(json, row.derivation[1]);
      }
      std::fputc('}', json);
    }
    // The indices of the headings it stands under; the page turns them into
    // their labels.
    std::fputs(R"(,"headings":[)", json);
    if (row.section >= 0) std::fprintf(json, "%d", row.section);
    if (row.variant >= 0) std::fprintf(json, "%s%d", row.section >= 0 ? "," : "", row.variant);
    std::fputs("]}", json);
    separator = ",";
  }
  std::fputs("]}", json);
}

}  // namespace

extern "C" {

int zebRun(int count, const char* const* arguments, ZebOutput* output) {
  *output = ZebOutput{};
  const std::vector<const char*> vector = withName(count, arguments);
  std::FILE* out = open_memstream(&output->bytes[0], &output->size[0]);
  std::FILE* err = open_memstream(&output->bytes[1], &output->size[1]);
  int status = -1;
  if (out != nullptr && err != nullptr) status = zeb::runZeb(count + 1, vector.data(), out, err);
  if (out != nullptr) std::fclose(out);
  if (err != nullptr) std::fclose(err);
  return status;
}

int zebFigures(int count, const char* const* arguments, int ways, ZebOutput* output) {
  *output = ZebOutput{};
  const std::vector<const char*> vector = withName(count, arguments);
  const zeb::Figures figures = zeb::runZebFigures(count + 1, vector.data(), ways != 0);
  std::FILE* json = open_memstream(&output->bytes[0], &output->size[0]);
  if (json == nullptr) return -1;
  writeFigures(json, figures);
  std::fclose(json);
  return figures.status;
}
}
