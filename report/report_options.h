// The options of a run and the other program-wide settings that every
// printing operation reads. They are written while the command line is
// handled, before the first line of output, and only read afterwards.
#pragma once

namespace zeb {

// The rendering of the report: code page 850 text or an HTML document.
enum class OutputMode { Text, Html };

// The switches of a run.
struct ReportOptions {
  bool showPaymentOrder = true;              // cleared by -k, -b, -r
  bool showFirstInstance = true;             // cleared by -b, -r, -m
  bool showAppeal = true;                    // cleared by -k, -r, -m
  bool showRevision = true;                  // cleared by -k, -b, -m
  bool showNotes = true;                     // cleared by -A
  bool showSettlement = false;               // set by -V
  OutputMode outputMode = OutputMode::Text;  // -h selects Html
  bool euroSign = false;                     // set by -E
};

inline constexpr char kEuroWord[] = "Euro";
inline constexpr char kEuroSignReference[] = "&#8364;";

// Everything a printing operation reads besides its arguments.
struct Settings {
  ReportOptions options;
  const char* textCurrency = kEuroWord;  // after every amount in text mode
  const char* htmlCurrency = kEuroWord;  // after every amount in HTML mode
};

// The settings of the current run.
Settings& settings();

// The program version (from the build, which has its one source) and the
// release date.
inline constexpr char kVersion[] = ZEB_VERSION;
inline constexpr char kReleaseDate[] = "13.06.2020";

}  // namespace zeb
