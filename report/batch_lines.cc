#include "report/batch_lines.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "report/buffer.h"
#include "report/code_page.h"
#include "report/figures.h"
#include "report/figures_json.h"

namespace zeb {
namespace {

// The digits of 0 to 99, two each.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// A reform's value as a JSON number or a table's cell, written at `at`,
// where kFigureChars characters have room: its exact decimal, with a
// decimal comma in a cell; the end. Cents, the most of them, two digits at
// a time.
char* writeValue(char* at, const Figure& figure, char point) {
  if (const Decimal* exact = std::get_if<Decimal>(&figure);
      exact != nullptr && exact->places == 2) {
    // The size in unsigned arithmetic, where even the least number has one.
    const auto bits = static_cast<std::uint64_t>(exact->units);
    std::uint64_t size = exact->units < 0 ? 0 - bits : bits;
    // Written backwards to the middle of `digits`, then copied as a whole
    // block of kCopied characters, of which the first are the number's.
    constexpr std::size_t kCopied = 24;
    static_assert(kCopied <= kFigureChars);
    char digits[2 * kCopied] = {};
    char* const end = digits + kCopied;
    char* start = end;
    const auto pair = [&start](std::uint64_t twoDigits) {
      start -= 2;
      std::memcpy(start, &kDigitPairs[2 * static_cast<std::size_t>(twoDigits)], 2);
    };
    pair(size % 100);
    *--start = point;
    size /= 100;
    while (size >= 100) {
      pair(size % 100);
      size /= 100;
    }
    if (size >= 10) {
      pair(size);
    } else {
      *--start = static_cast<char>('0' + size);
    }
    if (exact->units < 0) *--start = '-';
    std::memcpy(at, start, kCopied);
    return at + (end - start);
  }
  char* const end = writeFigure(at, figure, 2);
  if (point != '.') std::replace(at, end, '.', point);
  return end;
}

void putValue(Buffer& out, const Figure& figure, char point) {
  char* at = out.claim(kFigureChars);
  out.commit(writeValue(at, figure, point));
}

// The row's key written into `key`: its block's path with its dot, its own.
std::string_view keyOf(Buffer& key, BlockPaths& paths, const Figures& figures,
                       const FigureRow& row) {
  key.clear();
  key.put(paths.of(figures, row.section, row.variant));
  key.put(std::string_view(row.keyPart));
  return key.view();
}

// A CSV cell: quoted where it holds a semicolon, a quote or a line break.
void putCell(Buffer& out, std::string_view text) {
  if (text.find_first_of(";\"\r\n") == std::string_view::npos) {
    out.put(text);
    return;
  }
  out.put('"');
  for (const char c : text) {
    if (c == '"') out.put('"');
    out.put(c);
  }
  out.put('"');
}

// The law of the columns, as the words -2021 and -2025 name it.
std::string_view lawOf(Reform reform) {
  switch (reform) {
    case Reform::Of2021:
      return "2021";
    case Reform::Of2025:
      return "2025";
    case Reform::Of2013:
      break;
  }
  return "2013";
}

}  // namespace

std::string_view BlockPaths::of(const Figures& figures, int section, int variant) {
  if (section < 0) return "header.";
  const int heading = variant >= 0 ? variant : section;
  const auto i = static_cast<std::size_t>(heading);
  if (i < kMost && length_[i] != 0) return {text_[i].data(), length_[i]};
  const std::string_view own = figures.headings[static_cast<std::size_t>(section)].keyPart;
  std::string_view variantOwn;
  if (variant >= 0) variantOwn = figures.headings[static_cast<std::size_t>(variant)].keyPart;
  if (variantOwn == kJudgmentKey) variantOwn = {};
  const std::size_t size = own.size() + 1 + (variantOwn.empty() ? 0 : variantOwn.size() + 1);
  if (i >= kMost || size > kLength) {
    beyond_ = std::string(own) + '.';
    if (!variantOwn.empty()) beyond_ += std::string(variantOwn) + '.';
    return beyond_;
  }
  char* at = text_[i].data();
  std::memcpy(at, own.data(), own.size());
  at[own.size()] = '.';
  if (!variantOwn.empty()) {
    std::memcpy(at + own.size() + 1, variantOwn.data(), variantOwn.size());
    at[size - 1] = '.';
  }
  length_[i] = static_cast<std::uint8_t>(size);
  return {text_[i].data(), length_[i]};
}

namespace {

// The head of a claim's JSON line, up to its figures.
void putHead(Buffer& out, long line, const Figures& figures) {
  out.put(R"({"line":)");
  out.integer(line);
  out.put(R"(,"status":0,"amount":)");
  out.integer(figures.amount);
  out.put(R"(,"columns":[)");
  putJsonString(out, columnCaption(figures.reform, Schedule::Old, figures.byDays));
  out.put(',');
  putJsonString(out, columnCaption(figures.reform, Schedule::New, figures.byDays));
  // The line on the cap of the value, as -J has it among its remarks.
  if (figures.valueCapped) {
    out.put(R"(],"remarks":[)");
    putJsonString(out, utf8FromCodePage850(valueCapLine("Euro")));
  }
  out.put(R"(],"figures":{)");
}

// A row's key and values, "first_instance.court_fees":[798.00,849.00], in
// one piece of the buffer; a comma before all but the `first`.
void putRow(Buffer& out, std::string_view path, std::string_view key, const Figure& oldValue,
            const Figure& newValue, bool oldAlone, bool first) {
  char* at = out.claim(8 + path.size() + key.size() + 2 * kFigureChars);
  if (!first) *at++ = ',';
  *at++ = '"';
  std::memcpy(at, path.data(), path.size());
  at += path.size();
  std::memcpy(at, key.data(), key.size());
  at += key.size();
  *at++ = '"';
  *at++ = ':';
  *at++ = '[';
  at = writeValue(at, oldValue, '.');
  if (!oldAlone) {
    *at++ = ',';
    at = writeValue(at, newValue, '.');
  }
  *at++ = ']';
  out.commit(at);
}

}  // namespace

void JsonLineSink::row(const Figures& figures, const char* key, int section, int variant,
                       const Figure& oldValue, const Figure& newValue, bool oldAlone) {
  if (first_) putHead(out_, line_, figures);
  putRow(out_, paths_.of(figures, section, variant), key, oldValue, newValue, oldAlone, first_);
  first_ = false;
}

void JsonLineSink::end(const Figures& figures) {
  if (first_) putHead(out_, line_, figures);
  out_.put("}}\n");
}

void writeJsonLine(Buffer& out, long line, const Figures& figures) {
  putHead(out, line, figures);
  BlockPaths paths;
  bool first = true;
  for (const FigureRow& row : figures.rows) {
    putRow(out, paths.of(figures, row.section, row.variant), row.keyPart, row.oldValue,
           row.newValue, row.percentBasis == 0, first);
    first = false;
  }
  out.put('}');
  if (figures.withWays) {
    out.put(R"(,"ways":{)");
    first = true;
    for (const FigureRow& row : figures.rows) {
      out.put(first ? std::string_view(R"(")") : std::string_view(R"(,")"));
      first = false;
      out.put(paths.of(figures, row.section, row.variant));
      out.put(std::string_view(row.keyPart));
      out.put(R"(":{"old":[)");
      for (std::size_t column = 0; column < 2; ++column) {
        if (column == 1) out.put(row.percentBasis != 0 ? R"(],"new":[)" : R"(],"new":null)");
        if (column == 1 && row.percentBasis == 0) break;
        const std::vector<std::string>& steps = row.derivation[column];
        for (std::size_t i = 0; i < steps.size(); ++i) {
          if (i > 0) out.put(',');
          putJsonString(out, steps[i]);
        }
      }
      out.put(row.percentBasis != 0 ? "]}" : "}");
    }
    out.put('}');
  }
  out.put("}\n");
}

void writeJsonError(Buffer& out, long line, int status, std::string_view message) {
  out.put(R"({"line":)");
  out.integer(line);
  out.put(R"(,"status":)");
  out.integer(status);
  out.put(R"(,"error":)");
  putJsonString(out, message);
  out.put("}\n");
}

CsvColumns defaultCsvColumns() {
  CsvColumns columns;
  columns.keys = {"header.amount",
                  "first_instance.court_fees",
                  "first_instance.lawyer_costs",
                  "first_instance.claimant_lawyer_costs",
                  "first_instance.defendant_lawyer_costs",
                  "first_instance.process_costs",
                  "first_instance.claimant_share",
                  "first_instance.defendant_share",
                  "first_instance.defendant_pays_claimant",
                  "first_instance.claimant_pays_defendant"};
  columns.used.assign(columns.keys.size(), false);
  return columns;
}

std::optional<CsvColumns> csvColumnsOf(std::string_view list) {
  CsvColumns columns;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view key = list.substr(0, comma);
    if (key.empty() ||
        key.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_.") != std::string_view::npos) {
      return std::nullopt;
    }
    columns.keys.emplace_back(key);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  columns.used.assign(columns.keys.size(), false);
  return columns;
}

void writeCsvHeader(Buffer& out, const CsvColumns& columns) {
  out.put("\357\273\277line;status;law");
  for (const std::string& key : columns.keys) {
    out.put(';');
    out.put(key);
    // The amount has one value; every other key the old and the new.
    if (key != "header.amount") {
      out.put(".old;");
      out.put(key);
      out.put(".new");
    }
  }
  out.put(";error\n");
}

void writeCsvRow(Buffer& out, long line, const Figures& figures, CsvColumns& columns) {
  std::array<const FigureRow*, 64> found{};
  std::vector<const FigureRow*> many;
  const FigureRow** rows = found.data();
  if (columns.keys.size() > found.size()) {
    many.assign(columns.keys.size(), nullptr);
    rows = many.data();
  }
  Buffer key(128);
  BlockPaths paths;
  for (const FigureRow& row : figures.rows) {
    const std::string_view name = keyOf(key, paths, figures, row);
    for (std::size_t i = 0; i < columns.keys.size(); ++i) {
      if (rows[i] == nullptr && columns.keys[i] == name) {
        rows[i] = &row;
        columns.used[i] = true;
      }
    }
  }
  out.integer(line);
  out.put(";0;");
  out.put(lawOf(figures.reform));
  for (std::size_t i = 0; i < columns.keys.size(); ++i) {
    const bool twoValues = columns.keys[i] != "header.amount";
    out.put(';');
    if (rows[i] != nullptr) putValue(out, rows[i]->oldValue, ',');
    if (!twoValues) continue;
    out.put(';');
    if (rows[i] != nullptr && rows[i]->percentBasis != 0) putValue(out, rows[i]->newValue, ',');
  }
  out.put(";\n");
}

void writeCsvError(Buffer& out, long line, int status, std::string_view message,
                   const CsvColumns& columns) {
  out.integer(line);
  out.put(';');
  out.integer(status);
  out.put(';');
  for (const std::string& key : columns.keys) out.put(key == "header.amount" ? ";" : ";;");
  out.put(';');
  putCell(out, message);
  out.put('\n');
}

}  // namespace zeb
