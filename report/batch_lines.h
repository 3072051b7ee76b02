// The figures of many claims, a line each: JSON lines (one object a claim)
// or a table for a spreadsheet (CSV with semicolons and decimal commas).
// Without labels: the rows go by their keys (doc/figures.md).
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/buffer.h"
#include "report/figures.h"

namespace zeb {

// The paths of a report's blocks with a dot after each ("first_instance.
// settlement."), each made once: by the headings a row stands under.
class BlockPaths {
 public:
  std::string_view of(const Figures& figures, int section, int variant);

 private:
  static constexpr std::size_t kMost = 48;    // headings; a report has some 20
  static constexpr std::size_t kLength = 64;  // a path's characters; the longest has 26
  std::array<std::array<char, kLength>, kMost> text_;
  std::array<std::uint8_t, kMost> length_{};
  std::string beyond_;  // a path past those
};

// A claim's JSON line written as its rows are computed (without ways): the
// figures' sink for `computeReport`, then `end`.
class JsonLineSink final : public RowSink {
 public:
  JsonLineSink(Buffer& out, long line) : out_(out), line_(line) {}

  void row(const Figures& figures, const char* key, int section, int variant,
           const Figure& oldValue, const Figure& newValue, bool oldAlone) override;
  // Ends the line of `figures`.
  void end(const Figures& figures);

 private:
  Buffer& out_;
  long line_;
  bool first_ = true;
  BlockPaths paths_;
};

// The claim of input line `line` as one JSON object and a line feed:
// {"line":..,"status":0,"amount":..,"columns":[..],"figures":{key:[old,new]}}
// (a row that shows one value has one), with "ways" {key:{"old":[..],
// "new":[..]}} where the figures have them.
void writeJsonLine(Buffer& out, long line, const Figures& figures);

// A refused claim: {"line":..,"status":..,"error":"…"}, `message` in UTF-8.
void writeJsonError(Buffer& out, long line, int status, std::string_view message);

// The columns of a table: the keys asked for, each with the figures of the
// old and the new column, besides the line, the status, the law and the
// error. `used` records which keys any report had.
struct CsvColumns {
  std::vector<std::string> keys;
  std::vector<bool> used;
};

// The keys of a table when none are asked for: the amount, the first
// instance's court fees, both bills (one where they are the same) and the
// process costs, and with a share both parts and the balance.
CsvColumns defaultCsvColumns();

// The keys of `list` ("first_instance.court_fees,totals.with_appeal"), or
// none where a key has letters other than a to z, digits, "_" and ".".
std::optional<CsvColumns> csvColumnsOf(std::string_view list);

// The byte order mark and the line of the column names.
void writeCsvHeader(Buffer& out, const CsvColumns& columns);

// A claim's line of the table; a key its report lacks leaves its cells empty.
void writeCsvRow(Buffer& out, long line, const Figures& figures, CsvColumns& columns);

// A refused claim's line: its status and `message`, in UTF-8.
void writeCsvError(Buffer& out, long line, int status, std::string_view message,
                   const CsvColumns& columns);

}  // namespace zeb
