// The options of a run and the rest of its state: the settings that every
// printing operation reads, where the output goes, and how the run ends.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "fees/fee_schedule.h"
#include "report/figures.h"

namespace zeb {

// The rendering of the report: code page 850 text or an HTML document.
enum class OutputMode { Text, Html };

// The claimant's share won (Obsiegen), exactly: `won` of `of`, and how it
// was written, so that the report writes the cost shares the same way.
struct ShareWon {
  std::int64_t won = 0;  // 0 to `of`
  std::int64_t of = 1;   // a fraction's 1 to 999999, or a per cent's 100, 1000, 10000
  int decimals = -1;     // a per cent's decimals as given, 0 to 2; -1: a fraction
};

// How a party's lawyer costs count in the cost risk.
struct PartyLawyer {
  bool inFirstInstance = true;  // cleared by -ohneK, -ohneB: no lawyer there
  bool deductsVat = false;      // set by -vorsteuerK, -vorsteuerB: its costs without VAT
};

// A party's case around the lawsuit, in a reform's report: the business fee
// its lawyer earned before it, the persons its lawyer acts for, and the
// witness and expert costs it advanced.
struct PartyCase {
  int businessFeeTenths = 0;  // set by -GK[<rate>], -GB[<rate>]: VV RVG Nr. 2300; 0 for none
  int clients = 1;            // set by -auftraggeberK<n>, -auftraggeberB<n>: VV RVG Nr. 1008
  Cents evidence;             // set by -beweisK<euros>, -beweisB<euros>: KV GKG Nr. 9005
};

// How a reform's first instance may end besides a judgement after a hearing
// and a settlement: each adds a block of its own.
enum class Ending { Withdrawal, Acknowledgement, DefaultJudgment };
inline constexpr std::size_t kEndings = 3;

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
  Reform reform = Reform::Of2013;            // -2021 and -2025 choose a later reform
  bool showDerivations = false;              // set by -W: the way to every value
  bool json = false;                         // set by -J: the figures as JSON, not the report
  std::optional<ShareWon> shareWon;          // set by -O<share>: who bears the costs
  PartyLawyer claimant;                      // -ohneK, -vorsteuerK
  PartyLawyer defendant;                     // -ohneB, -vorsteuerB
  // Around the lawsuit: any of its words shows each side's lawyer bills.
  bool aroundTheLawsuit = false;   // set by each word below
  bool afterPaymentOrder = false;  // set by -mahn: the lawsuit follows a payment order
  PartyCase claimantCase;          // -GK, -auftraggeberK, -beweisK
  PartyCase defendantCase;         // -GB, -auftraggeberB, -beweisB
  // -ruecknahme, -anerkenntnis, -versaeumnis, by Ending.
  std::array<bool, kEndings> endings{};

  bool shows(Ending ending) const { return endings[static_cast<std::size_t>(ending)]; }
  bool anyEnding() const { return endings[0] || endings[1] || endings[2]; }
};

inline constexpr char kEuroWord[] = "Euro";
inline constexpr char kEuroSignReference[] = "&#8364;";

// The currency after every amount in HTML mode under `options`: -E gives the
// euro sign in HTML only.
inline const char* htmlCurrencyFor(const ReportOptions& options) {
  return options.euroSign && options.outputMode == OutputMode::Html ? kEuroSignReference
                                                                    : kEuroWord;
}

// How a stream shows the report's letters, found at its first write: as
// the code page 850 bytes themselves (a file, a pipe, a terminal of another
// character set), in UTF-8 (a terminal whose locale says UTF-8), or on a
// Windows console, whatever its code page.
enum class Letters : char { Unknown, Bytes, Utf8, Console };

// The state of one run. A run starts by assigning a fresh record, so that
// nothing of an earlier run in the same process reaches it. The options and
// currencies are written while the command line is handled, before the
// first line of output, and only read afterwards.
struct RunState {
  ReportOptions options;
  const char* textCurrency = kEuroWord;  // after every amount in text mode
  const char* htmlCurrency = kEuroWord;  // after every amount in HTML mode
  int exitStatus = 0;                    // what the run returns
  std::FILE* report = stdout;            // the report or the usage screen; none: discarded
  std::FILE* diagnostics = stderr;       // the HTML mode's banner and progress line
  int reportErrno = 0;                   // why the first write of the report failed
  Letters reportLetters = Letters::Unknown;
  Letters diagnosticsLetters = Letters::Unknown;
  std::optional<Figures> figures;  // present: rows and headings are recorded here
  bool recordsWays = false;        // the operations write the way to every value
};

// The state of the current run. Every run assigns it afresh; nothing reads
// it while the program starts.
inline RunState currentRunState;
inline RunState& runState() { return currentRunState; }

// The program version (from the build, which has its one source) and the
// release date.
inline constexpr char kVersion[] = ZEB_VERSION;
inline constexpr char kReleaseDate[] = "13.06.2020";

}  // namespace zeb
