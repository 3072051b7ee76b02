#include "run/batch.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "case/report.h"
#include "report/batch_lines.h"
#include "report/buffer.h"
#include "report/code_page.h"
#include "report/figures.h"
#include "report/report_options.h"
#include "run/command_line.h"
#include "run/output.h"
#include "run/zeb.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace zeb {
namespace {

constexpr char kBatchWord[] = "-stapel";
constexpr char kCsvWord[] = "-csv";

// What the batch's own command line asks for.
struct BatchRequest {
  const char* file = nullptr;       // none, or "-": standard input
  std::vector<const char*> shared;  // words that every claim gets
  std::optional<CsvColumns> csv;    // a table instead of JSON lines
  std::string refusal;              // why the batch is refused, in code page 850
};

BatchRequest batchRequestOf(int count, const char* const* arguments) {
  BatchRequest request;
  for (int i = 2; i < count; ++i) {
    const char* word = arguments[i];
    if (std::strcmp(word, kCsvWord) == 0) {
      // A list of keys follows, or the table has its usual columns.
      if (i + 1 < count && arguments[i + 1][0] != '-') {
        request.csv = csvColumnsOf(arguments[++i]);
        if (!request.csv) {
          request.refusal = std::string("zeb: -csv ") + arguments[i] +
                            ": Schl\201ssel aus a bis z, Ziffern, _ und Punkten, durch Kommas "
                            "getrennt (doc/figures.md).\n Richtig: zeb -stapel -csv "
                            "header.amount,first_instance.court_fees\n";
          return request;
        }
      } else {
        request.csv = defaultCsvColumns();
      }
    } else if (word[0] != '-' || std::strcmp(word, "-") == 0) {
      if (request.file != nullptr) {
        request.refusal = std::string("zeb: -stapel liest eine Datei, nicht ") + request.file +
                          " und " + word + ".\n Richtig: zeb -stapel " + request.file + "\n";
        return request;
      }
      request.file = word;
    } else {
      request.shared.push_back(word);
    }
  }
  return request;
}

// The lines of a file, read in large blocks: each without its line feed
// and a carriage return before it. A line longer than a block is no claim.
class LineReader {
 public:
  explicit LineReader(std::FILE* in) : in_(in), block_(kBlock) {}

  // The next line, or none at the end; `tooLong` where it did not fit.
  std::optional<std::string_view> next(bool& tooLong) {
    tooLong = false;
    while (true) {
      const char* start = block_.data() + begin_;
      if (const void* feed = std::memchr(start, '\n', end_ - begin_)) {
        const auto length = static_cast<std::size_t>(static_cast<const char*>(feed) - start);
        begin_ += length + 1;
        if (skipping_) {
          skipping_ = false;
          tooLong = true;
          return std::string_view();
        }
        return withoutReturn(std::string_view(start, length));
      }
      if (atEnd_) {
        if (begin_ == end_ && !skipping_) return std::nullopt;
        const std::string_view rest(start, end_ - begin_);
        begin_ = end_;
        tooLong = skipping_;
        skipping_ = false;
        return tooLong ? std::string_view() : withoutReturn(rest);
      }
      // The rest of the block to its front, then more after it; a block
      // without a line feed is skipped up to the next one.
      std::memmove(block_.data(), start, end_ - begin_);
      end_ -= begin_;
      begin_ = 0;
      if (end_ == block_.size()) {
        skipping_ = true;
        end_ = 0;
      }
      const std::size_t read = std::fread(block_.data() + end_, 1, block_.size() - end_, in_);
      end_ += read;
      if (read == 0) {
        atEnd_ = true;
        error_ = std::ferror(in_) != 0 ? (errno != 0 ? errno : EIO) : 0;
      }
    }
  }

  int error() const { return error_; }

 private:
  static constexpr std::size_t kBlock = 1 << 16;

  static std::string_view withoutReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }

  std::FILE* in_;
  std::vector<char> block_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool atEnd_ = false;
  bool skipping_ = false;
  int error_ = 0;
};

// The argument vector of a claim: "zeb", the words of `line` (blanks and
// tabs between them) and the `shared` words; empty for an empty line or a
// comment. The words live in `text`.
void claimArguments(std::string_view line, const std::vector<const char*>& shared,
                    std::string& text, std::vector<const char*>& arguments) {
  arguments.clear();
  text.assign(line);
  std::size_t i = 0;
  const auto blank = [&text](std::size_t at) { return text[at] == ' ' || text[at] == '\t'; };
  while (i < text.size() && blank(i)) ++i;
  if (i == text.size() || text[i] == '#') return;
  arguments.push_back("zeb");
  while (i < text.size()) {
    arguments.push_back(text.data() + i);
    while (i < text.size() && !blank(i)) ++i;
    while (i < text.size() && blank(i)) text[i++] = '\0';
  }
  arguments.insert(arguments.end(), shared.begin(), shared.end());
}

// Why a claim of the report of 2013 has no place in a batch, in code page
// 850, with the command of today's law.
std::string refusalIn2013(int count, const char* const* arguments) {
  std::string command = std::string("zeb ") + arguments[1] + " -2025";
  for (int i = 2; i < count; ++i) command += std::string(" ") + arguments[i];
  return "zeb: Im Stapel rechnet ZEB nur mit -2021 oder -2025, in ganzen Cent, nicht den Bericht "
         "nach dem Recht ab 01.08.2013.\n Richtig: " +
         command + "\n";
}

// A message of the command line for a JSON string or a cell: in UTF-8,
// without its last line feed.
std::string messageOf(const std::string& codePage850) {
  std::string text = utf8FromCodePage850(codePage850);
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

// The progress line on a terminal, for a run of more than a second.
class Progress {
 public:
  Progress(std::FILE* err, bool onTerminal) : err_(onTerminal ? err : nullptr) {}

  void claimDone(long claims) {
    if (err_ == nullptr || claims % 1024 != 0) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - shown_ < std::chrono::milliseconds(200)) {
      return;
    }
    shown_ = now;
    std::fprintf(err_, "\rzeb: %ld Forderungen", claims);
    std::fflush(err_);
    visible_ = true;
  }

  // Clears the line before anything else is written there.
  void clear() {
    if (!visible_) return;
    std::fprintf(err_, "\r%40s\r", "");
    std::fflush(err_);
    visible_ = false;
  }

 private:
  std::FILE* err_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point shown_{};
  bool visible_ = false;
};

}  // namespace

bool isBatch(int count, const char* const* arguments) {
  return count >= 2 && std::strcmp(arguments[1], kBatchWord) == 0;
}

int runBatch(int count, const char* const* arguments, std::FILE* in, std::FILE* out,
             std::FILE* err) {
  // A batch computes today's law alone.
  Output output(out, err, true);
  BatchRequest request = batchRequestOf(count, arguments);
  if (!request.refusal.empty()) {
    output.diagnostic(request.refusal);
    output.close();
    return kRefused;
  }
  std::FILE* file = in;
  if (request.file != nullptr && std::strcmp(request.file, "-") != 0) {
    file = std::fopen(request.file, "rb");
    if (file == nullptr) {
      output.diagnostic(std::string("zeb: -stapel: ") + request.file + ": " + std::strerror(errno) +
                        "\n");
      output.close();
      return kRefused;
    }
  }
#ifdef _WIN32
  // The claims' bytes as they are: in text mode Windows would end the
  // input at a Ctrl-Z.
  _setmode(_fileno(file), _O_BINARY);
#endif
  LineReader lines(file);
  Progress progress(err, output.diagnosticsOnTerminal());
  // One claim's words, its figures and the output, each kept from claim to
  // claim with its room: memory does not grow with the number of claims.
  std::string text;
  std::vector<const char*> words;
  Figures figures;
  figures.withLabels = false;  // the lines name rows by their keys
  Buffer block(1 << 17);
  if (request.csv) writeCsvHeader(block, *request.csv);
  long lineNumber = 0;
  long computed = 0;
  long refused = 0;
  bool tooLong = false;
  while (std::optional<std::string_view> line = lines.next(tooLong)) {
    ++lineNumber;
    // A file that Notepad or a spreadsheet saved begins with the byte order
    // mark of UTF-8.
    if (lineNumber == 1 && line->starts_with("\357\273\277")) line->remove_prefix(3);
    std::string message;
    if (tooLong) {
      message = "zeb: Die Zeile ist l\204nger als 65536 Zeichen.\n";
    } else {
      claimArguments(*line, request.shared, text, words);
      if (words.empty()) continue;
      const int n = static_cast<int>(words.size());
      const ReportOptions options = parseOptions(n, words.data());
      if (const std::optional<Refusal> refusal = refusalOf(n, words.data(), options)) {
        const auto sharedFrom = static_cast<int>(words.size() - request.shared.size());
        message = refusalMessage(*refusal, n, words.data(), options, sharedFrom);
      } else if (options.reform == Reform::Of2013) {
        message = refusalIn2013(n, words.data());
      } else {
        // A divorce has no amount: its value comes from the incomes.
        const auto amount = static_cast<std::int64_t>(
            options.court == Court::Family ? 0 : parseReformAmount(words[1]).value_or(0));
        if (!request.csv && !options.showDerivations) {
          // The rows written as they are computed: no record of them.
          JsonLineSink sink(block, lineNumber);
          figures.sink = &sink;
          computeReport(figures, options, amount, false);
          figures.sink = nullptr;
          sink.end(figures);
        } else {
          computeReport(figures, options, amount, options.showDerivations);
          if (request.csv) {
            writeCsvRow(block, lineNumber, figures, *request.csv);
          } else {
            writeJsonLine(block, lineNumber, figures);
          }
        }
        ++computed;
      }
    }
    if (!message.empty()) {
      if (request.csv) {
        writeCsvError(block, lineNumber, kRefused, messageOf(message), *request.csv);
      } else {
        writeJsonError(block, lineNumber, kRefused, messageOf(message));
      }
      ++refused;
    }
    if (block.size() >= (1 << 16)) {
      output.reportUtf8(block.view());
      block.clear();
      if (output.failure() != 0) break;
    }
    progress.claimDone(computed + refused);
  }
  if (output.failure() == 0) output.reportUtf8(block.view());
  progress.clear();
  const int readError = lines.error();
  if (file != in) std::fclose(file);
  int status = refused > 0 ? kClaimsRefused : kReportWritten;
  if (const int reason = output.close(); reason != 0) {
    // A reader that stopped early (| head) wanted no more.
    if (reason != EPIPE) {
      std::fprintf(err, "zeb: write error: %s\n", std::strerror(reason));
    }
    return kWriteFailed;
  }
  if (readError != 0) {
    output.diagnostic(std::string("zeb: -stapel: ") + std::strerror(readError) + "\n");
    status = kRefused;
  }
  std::string notes;
  if (request.csv && computed > 0) {
    for (std::size_t i = 0; i < request.csv->keys.size(); ++i) {
      if (!request.csv->used[i]) {
        notes += "zeb: -csv: " + request.csv->keys[i] + " steht in keinem Bericht des Stapels.\n";
      }
    }
  }
  if (refused > 0) {
    notes += "zeb: " + std::to_string(computed) + " Forderungen berechnet, " +
             std::to_string(refused) + " zur\201ckgewiesen.\n";
  }
  output.diagnostic(notes);
  std::fflush(err);
  return status;
}

}  // namespace zeb
