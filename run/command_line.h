// The command line: `zeb <Streitwert> [Optionen]`, and the usage screen.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_options.h"

namespace zeb {

// The amount in dispute that `text` gives: leading white space, one optional
// sign and the decimal digits up to the first other character (no digits
// give 0), taken modulo 2^32 and read as a signed 32-bit number.
std::int64_t parseAmount(const char* text);

// The amount in dispute of a reform's report: `text` written in decimal
// digits only, its value at least 1; leading zeros count for nothing. Any
// value above kValueCap comes back as kValueCap + 1. Anything else is no
// amount.
std::optional<std::uint64_t> parseReformAmount(const char* text);

// The claimant's share won that the word `-O<share>` gives: a per cent from
// 0 to 100 with at most two decimals after a comma or a point, and an
// optional "%" ("-O60", "-O60%", "-O33,33", "-O33.33"), or a fraction n/d
// with 0 <= n <= d and d >= 1, at most six digits each ("-O3/4"); computed
// exactly. Anything else is none.
std::optional<ShareWon> parseShareWon(const char* word);

// The success of an appeal that the word `-erfolg<share>` gives, as a
// share of what the appellant appeals, written as -O writes a share.
std::optional<ShareWon> parseAppealSuccess(const char* word);

// The cents that a word's euros `text` give, as a German or an English
// writer gives them: 1500, 1500,50, 1.500, 1.500,50 or 1500.50 (a dot
// before exactly three digits groups thousands, otherwise it is the decimal
// point), at most nine digits and two decimals. Anything else is none.
std::optional<std::int64_t> parseEuros(const char* text);

// The whole euros that an amount `text` means, where ZEB can tell: its
// digits without leading zeros, at least 1, from digits grouped in
// thousands by "." or "," (10.000, 10,000) or a blank, with cents of
// nothing after the other sign (5.000,00, 5000.00), a euro sign, "EUR" or
// "Euro" before or after. None for any other text (1e5, 12.3456) and for
// cents that are not nothing, which no whole euros say.
std::optional<std::string> meantAmount(std::string_view text);

// The word that an `argument` which ZEB does not know was meant to be,
// where one is near enough: in another case (-gk, -Auftraggeberk2), with a
// doubled dash (--mahn), a typo (-anerkenntniss), umlauts (-rücknahme), or
// at the start of a longer word (-mahnverfahren). None where no word is
// near, or two are as near.
std::optional<std::string> meantWord(const char* argument);

// Why a command line gives no report, and the argument that says so.
struct Refusal {
  enum class Reason {
    Amount,                // a reform's amount that is no amount
    Share,                 // a word -O... that is no share
    ShareIn2013,           // a share in the report of 2013
    PartyWithoutShare,     // -ohneK, -ohneB, -vorsteuerK or -vorsteuerB without a share
    JsonAndHtml,           // -J, the figures as JSON, with -h, an HTML document
    CaseValue,             // a word of the case around the lawsuit whose value is none
    CaseIn2013,            // a word of the case around the lawsuit in the report of 2013
    EndingIn2013,          // -ruecknahme, -anerkenntnis or -versaeumnis in the report of 2013
    Unknown,               // a word that a reform's report does not know
    NoEffect,              // -auftraggeberK<n> where the claimant has no lawyer in the report
    AidReform,             // -pkhK or -pkhB without -2025
    LabourReform,          // -arbeit without -2025
    AidWith,               // a word that legal aid is not computed with
    AppealNeeds,           // -berufungK, -berufungB or -erfolg without a reform and a share
    SuccessShare,          // a word -erfolg... that is no share
    SuccessAlone,          // -erfolg<share> without -berufungK or -berufungB
    CrossAppeal,           // -berufungK with -berufungB
    AppealWith,            // -r, -m, -pkhK or -pkhB with an appeal as a decision
    NothingLost,           // an appeal by a party that lost nothing
    Twice,                 // a word that says again, otherwise, what an earlier one said
    DivorceOnly,           // -nettoK, -sorge ... without -scheidung
    DivorceAmount,         // an amount with -scheidung, whose value the incomes give
    DivorceReform,         // -scheidung without -2025
    NotInDivorce,          // a word a divorce does not take (-O, -arbeit, -V, -k ...)
    DivorceIncome,         // -scheidung without -nettoK or -nettoB
    DaysReform,            // a day of the case without -2025
    NoPendingDay,          // a day of the case without -anhaengig
    DayBeforeTables,       // a day before 01.01.2021
    AppealBeforePending,   // -berufungAm before -anhaengig
    RevisionBeforeAppeal,  // -revisionAm before the appeal, or the pending day
    PretrialAfterMandate,  // -vorgerichtK/B after that side's mandate for the lawsuit
  };
  Reason reason;
  int argument;   // its index in the argument vector
  int other = 0;  // AidWith, AppealWith, CrossAppeal, Twice, NotInDivorce and the days' order:
                  // the word it meets
};

// What refuses a report for the `count` elements of `arguments` with their
// `options`, if anything; a word of the cost risk before a reform's amount.
std::optional<Refusal> refusalOf(int count, const char* const* arguments,
                                 const ReportOptions& options);

// Why the command line is refused, and the command as it should have been
// written, in code page 850. In a batch, `sharedFrom` is the index of the
// first word that every claim gets (the words after -stapel), else 0.
std::string refusalMessage(const Refusal& refusal, int count, const char* const* arguments,
                           const ReportOptions& options, int sharedFrom = 0);

// The lines for a user at a terminal after the report of 2013 for the
// `count` elements of `arguments` with their `options`, in code page 850:
// a first argument that is no number, or whose number ends at a thousands
// separator, each with the right command; then the command of today's law.
// None after a reform's report.
std::vector<std::string> terminalHints(int count, const char* const* arguments,
                                       const ReportOptions& options);

// The options that the switch words among `arguments[1]` to
// `arguments[count - 1]` give. Each argument is compared whole; unknown words
// are ignored, and a lone argument (count 2) is never taken as a switch.
ReportOptions parseOptions(int count, const char* const* arguments);

// The usage screen in code page 850; `invocationName` is the program as it
// was called.
std::string usageScreen(const char* invocationName);

}  // namespace zeb
