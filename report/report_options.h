// The options of a run: which report the command line asks for, and how it
// is written.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <tuple>

#include "fees/cents.h"
#include "fees/fee_schedule.h"

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
  bool legalAid = false;        // set by -pkhK, -pkhB: legal aid without installments
};

// A party's case around the lawsuit, in a reform's report: the business fee
// its lawyer earned before it, the persons its lawyer acts for, and the
// witness and expert costs it advanced.
struct PartyCase {
  int businessFeeTenths = 0;  // set by -GK[<rate>], -GB[<rate>]: VV RVG Nr. 2300; 0 for none
  int clients = 1;            // set by -auftraggeberK<n>, -auftraggeberB<n>: VV RVG Nr. 1008
  Cents evidence;             // set by -beweisK<euros>, -beweisB<euros>: KV GKG Nr. 9005
};

// A divorce with its attached matters (-scheidung): the spouses'
// circumstances its value comes from, and who has a lawyer. The petitioner
// (Antragsteller) is the report's claimant, the respondent (Antragsgegner)
// its defendant.
struct DivorceCase {
  std::array<std::optional<Cents>, 2> income;  // set by -nettoK, -nettoB: net income in a month
  int pensionRights = 0;                       // set by -anrechte<n>: both spouses' together
  bool custody = false;                        // set by -sorge
  bool contact = false;                        // set by -umgang
  std::optional<int> children;                 // set by -kinder<n>: a court practice
  std::optional<Cents> assets;                 // set by -vermoegen<euros>: a court practice
  bool respondentLawyer = false;               // set by -anwaltB
};

// A day of the calendar, as a German writes it: TT.MM.JJJJ. Days compare
// in the order of the calendar.
struct Day {
  int year = 0;
  int month = 0;
  int day = 0;

  friend bool operator==(const Day&, const Day&) = default;
  // Whether `a` is a day before `b`.
  friend bool operator<(const Day& a, const Day& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
  }
};

// The days of a case under -2025, each deciding the edition of the fees it
// concerns; none given, the report compares the editions as ever.
struct CaseDays {
  std::optional<Day> pending;                 // set by -anhaengig: the first instance pending
  std::array<std::optional<Day>, 2> mandate;  // set by -auftragK, -auftragB: for the first instance
  std::array<std::optional<Day>, 2>
      pretrial;                 // set by -vorgerichtK, -vorgerichtB: before the lawsuit
  std::optional<Day> appeal;    // set by -berufungAm: the appeal filed
  std::optional<Day> revision;  // set by -revisionAm: the revision filed

  // The day of `side`'s mandate for the first instance: without its own,
  // the pending day.
  std::optional<Day> mandateOf(std::size_t side) const {
    return mandate[side] ? mandate[side] : pending;
  }

  bool given() const {
    return pending || mandate[0] || mandate[1] || pretrial[0] || pretrial[1] || appeal || revision;
  }
};

// How a reform's first instance may end besides a judgement after a hearing
// and a settlement: each adds a block of its own.
enum class Ending { Withdrawal, Acknowledgement, DefaultJudgment };
inline constexpr std::size_t kEndings = 3;

// The court a proceeding is before: a civil or administrative court, a
// labour court (-arbeit), or the family court in a divorce (-scheidung).
enum class Court { Civil, Labour, Family };

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
  Court court = Court::Civil;                // -arbeit, -scheidung choose another court
  DivorceCase divorce;                       // -nettoK, -nettoB, -anrechte, ...
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
  // An appeal as a decision: the party that appeals all it lost (-berufungK
  // 0, -berufungB 1), and its success in the appeal (-erfolg<share>; none
  // given: it fails).
  std::optional<std::size_t> appellant;
  std::optional<ShareWon> appealSuccess;
  // The case by its dates (-anhaengig, -auftragK, ...): its first column
  // takes each fee under the edition its day gives.
  CaseDays days;

  // Whether either party has legal aid (-pkhK, -pkhB).
  bool legalAid() const { return claimant.legalAid || defendant.legalAid; }

  bool shows(Ending ending) const { return endings[static_cast<std::size_t>(ending)]; }
  bool anyEnding() const { return endings[0] || endings[1] || endings[2]; }
};

inline constexpr char kEuroWord[] = "Euro";
inline constexpr char kEuroSignReference[] = "&#8364;";

// The currency after every amount of the HTML document under `options`:
// the euro sign under -E. Text knows only the word.
inline const char* htmlCurrency(const ReportOptions& options) {
  return options.euroSign ? kEuroSignReference : kEuroWord;
}

}  // namespace zeb
