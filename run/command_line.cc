#include "run/command_line.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "case/case_days.h"
#include "report/code_page.h"
#include "report/format.h"
#include "report/maker.h"
#include "report/writers.h"

namespace zeb {
namespace {

// What a switch word needs beside itself: nothing, a share (a party's
// switch of the cost risk), or a reform (a word of the case around the
// lawsuit, or of how it ends, of legal aid, or the labour courts), or a
// reform and a share (an appeal as a decision); or it is the divorce, or a
// word of the divorce alone.
enum class Needs {
  Nothing,
  Share,
  ReformForCase,
  ReformForEnding,
  ReformForAid,
  ReformForLabour,
  ForAppeal,
  Divorce,        // -scheidung itself
  InDivorce,      // a word of the divorce alone
  ReformForDays,  // a day of the case: -2025 alone
};

struct SwitchWord {
  const char* word;
  void (*apply)(ReportOptions& options);
  Needs needs = Needs::Nothing;
};

void endWith(ReportOptions& options, Ending ending) {
  options.endings[static_cast<std::size_t>(ending)] = true;
}

// The switch words. A section switch only clears the other sections, so one
// of them, once or repeated, keeps its own section, and two different ones
// clear all four.
// clang-format off
constexpr SwitchWord kSwitchWords[] = {
    {"-k", [](ReportOptions& o) { o.showPaymentOrder = o.showAppeal = o.showRevision = false; }},
    {"-b", [](ReportOptions& o) { o.showPaymentOrder = o.showFirstInstance = o.showRevision = false; }},
    {"-r", [](ReportOptions& o) { o.showPaymentOrder = o.showFirstInstance = o.showAppeal = false; }},
    {"-m", [](ReportOptions& o) { o.showFirstInstance = o.showAppeal = o.showRevision = false; }},
    {"-V", [](ReportOptions& o) { o.showSettlement = true; }},
    {"-A", [](ReportOptions& o) { o.showNotes = false; }},
    {"-h", [](ReportOptions& o) { o.outputMode = OutputMode::Html; }},
    {"-E", [](ReportOptions& o) { o.euroSign = true; }},
    {"-2021", [](ReportOptions& o) { o.reform = Reform::Of2021; }},
    {"-2025", [](ReportOptions& o) { o.reform = Reform::Of2025; }},
    {"-W", [](ReportOptions& o) { o.showDerivations = true; }},
    {"-J", [](ReportOptions& o) { o.json = true; }},
    {"-ohneK", [](ReportOptions& o) { o.claimant.inFirstInstance = false; }, Needs::Share},
    {"-ohneB", [](ReportOptions& o) { o.defendant.inFirstInstance = false; }, Needs::Share},
    {"-vorsteuerK", [](ReportOptions& o) { o.claimant.deductsVat = true; }, Needs::Share},
    {"-vorsteuerB", [](ReportOptions& o) { o.defendant.deductsVat = true; }, Needs::Share},
    {"-mahn", [](ReportOptions& o) { o.afterPaymentOrder = o.aroundTheLawsuit = true; }, Needs::ReformForCase},
    {"-pkhK", [](ReportOptions& o) { o.claimant.legalAid = true; }, Needs::ReformForAid},
    {"-pkhB", [](ReportOptions& o) { o.defendant.legalAid = true; }, Needs::ReformForAid},
    // Beside -scheidung, wherever it stands, the divorce's refusal names -arbeit.
    {"-arbeit", [](ReportOptions& o) { if (o.court != Court::Family) o.court = Court::Labour; }, Needs::ReformForLabour},
    {"-scheidung", [](ReportOptions& o) { o.court = Court::Family; }, Needs::Divorce},
    {"-ruecknahme", [](ReportOptions& o) { endWith(o, Ending::Withdrawal); }, Needs::ReformForEnding},
    {"-anerkenntnis", [](ReportOptions& o) { endWith(o, Ending::Acknowledgement); }, Needs::ReformForEnding},
    {"-versaeumnis", [](ReportOptions& o) { endWith(o, Ending::DefaultJudgment); }, Needs::ReformForEnding},
    {"-berufungK", [](ReportOptions& o) { o.appellant = 0; }, Needs::ForAppeal},
    {"-berufungB", [](ReportOptions& o) { o.appellant = 1; }, Needs::ForAppeal},
    {"-sorge", [](ReportOptions& o) { o.divorce.custody = true; }, Needs::InDivorce},
    {"-umgang", [](ReportOptions& o) { o.divorce.contact = true; }, Needs::InDivorce},
    {"-anwaltB", [](ReportOptions& o) { o.divorce.respondentLawyer = true; }, Needs::InDivorce},
};
// clang-format on

// The switch word that `argument` is, compared whole, or none.
const SwitchWord* switchWordOf(const char* argument) {
  for (const SwitchWord& word : kSwitchWords) {
    // The first two letters decide most words, without a call.
    if (argument[0] != word.word[0] || argument[1] != word.word[1]) continue;
    if (std::strcmp(argument, word.word) == 0) return &word;
  }
  return nullptr;
}

// Reads up to `most` decimal digits at `text` into `value`; the number of
// digits read, or -1 where more follow.
int readDigits(const char*& text, int most, std::int64_t& value) {
  int digits = 0;
  for (value = 0; *text >= '0' && *text <= '9'; ++text, ++digits) {
    if (digits == most) return -1;
    value = value * 10 + (*text - '0');
  }
  return digits;
}

// A number with at most `digits` before and `places` after a comma or a
// point, in units of its last place: "1,5" with one place is 15; none for
// anything else.
std::optional<std::int64_t> parseDecimal(const char* text, int digits, int places) {
  std::int64_t whole = 0;
  std::int64_t fraction = 0;
  if (readDigits(text, digits, whole) <= 0) return std::nullopt;
  int given = 0;
  if (*text == ',' || *text == '.') {
    ++text;
    given = readDigits(text, places, fraction);
    if (given <= 0) return std::nullopt;
  }
  if (*text != '\0') return std::nullopt;
  for (int i = given; i < places; ++i) fraction *= 10;
  for (int i = 0; i < places; ++i) whole *= 10;
  return whole + fraction;
}

// The rate of a business fee in tenths: 0,5 to 2,5 (VV RVG Nr. 2300), 1,3
// where none is given.
std::optional<std::int64_t> parseRate(const char* text) {
  if (*text == '\0') return 13;
  const std::optional<std::int64_t> hundredths = parseDecimal(text, 1, 2);
  if (!hundredths || *hundredths % 10 != 0 || *hundredths < 50 || *hundredths > 250) {
    return std::nullopt;
  }
  return *hundredths / 10;
}

// The persons a lawyer acts for: 1 to 99.
std::optional<std::int64_t> parseClients(const char* text) {
  const std::optional<std::int64_t> clients = parseDecimal(text, 2, 0);
  if (!clients || *clients < 1) return std::nullopt;
  return clients;
}

// A day written TT.MM.JJJJ, as the number JJJJMMTT: a day of the calendar,
// leap years counted.
std::optional<std::int64_t> parseDay(const char* text) {
  std::int64_t day = 0;
  std::int64_t month = 0;
  std::int64_t year = 0;
  if (readDigits(text, 2, day) != 2 || *text++ != '.' || readDigits(text, 2, month) != 2 ||
      *text++ != '.' || readDigits(text, 4, year) != 4 || *text != '\0') {
    return std::nullopt;
  }
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  constexpr std::int64_t kDaysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1) return std::nullopt;
  if (day > kDaysIn[month - 1] + (month == 2 && leap ? 1 : 0)) return std::nullopt;
  return year * 10000 + month * 100 + day;
}

// The day JJJJMMTT of parseDay.
Day dayOf(std::int64_t value) {
  return {static_cast<int>(value / 10000), static_cast<int>(value / 100 % 100),
          static_cast<int>(value % 100)};
}

// A count from 0 to `most`: the pension rights of both spouses (30), the
// children they maintain (20).
template <std::int64_t most>
std::optional<std::int64_t> parseCount(const char* text) {
  const std::optional<std::int64_t> count = parseDecimal(text, 2, 0);
  if (!count || *count > most) return std::nullopt;
  return count;
}

}  // namespace

std::optional<std::int64_t> parseEuros(const char* text) {
  // The whole euros: digits, or groups of three after the first of one to
  // three, each group after a dot.
  std::int64_t euros = 0;
  const int first = readDigits(text, 9, euros);
  if (first <= 0) return std::nullopt;
  int digits = first;
  bool grouped = false;
  while (text[0] == '.' && first <= 3) {
    const char* group = text + 1;
    std::int64_t value = 0;
    const int length = readDigits(group, 3, value);
    if (length != 3) break;
    // A dot before exactly three digits groups thousands.
    digits += 3;
    if (digits > 9) return std::nullopt;
    euros = euros * 1000 + value;
    text = group;
    grouped = true;
  }
  // The cents: after a comma, or after a dot where no dot grouped.
  std::int64_t cents = 0;
  if (*text == ',' || (*text == '.' && !grouped)) {
    ++text;
    const int places = readDigits(text, 2, cents);
    if (places <= 0) return std::nullopt;
    if (places == 1) cents *= 10;
  }
  if (*text != '\0') return std::nullopt;
  return euros * 100 + cents;
}

namespace {

// A word with a value after its prefix ("-GK1,5", "-nettoK3000"): how
// its value is read, what it sets, and what it needs: a word of the case
// around the lawsuit needs a reform, a word of the divorce the divorce.
struct ValuedWord {
  const char* prefix;
  std::optional<std::int64_t> (*parse)(const char* value);
  void (*apply)(ReportOptions& options, std::int64_t value);
  Needs needs;
  bool claimant;            // its party: the claimant's (the petitioner's), or the other's
  const char* placeholder;  // the value in a right command
  const char* what;         // what the value is not, in a refusal
  const char* rule;         // what it must be
  const char* once;         // what it says, and that it is said once: "... steht"
};

// clang-format off
constexpr const char* kRateRule =
    "Hinter -GK und -GB steht der Satz der Gesch\204ftsgeb\201hr (Nr. 2300 VV RVG) von 0,5 bis 2,5 "
    "in Zehnteln (-GK1,5); -GK allein ist 1,3.";
constexpr const char* kClientsRule =
    "Hinter -auftraggeberK und -auftraggeberB steht, f\201r wie viele Personen der Anwalt t\204tig "
    "ist: 1 bis 99 (-auftraggeberK2).";
constexpr const char* kEurosRule =
    "Hinter -beweisK und -beweisB stehen die Kosten f\201r Zeugen und Sachverst\204ndige in Euro, "
    "h\224chstens neun Ziffern und zwei Nachkommastellen (-beweisK1500, -beweisK1.500,50 oder "
    "-beweisK1500.50).";
constexpr const char* kIncomeRule =
    "Hinter -nettoK und -nettoB steht das Nettoeinkommen eines Ehegatten im Monat in Euro, "
    "h\224chstens neun Ziffern und zwei Nachkommastellen (-nettoK3000, -nettoK2.500,50).";
constexpr const char* kRightsRule =
    "Hinter -anrechte steht, wie viele Anrechte beide Ehegatten zusammen im Versorgungsausgleich "
    "haben: 0 bis 30 (-anrechte4).";
constexpr const char* kChildrenRule =
    "Hinter -kinder steht, wie vielen Kindern die Ehegatten Unterhalt leisten: 0 bis 20 "
    "(-kinder2).";
constexpr const char* kAssetsRule =
    "Hinter -vermoegen steht das Nettoverm\224gen beider Ehegatten in Euro, h\224chstens neun "
    "Ziffern und zwei Nachkommastellen (-vermoegen200000).";
constexpr const char* kDayRule =
    "Hinter -anhaengig, -auftragK, -auftragB, -vorgerichtK, -vorgerichtB, -berufungAm und "
    "-revisionAm steht ein Tag als TT.MM.JJJJ (-anhaengig15.03.2024).";
constexpr ValuedWord kValuedWords[] = {
    {"-GK", parseRate, [](ReportOptions& o, std::int64_t v) { o.claimantCase.businessFeeTenths = static_cast<int>(v); }, Needs::ReformForCase, true, "<Satz>", "kein Geb\201hrensatz", kRateRule, "die Gesch\204ftsgeb\201hr des Kl\204gers steht"},
    {"-GB", parseRate, [](ReportOptions& o, std::int64_t v) { o.defendantCase.businessFeeTenths = static_cast<int>(v); }, Needs::ReformForCase, false, "<Satz>", "kein Geb\201hrensatz", kRateRule, "die Gesch\204ftsgeb\201hr des Beklagten steht"},
    {"-auftraggeberK", parseClients, [](ReportOptions& o, std::int64_t v) { o.claimantCase.clients = static_cast<int>(v); }, Needs::ReformForCase, true, "<Anzahl>", "keine Anzahl", kClientsRule, "die Zahl der Auftraggeber des Kl\204gers steht"},
    {"-auftraggeberB", parseClients, [](ReportOptions& o, std::int64_t v) { o.defendantCase.clients = static_cast<int>(v); }, Needs::ReformForCase, false, "<Anzahl>", "keine Anzahl", kClientsRule, "die Zahl der Auftraggeber des Beklagten steht"},
    {"-beweisK", parseEuros, [](ReportOptions& o, std::int64_t v) { o.claimantCase.evidence = Cents{v}; }, Needs::ReformForCase, true, "<Euro>", "kein Betrag", kEurosRule, "die Kosten f\201r Zeugen und Sachverst\204ndige des Kl\204gers stehen"},
    {"-beweisB", parseEuros, [](ReportOptions& o, std::int64_t v) { o.defendantCase.evidence = Cents{v}; }, Needs::ReformForCase, false, "<Euro>", "kein Betrag", kEurosRule, "die Kosten f\201r Zeugen und Sachverst\204ndige des Beklagten stehen"},
    {"-nettoK", parseEuros, [](ReportOptions& o, std::int64_t v) { o.divorce.income[0] = Cents{v}; }, Needs::InDivorce, true, "<Euro>", "kein Betrag", kIncomeRule, "das Nettoeinkommen des Antragstellers steht"},
    {"-nettoB", parseEuros, [](ReportOptions& o, std::int64_t v) { o.divorce.income[1] = Cents{v}; }, Needs::InDivorce, false, "<Euro>", "kein Betrag", kIncomeRule, "das Nettoeinkommen des Antragsgegners steht"},
    {"-anrechte", parseCount<30>, [](ReportOptions& o, std::int64_t v) { o.divorce.pensionRights = static_cast<int>(v); }, Needs::InDivorce, true, "<Anzahl>", "keine Anzahl", kRightsRule, "die Zahl der Anrechte steht"},
    {"-kinder", parseCount<20>, [](ReportOptions& o, std::int64_t v) { o.divorce.children = static_cast<int>(v); }, Needs::InDivorce, true, "<Anzahl>", "keine Anzahl", kChildrenRule, "die Zahl der Kinder steht"},
    {"-vermoegen", parseEuros, [](ReportOptions& o, std::int64_t v) { o.divorce.assets = Cents{v}; }, Needs::InDivorce, true, "<Euro>", "kein Betrag", kAssetsRule, "das Verm\224gen steht"},
    {"-anhaengig", parseDay, [](ReportOptions& o, std::int64_t v) { o.days.pending = dayOf(v); }, Needs::ReformForDays, true, "<TT.MM.JJJJ>", "kein Tag", kDayRule, "der Tag, an dem die Klage anh\204ngig wurde, steht"},
    {"-auftragK", parseDay, [](ReportOptions& o, std::int64_t v) { o.days.mandate[0] = dayOf(v); }, Needs::ReformForDays, true, "<TT.MM.JJJJ>", "kein Tag", kDayRule, "der Tag des Auftrags an den Anwalt des Kl\204gers steht"},
    {"-auftragB", parseDay, [](ReportOptions& o, std::int64_t v) { o.days.mandate[1] = dayOf(v); }, Needs::ReformForDays, false, "<TT.MM.JJJJ>", "kein Tag", kDayRule, "der Tag des Auftrags an den Anwalt des Beklagten steht"},
    {"-vorgerichtK", parseDay, [](ReportOptions& o, std::int64_t v) { o.days.pretrial[0] = dayOf(v); }, Needs::ReformForDays, true, "<TT.MM.JJJJ>", "kein Tag", kDayRule, "der Tag des vorgerichtlichen Auftrags des Kl\204gers steht"},
    {"-vorgerichtB", parseDay, [](ReportOptions& o, std::int64_t v) { o.days.pretrial[1] = dayOf(v); }, Needs::ReformForDays, false, "<TT.MM.JJJJ>", "kein Tag", kDayRule, "der Tag des vorgerichtlichen Auftrags des Beklagten steht"},
    {"-berufungAm", parseDay, [](ReportOptions& o, std::int64_t v) { o.days.appeal = dayOf(v); }, Needs::ReformForDays, true, "<TT.MM.JJJJ>", "kein Tag", kDayRule, "der Tag der Berufung steht"},
    {"-revisionAm", parseDay, [](ReportOptions& o, std::int64_t v) { o.days.revision = dayOf(v); }, Needs::ReformForDays, true, "<TT.MM.JJJJ>", "kein Tag", kDayRule, "der Tag der Revision steht"},
};
// clang-format on

// The valued word whose prefix `argument` begins with, a value or an
// attempt at one, or none.
const ValuedWord* valuedWordOf(const char* argument) {
  for (const ValuedWord& word : kValuedWords) {
    if (argument[0] != word.prefix[0] || argument[1] != word.prefix[1]) continue;
    if (std::strncmp(argument, word.prefix, std::strlen(word.prefix)) == 0) return &word;
  }
  return nullptr;
}

// Whether `argument` is a valued word with a value.
bool isValuedWord(const char* argument) {
  const ValuedWord* word = valuedWordOf(argument);
  return word != nullptr && word->parse(argument + std::strlen(word->prefix));
}

// A word of legal aid, which the reform of 2025 alone computes: the party
// it names, 0 the claimant or 1 the defendant; none for another word.
std::optional<std::size_t> aidedParty(const char* argument) {
  if (std::strcmp(argument, "-pkhK") == 0) return 0;
  if (std::strcmp(argument, "-pkhB") == 0) return 1;
  return std::nullopt;
}

// Whether legal aid for `party` is not computed together with `argument`:
// the party without a lawyer, a payment order before the lawsuit, a party
// that deducts input tax, witnesses and experts, the aided party's
// business fee.
bool notWithAid(const char* argument, std::size_t party) {
  const char* own[] = {"-ohneK", "-ohneB"};
  const char* business[] = {"-GK", "-GB"};
  return std::strcmp(argument, own[party]) == 0 || std::strcmp(argument, "-mahn") == 0 ||
         std::strncmp(argument, "-vorsteuer", 10) == 0 ||
         std::strncmp(argument, "-beweis", 7) == 0 ||
         std::strncmp(argument, business[party], 3) == 0;
}

// A word -O...: a share, or an attempt at one.
bool isShareWord(const char* argument) { return std::strncmp(argument, "-O", 2) == 0; }

// A word -erfolg...: the success of an appeal, or an attempt at one.
constexpr char kSuccessPrefix[] = "-erfolg";
constexpr std::size_t kSuccessPrefixLength = sizeof kSuccessPrefix - 1;
bool isSuccessWord(const char* argument) {
  return std::strncmp(argument, kSuccessPrefix, kSuccessPrefixLength) == 0;
}

// The share that the text after -O or -erfolg gives, as parseShareWon reads it.
std::optional<ShareWon> parseShare(const char* text);

// A word that ZEB knows: a switch word, a share or an attempt at one, a
// word of the case around the lawsuit with its value or an attempt at one.
bool isKnownWord(const char* argument) {
  return switchWordOf(argument) != nullptr || isShareWord(argument) || isSuccessWord(argument) ||
         valuedWordOf(argument) != nullptr;
}

// `text` as words are compared: ASCII letters in lower case, the German
// letters spelt out (ä as ae, in UTF-8 or in Latin-1, as Windows passes
// them), a word processor's dash as "-", and leading dashes as one.
std::string folded(std::string_view text) {
  struct Spelling {
    std::string_view from, to;
  };
  // clang-format off
  static constexpr Spelling kSpellings[] = {
      {"\303\244", "ae"}, {"\303\204", "ae"}, {"\303\266", "oe"}, {"\303\226", "oe"},
      {"\303\274", "ue"}, {"\303\234", "ue"}, {"\303\237", "ss"},
      {"\342\200\223", "-"}, {"\342\200\224", "-"}, {"\342\210\222", "-"},
      {"\344", "ae"}, {"\304", "ae"}, {"\366", "oe"}, {"\326", "oe"}, {"\374", "ue"}, {"\334", "ue"},
      {"\337", "ss"},
  };
  // clang-format on
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const Spelling* spelling =
        std::find_if(std::begin(kSpellings), std::end(kSpellings),
                     [&](const Spelling& s) { return text.substr(i).starts_with(s.from); });
    if (spelling != std::end(kSpellings)) {
      out += spelling->to;
      i += spelling->from.size();
      continue;
    }
    const char c = text[i++];
    out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  const std::size_t letters = out.find_first_not_of('-');
  if (letters != std::string::npos && letters > 1) out.erase(0, letters - 1);
  return out;
}

// The edits from `a` to `b` (a letter added, dropped, replaced, or two
// neighbours swapped), where they are at most `most`; else none.
std::optional<std::size_t> editsWithin(std::string_view a, std::string_view b, std::size_t most) {
  if ((a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) > most) {
    return std::nullopt;
  }
  // Three rows of the table of distances between prefixes of a and b.
  std::vector<std::size_t> before(b.size() + 1), last(b.size() + 1), row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) last[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t replace = last[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
      row[j] = std::min({last[j] + 1, row[j - 1] + 1, replace});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        row[j] = std::min(row[j], before[j - 2] + 1);
      }
    }
    std::swap(before, last);
    std::swap(last, row);
  }
  if (last[b.size()] > most) return std::nullopt;
  return last[b.size()];
}

// The typos a word of `length` letters may hold and still be recognised:
// none in a short one, where one typo makes another word.
std::size_t typosAllowed(std::size_t length) { return length <= 3 ? 0 : length <= 6 ? 1 : 2; }

// White space as the C locale's isspace sees it.
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// An argument as given, in code page 850 as a message is: its letters
// from UTF-8 where the code page has them, "?" for any other, and for a
// control character.
std::string printable(const char* argument) {
  std::string text = codePage850FromUtf8(argument, "EUR");
  for (char& c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < ' ' || byte == 0x7F) c = '?';
  }
  return text;
}

}  // namespace

std::int64_t parseAmount(const char* text) {
  while (isSpace(*text)) ++text;
  const bool negative = *text == '-';
  if (*text == '-' || *text == '+') ++text;
  // Only the low 32 bits of the number remain, so they are all that is
  // accumulated: unsigned arithmetic wraps modulo 2^32 at any length.
  std::uint32_t low = 0;
  for (; *text >= '0' && *text <= '9'; ++text)
    low = low * 10u + static_cast<std::uint32_t>(*text - '0');
  if (negative) low = 0u - low;
  return static_cast<std::int32_t>(low);
}

std::optional<std::uint64_t> parseReformAmount(const char* text) {
  if (*text == '\0') return std::nullopt;
  std::uint64_t amount = 0;
  for (; *text != '\0'; ++text) {
    if (*text < '0' || *text > '9') return std::nullopt;
    // Past the cap every value counts the same: no digit can overflow.
    amount = std::min(amount * 10 + static_cast<std::uint64_t>(*text - '0'), kValueCap + 1);
  }
  if (amount == 0) return std::nullopt;
  return amount;
}

std::optional<ShareWon> parseShareWon(const char* word) {
  if (!isShareWord(word)) return std::nullopt;
  return parseShare(word + 2);
}

std::optional<ShareWon> parseAppealSuccess(const char* word) {
  if (!isSuccessWord(word)) return std::nullopt;
  return parseShare(word + kSuccessPrefixLength);
}

namespace {

std::optional<ShareWon> parseShare(const char* text) {
  ShareWon share;
  // Six digits bound every number read: no product below can overflow.
  const int digits = readDigits(text, 6, share.won);
  if (digits <= 0) return std::nullopt;
  if (*text == '/') {
    ++text;
    if (readDigits(text, 6, share.of) <= 0 || *text != '\0') return std::nullopt;
    if (share.of == 0 || share.won > share.of) return std::nullopt;
    return share;
  }
  std::int64_t fraction = 0;
  share.decimals = 0;
  if (*text == ',' || *text == '.') {
    ++text;
    share.decimals = readDigits(text, 2, fraction);
    if (share.decimals <= 0) return std::nullopt;
  }
  if (*text == '%') ++text;
  if (*text != '\0') return std::nullopt;
  share.of = 100;
  for (int i = 0; i < share.decimals; ++i) {
    share.won *= 10;
    share.of *= 10;
  }
  share.won += fraction;
  if (share.won > share.of) return std::nullopt;
  return share;
}

// What a word says once in a command line: the law, the share won, the
// appeal's success, or a value of the case around the lawsuit, each by its
// slot; -1 for a word that says none of these.
constexpr int kLawSlot = 0;
constexpr int kShareSlot = 1;
constexpr int kSuccessSlot = 2;
constexpr int kValuedSlot = 3;  // and on, in the order of kValuedWords
int onceSlotOf(const char* word) {
  if (std::strcmp(word, "-2021") == 0 || std::strcmp(word, "-2025") == 0) return kLawSlot;
  if (parseShareWon(word)) return kShareSlot;
  if (parseAppealSuccess(word)) return kSuccessSlot;
  if (isValuedWord(word)) {
    return kValuedSlot + static_cast<int>(valuedWordOf(word) - std::begin(kValuedWords));
  }
  return -1;
}

// Whether two words of one slot say the same: the same law, equal shares,
// equal values.
bool saySame(const char* a, const char* b, int slot) {
  const auto sameShare = [](const std::optional<ShareWon>& x, const std::optional<ShareWon>& y) {
    return x->won * y->of == y->won * x->of;
  };
  if (slot == kLawSlot) return std::strcmp(a, b) == 0;
  if (slot == kShareSlot) return sameShare(parseShareWon(a), parseShareWon(b));
  if (slot == kSuccessSlot) return sameShare(parseAppealSuccess(a), parseAppealSuccess(b));
  const ValuedWord& word = *valuedWordOf(a);
  const std::size_t length = std::strlen(word.prefix);
  return word.parse(a + length) == word.parse(b + length);
}

// What a slot says, in a refusal, with its verb: "das Recht steht".
std::string slotWhat(int slot) {
  if (slot == kLawSlot) return "das Recht steht";
  if (slot == kShareSlot) return "der Anteil, zu dem der Kl\204ger obsiegt, steht";
  if (slot == kSuccessSlot) return "der Erfolg der Berufung steht";
  return kValuedWords[slot - kValuedSlot].once;
}

}  // namespace

std::optional<std::string> meantWord(const char* argument) {
  // A word without its dash, where the word with it is one ZEB knows: O70.
  if ((*argument >= 'A' && *argument <= 'Z') || (*argument >= 'a' && *argument <= 'z')) {
    const std::string dashed = std::string("-") + argument;
    if (switchWordOf(dashed.c_str()) != nullptr || onceSlotOf(dashed.c_str()) >= 0) return dashed;
  }
  const std::string given = folded(argument);
  // A share in another case, or with a zero for its letter: -o60, -060.
  if (given.starts_with("-o") || given.starts_with("-0")) {
    const std::string share = "-O" + given.substr(2);
    if (parseShareWon(share.c_str())) return share;
  }
  // The success of an appeal in another case: -Erfolg50.
  if (isSuccessWord(given.c_str()) && parseAppealSuccess(given.c_str())) return given;
  // The nearest word within its typos, where no other is as near; or else a
  // long word that the argument begins with (-mahnverfahren).
  std::optional<std::string> nearest;
  std::size_t nearestEdits = 0;
  bool tie = false;
  std::optional<std::string> begun;
  const auto consider = [&](const std::string& word, std::string_view part,
                            std::string_view known) {
    const std::optional<std::size_t> edits = editsWithin(part, known, typosAllowed(known.size()));
    if (!edits) return;
    if (!nearest || *edits < nearestEdits) {
      nearest = word;
      nearestEdits = *edits;
      tie = false;
    } else if (*edits == nearestEdits && *nearest != word) {
      tie = true;
    }
  };
  for (const SwitchWord& word : kSwitchWords) {
    const std::string known = folded(word.word);
    consider(word.word, given, known);
    if (!begun && known.size() >= 5 && given.starts_with(known)) begun = word.word;
  }
  // A word with a value: its name compared, its value as given.
  const std::size_t digit = std::min(given.find_first_of("0123456789"), given.size());
  const std::string_view name = std::string_view(given).substr(0, digit);
  const std::string value = given.substr(digit);
  for (const ValuedWord& word : kValuedWords) {
    if (word.parse(value.c_str())) consider(word.prefix + value, name, folded(word.prefix));
  }
  if (nearest && !tie) return nearest;
  return begun;
}

namespace {

// Where the words of a command line first stand, by what they need; 0 where
// none stands.
struct WordScan {
  int partyAt = 0;
  int caseAt = 0;
  int endingAt = 0;
  int unknownAt = 0;
  std::array<int, 2> clientsAt = {};  // the claimant's, the defendant's
  std::array<int, 2> aidAt = {};      // likewise
  std::array<int, 2> appealAt = {};   // -berufungK, -berufungB
  int successAt = 0;
  int labourAt = 0;   // -arbeit
  int daysAt = 0;     // a day of the case
  int sectionAt = 0;  // -r or -m, which an appeal as a decision does not show
  // Each slot's first word, and the first word that says another thing.
  std::array<int, kValuedSlot + std::size(kValuedWords)> onceAt = {};
  int twiceAt = 0;
  int lawTypoAt = 0;       // a word that meant -2021 or -2025
  int inDivorceAt = 0;     // a word of the divorce alone
  int notInDivorceAt = 0;  // a word a divorce does not take

  int anyAidAt() const { return earlier(aidAt[0], aidAt[1]); }
  int anyAppealAt() const { return earlier(appealAt[0], appealAt[1]); }
  int appealWordAt() const { return earlier(anyAppealAt(), successAt); }
  static int earlier(int a, int b) { return a != 0 && (b == 0 || a < b) ? a : b; }
};

// Whether a divorce takes the day word `word`: the pending day and the
// spouses' mandates; it has no work before the lawsuit and no appeal here.
bool isDivorceDay(const ValuedWord& word) {
  return word.parse == parseDay && (std::strcmp(word.prefix, "-anhaengig") == 0 ||
                                    std::strncmp(word.prefix, "-auftrag", 8) == 0);
}

// Whether a divorce takes the switch word `word`: its own words, the law,
// the withdrawal, legal aid and the words of the rendering.
bool inDivorce(const SwitchWord& word) {
  if (word.needs == Needs::Divorce || word.needs == Needs::InDivorce ||
      word.needs == Needs::ReformForAid) {
    return true;
  }
  for (const char* taken : {"-2025", "-2021", "-ruecknahme", "-W", "-J", "-h", "-A", "-E"}) {
    if (std::strcmp(word.word, taken) == 0) return true;
  }
  return false;
}

// Notes in `scan` where a word stands that says one thing, and the first
// that says it again otherwise.
void noteOnce(WordScan& scan, const char* const* arguments, int i) {
  const int slot = onceSlotOf(arguments[i]);
  if (slot < 0) return;
  const auto at = static_cast<std::size_t>(slot);
  if (scan.onceAt[at] == 0) {
    scan.onceAt[at] = i;
  } else if (scan.twiceAt == 0 && !saySame(arguments[scan.onceAt[at]], arguments[i], slot)) {
    scan.twiceAt = i;
  }
}

// Notes in `scan` what the word at `i` needs, looked up once: a switch word
// or a word with a value; the words from `firstWord` on (the amount's own
// place holds none, but a divorce has no amount).
void noteWord(WordScan& scan, const char* const* arguments, int i, int firstWord,
              const SwitchWord* word, const ValuedWord* valued) {
  const Needs needs = word != nullptr     ? word->needs
                      : valued != nullptr ? valued->needs
                                          : Needs::Nothing;
  if (scan.partyAt == 0 && needs == Needs::Share) scan.partyAt = i;
  if (scan.caseAt == 0 && needs == Needs::ReformForCase) scan.caseAt = i;
  if (scan.endingAt == 0 && needs == Needs::ReformForEnding) scan.endingAt = i;
  if (scan.inDivorceAt == 0 && needs == Needs::InDivorce) scan.inDivorceAt = i;
  const bool known = word != nullptr || valued != nullptr;
  if (scan.notInDivorceAt == 0 && known &&
      !(word != nullptr ? inDivorce(*word) : needs == Needs::InDivorce || isDivorceDay(*valued))) {
    scan.notInDivorceAt = i;
  }
  if (i >= firstWord && !known && !isShareWord(arguments[i])) {
    if (scan.unknownAt == 0) scan.unknownAt = i;
    const std::optional<std::string> meant =
        scan.lawTypoAt == 0 ? meantWord(arguments[i]) : std::nullopt;
    if (meant && onceSlotOf(meant->c_str()) == kLawSlot) scan.lawTypoAt = i;
  }
  if (valued != nullptr && valued->parse == parseClients)
    scan.clientsAt[valued->claimant ? 0 : 1] = i;
  if (needs == Needs::ReformForAid && i >= firstWord) {
    const std::size_t party = *aidedParty(arguments[i]);
    if (scan.aidAt[party] == 0) scan.aidAt[party] = i;
  }
  if (needs == Needs::ReformForLabour && i >= firstWord && scan.labourAt == 0) scan.labourAt = i;
  if (needs == Needs::ReformForDays && i >= firstWord && scan.daysAt == 0) scan.daysAt = i;
  if (needs == Needs::ForAppeal && i >= firstWord) {
    const std::size_t party = arguments[i][9] == 'K' ? 0 : 1;
    if (scan.appealAt[party] == 0) scan.appealAt[party] = i;
  }
  if (scan.sectionAt == 0 && i >= firstWord &&
      (std::strcmp(arguments[i], "-r") == 0 || std::strcmp(arguments[i], "-m") == 0)) {
    scan.sectionAt = i;
  }
}

// Scans the words into `scan`; a refusal where a word's value is none.
std::optional<Refusal> scanWords(int count, const char* const* arguments,
                                 const ReportOptions& options, WordScan& scan) {
  using enum Refusal::Reason;
  const int firstWord = options.court == Court::Family ? 1 : 2;
  for (int i = 1; i < count && count > 2; ++i) {
    if (i >= firstWord) noteOnce(scan, arguments, i);
    if (isSuccessWord(arguments[i])) {
      if (!parseAppealSuccess(arguments[i])) return Refusal{SuccessShare, i};
      if (scan.successAt == 0 && i > 1) scan.successAt = i;
      if (scan.notInDivorceAt == 0) scan.notInDivorceAt = i;
      continue;
    }
    if (isShareWord(arguments[i]) && !parseShareWon(arguments[i])) {
      // A word that is no share but meant another (-Ohnek) is unknown to a
      // reform.
      const std::optional<std::string> meant = meantWord(arguments[i]);
      if (!meant || meant->starts_with("-O") || i == 1 || options.reform == Reform::Of2013) {
        return Refusal{Share, i};
      }
      if (scan.unknownAt == 0) scan.unknownAt = i;
      continue;
    }
    if (isShareWord(arguments[i]) && scan.notInDivorceAt == 0) scan.notInDivorceAt = i;
    const SwitchWord* word = switchWordOf(arguments[i]);
    const ValuedWord* valued = word == nullptr ? valuedWordOf(arguments[i]) : nullptr;
    if (valued != nullptr && !isValuedWord(arguments[i])) return Refusal{CaseValue, i};
    noteWord(scan, arguments, i, firstWord, word, valued);
  }
  return std::nullopt;
}

// Why a divorce (-scheidung) gives no report: an amount, which its value
// takes the place of; a law but -2025; a word it does not take, or none
// that ZEB knows; a spouse's income missing.
std::optional<Refusal> divorceRefusal(int count, const char* const* arguments,
                                      const ReportOptions& options, const WordScan& scan) {
  using enum Refusal::Reason;
  for (int i = 1; i < count; ++i) {
    if (parseReformAmount(arguments[i])) return Refusal{DivorceAmount, i};
  }
  int divorceAt = 1;
  while (std::strcmp(arguments[divorceAt], "-scheidung") != 0) ++divorceAt;
  if (options.reform != Reform::Of2025) return Refusal{DivorceReform, divorceAt};
  if (scan.twiceAt != 0) {
    const int slot = onceSlotOf(arguments[scan.twiceAt]);
    return Refusal{Twice, scan.twiceAt, scan.onceAt[static_cast<std::size_t>(slot)]};
  }
  if (scan.notInDivorceAt != 0) return Refusal{NotInDivorce, scan.notInDivorceAt, divorceAt};
  if (scan.unknownAt != 0) return Refusal{Unknown, scan.unknownAt};
  if (!options.divorce.income[0] || !options.divorce.income[1]) {
    return Refusal{DivorceIncome, divorceAt};
  }
  if (options.json && options.outputMode == OutputMode::Html) {
    int htmlAt = 1;
    while (std::strcmp(arguments[htmlAt], "-h") != 0) ++htmlAt;
    return Refusal{JsonAndHtml, htmlAt};
  }
  return std::nullopt;
}

// Why the law of the words gives no report: a word said twice otherwise, a
// law mistyped where one is needed, a word of a reform in the report of
// 2013, of legal aid or the labour courts without -2025, a word no reform
// knows.
std::optional<Refusal> lawRefusal(const char* const* arguments, const ReportOptions& options,
                                  const WordScan& scan) {
  using enum Refusal::Reason;
  if (scan.twiceAt != 0 && options.reform != Reform::Of2013) {
    const int slot = onceSlotOf(arguments[scan.twiceAt]);
    return Refusal{Twice, scan.twiceAt, scan.onceAt[static_cast<std::size_t>(slot)]};
  }
  const bool wantsReform = options.shareWon || scan.caseAt != 0 || scan.endingAt != 0 ||
                           scan.anyAidAt() != 0 || scan.labourAt != 0 || scan.daysAt != 0 ||
                           scan.appealWordAt() != 0;
  if (scan.lawTypoAt != 0 && (options.reform != Reform::Of2013 || wantsReform)) {
    return Refusal{Unknown, scan.lawTypoAt};
  }
  if (options.shareWon && options.reform == Reform::Of2013) {
    int shareAt = 1;
    while (!isShareWord(arguments[shareAt])) ++shareAt;
    return Refusal{ShareIn2013, shareAt};
  }
  const bool in2013 = options.reform == Reform::Of2013;
  if (scan.caseAt != 0 && in2013) return Refusal{CaseIn2013, scan.caseAt};
  if (scan.endingAt != 0 && in2013) return Refusal{EndingIn2013, scan.endingAt};
  if (scan.anyAidAt() != 0 && options.reform != Reform::Of2025)
    return Refusal{AidReform, scan.anyAidAt()};
  if (scan.labourAt != 0 && options.reform != Reform::Of2025)
    return Refusal{LabourReform, scan.labourAt};
  if (scan.daysAt != 0 && options.reform != Reform::Of2025) return Refusal{DaysReform, scan.daysAt};
  if (scan.appealWordAt() != 0 && (in2013 || !options.shareWon)) {
    return Refusal{AppealNeeds, scan.appealWordAt()};
  }
  // A reform knows every word it is given, a word of the divorce with the
  // divorce alone; the report of 2013 ignores the words it does not know,
  // as it always did.
  if (!in2013 && scan.inDivorceAt != 0) return Refusal{DivorceOnly, scan.inDivorceAt};
  if (scan.unknownAt != 0 && !in2013 && parseReformAmount(arguments[1])) {
    return Refusal{Unknown, scan.unknownAt};
  }
  return std::nullopt;
}

// Why an appeal as a decision or legal aid gives no report: appeals of both
// parties, a success without an appeal, an appeal with a section it does
// not show or with legal aid, an appeal of a party that lost nothing; legal
// aid with a word it is not computed with.
std::optional<Refusal> appealRefusal(int count, const char* const* arguments,
                                     const ReportOptions& options, const WordScan& scan) {
  using enum Refusal::Reason;
  const std::array<int, 2>& appealAt = scan.appealAt;
  const int anyAppealAt = scan.anyAppealAt();
  if (appealAt[0] != 0 && appealAt[1] != 0) {
    return Refusal{CrossAppeal, std::max(appealAt[0], appealAt[1]),
                   std::min(appealAt[0], appealAt[1])};
  }
  if (scan.successAt != 0 && anyAppealAt == 0) return Refusal{SuccessAlone, scan.successAt};
  if (anyAppealAt != 0 && scan.sectionAt != 0)
    return Refusal{AppealWith, scan.sectionAt, anyAppealAt};
  if (anyAppealAt != 0 && scan.anyAidAt() != 0)
    return Refusal{AppealWith, scan.anyAidAt(), anyAppealAt};
  if (anyAppealAt != 0) {
    // The claimant lost nothing at all it won, the defendant nothing where
    // the claimant won nothing.
    const ShareWon& share = *options.shareWon;
    const bool claimant = appealAt[0] != 0;
    if (claimant ? share.won == share.of : share.won == 0) {
      int shareAt = 1;
      for (int i = 1; i < count; ++i) {
        if (parseShareWon(arguments[i])) shareAt = i;
      }
      return Refusal{NothingLost, anyAppealAt, shareAt};
    }
  }
  for (int i = 2; i < count; ++i) {
    for (std::size_t party = 0; party < 2; ++party) {
      if (scan.aidAt[party] != 0 && notWithAid(arguments[i], party)) {
        return Refusal{AidWith, i, scan.aidAt[party]};
      }
    }
  }
  return std::nullopt;
}

// Why the words together give no report: a party's word without a share,
// a reform without an amount, -J beside -h, clients of no lawyer, appeals
// of both parties or with what an appeal does not show, an appeal of a
// party that lost nothing, legal aid with a word it is not computed with.
std::optional<Refusal> combinationRefusal(int count, const char* const* arguments,
                                          const ReportOptions& options, const WordScan& scan) {
  using enum Refusal::Reason;
  if (scan.partyAt != 0 && !options.shareWon) return Refusal{PartyWithoutShare, scan.partyAt};
  if (options.reform != Reform::Of2013 && !parseReformAmount(arguments[1])) {
    return Refusal{Amount, 1};
  }
  if (options.json && options.outputMode == OutputMode::Html) {
    int htmlAt = 1;
    while (std::strcmp(arguments[htmlAt], "-h") != 0) ++htmlAt;
    return Refusal{JsonAndHtml, htmlAt};
  }
  // Several clients raise the fees of a party's lawyer: without a lawyer in
  // the first instance, without a business fee and without appeal and
  // revision, the party has none in the report.
  const std::array<const PartyLawyer*, 2> lawyers = {&options.claimant, &options.defendant};
  const std::array<const PartyCase*, 2> cases = {&options.claimantCase, &options.defendantCase};
  for (std::size_t party = 0; party < 2; ++party) {
    if (scan.clientsAt[party] != 0 && !lawyers[party]->inFirstInstance &&
        cases[party]->businessFeeTenths == 0 && !options.showAppeal && !options.showRevision) {
      return Refusal{NoEffect, scan.clientsAt[party]};
    }
  }
  return appealRefusal(count, arguments, options, scan);
}

// Why the days of the case give no report: the first that does not hold
// together with the others, at the word that gives it.
std::optional<Refusal> daysRefusal(int count, const char* const* arguments,
                                   const ReportOptions& options, const WordScan& scan) {
  using enum Refusal::Reason;
  const DaysCheck check = checkDays(options.days);
  // The word whose day is wanted: its prefix, and for a day too early any.
  const auto wordAt = [&](const char* prefix) {
    for (int i = count - 1; i > 0; --i) {
      const ValuedWord* word = valuedWordOf(arguments[i]);
      if (word == nullptr || word->parse != parseDay) continue;
      if (prefix != nullptr
              ? std::strcmp(word->prefix, prefix) == 0
              : dayOf(*parseDay(arguments[i] + std::strlen(word->prefix))) < kFirstDayKnown) {
        return i;
      }
    }
    return scan.daysAt;
  };
  switch (check.fault) {
    case DaysFault::None:
      return std::nullopt;
    case DaysFault::NoPendingDay:
      return Refusal{NoPendingDay, scan.daysAt};
    case DaysFault::BeforeFirstDay:
      return Refusal{DayBeforeTables, wordAt(nullptr)};
    case DaysFault::AppealBeforePending:
      return Refusal{AppealBeforePending, wordAt("-berufungAm"), wordAt("-anhaengig")};
    case DaysFault::RevisionBeforeAppeal:
      return Refusal{RevisionBeforeAppeal, wordAt("-revisionAm"),
                     wordAt(options.days.appeal ? "-berufungAm" : "-anhaengig")};
    case DaysFault::PretrialAfterMandate:
      break;
  }
  const bool claimant = check.side == 0;
  const int mandateAt = options.days.mandate[check.side]
                            ? wordAt(claimant ? "-auftragK" : "-auftragB")
                            : wordAt("-anhaengig");
  return Refusal{PretrialAfterMandate, wordAt(claimant ? "-vorgerichtK" : "-vorgerichtB"),
                 mandateAt};
}

}  // namespace

std::optional<Refusal> refusalOf(int count, const char* const* arguments,
                                 const ReportOptions& options) {
  WordScan scan;
  if (std::optional<Refusal> refusal = scanWords(count, arguments, options, scan)) return refusal;
  if (options.court == Court::Family) {
    if (std::optional<Refusal> refusal = divorceRefusal(count, arguments, options, scan)) {
      return refusal;
    }
    return daysRefusal(count, arguments, options, scan);
  }
  if (std::optional<Refusal> refusal = lawRefusal(arguments, options, scan)) return refusal;
  if (std::optional<Refusal> refusal = daysRefusal(count, arguments, options, scan)) return refusal;
  return combinationRefusal(count, arguments, options, scan);
}

namespace {

// `text` without the white space around it.
std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

// Whether `text` begins with `start`, ASCII letters in any case.
bool beginsWith(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && folded(text.substr(0, start.size())) == start;
}

}  // namespace

std::optional<std::string> meantAmount(std::string_view text) {
  text = trimmed(text);
  // The currency before or after: the euro sign in UTF-8 and in Windows'
  // code page, "EUR", "Euro".
  for (const std::string_view currency : {"\342\202\254", "\200", "euro", "eur"}) {
    if (beginsWith(text, currency)) {
      text.remove_prefix(currency.size());
    } else if (text.size() >= currency.size() &&
               beginsWith(text.substr(text.size() - currency.size()), currency)) {
      text.remove_suffix(currency.size());
    }
  }
  text = trimmed(text);
  if (text.starts_with('+')) text.remove_prefix(1);
  struct Signs {
    char group, decimal;
  };
  for (const Signs signs : {Signs{'.', ','}, Signs{',', '.'}, Signs{' ', ','}}) {
    std::string_view whole = text;
    if (const std::size_t at = text.find(signs.decimal); at != std::string_view::npos) {
      // Cents of nothing only: what else is meant, no whole euros say.
      const std::string_view cents = text.substr(at + 1);
      if (cents.empty() || cents.size() > 2 || cents.find_first_not_of('0') != cents.npos) {
        continue;
      }
      whole = text.substr(0, at);
    }
    // Digits, or groups of three after a first of one to three.
    std::string digits;
    bool grouped = true;
    for (std::size_t from = 0, groups = 0; grouped && from <= whole.size(); ++groups) {
      const std::size_t to = std::min(whole.find(signs.group, from), whole.size());
      const std::string_view group = whole.substr(from, to - from);
      const bool several = groups > 0 || to < whole.size();
      grouped = !group.empty() && group.find_first_not_of("0123456789") == group.npos &&
                (!several || (groups == 0 ? group.size() <= 3 : group.size() == 3));
      digits += group;
      from = to + 1;
    }
    if (!grouped) continue;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty()) return std::nullopt;
    return digits;
  }
  return std::nullopt;
}

namespace {

// The word that stands for `argument` in a right command: a word ZEB knows
// as it was given; one it does not know as the word meant, or none.
std::optional<std::string> rightWord(const char* argument) {
  if (switchWordOf(argument) != nullptr || parseShareWon(argument) ||
      parseAppealSuccess(argument) || isValuedWord(argument)) {
    return argument;
  }
  // A share that is none may have meant another word (-Ohnek).
  std::optional<std::string> meant = meantWord(argument);
  if (!meant || (isKnownWord(argument) && (!isShareWord(argument) || meant->starts_with("-O")))) {
    return std::nullopt;
  }
  return meant;
}

// A right command as it is put together: "zeb <amount>", then each word
// once, and of the words that say one thing (the law, the share, a value)
// the first.
class RightCommand {
 public:
  explicit RightCommand(const std::string& amount) : text_("zeb " + amount) {}

  void add(const std::string& word) {
    const int slot = onceSlotOf(word.c_str());
    for (const auto& [had, hadSlot] : words_) {
      if (had == word || (slot >= 0 && hadSlot == slot)) return;
    }
    words_.emplace_back(word, slot);
    text_ += " " + word;
  }

  const std::string& text() const { return text_; }

 private:
  std::string text_;
  std::vector<std::pair<std::string, int>> words_;
};

// Whether a word among `arguments` (but the amount's place) means a law.
bool meansLaw(int count, const char* const* arguments) {
  for (int i = 2; i < count; ++i) {
    const std::optional<std::string> word = rightWord(arguments[i]);
    if (word && onceSlotOf(word->c_str()) == kLawSlot) return true;
  }
  return false;
}

// "zeb <amount>", the law `law` where one is given and none of the words
// means one, and the words among `arguments` as the right command has them,
// but the one at `amountAt` (0: none).
std::string commandWith(const std::string& amount, int count, const char* const* arguments,
                        int amountAt, const char* law = nullptr) {
  RightCommand command(amount);
  if (law != nullptr && !meansLaw(count, arguments)) command.add(law);
  for (int i = 1; i < count; ++i) {
    if (i == amountAt) continue;
    if (const std::optional<std::string> word = rightWord(arguments[i])) command.add(*word);
  }
  return command.text();
}

// The amount of a right command and the argument it stands in: the first
// argument that is a reform's amount, but `apartAt`; else the amount the
// first argument means; else none (0) and "<Streitwert>".
std::pair<std::string, int> rightAmount(int count, const char* const* arguments, int apartAt) {
  for (int i = 1; i < count; ++i) {
    if (i != apartAt && parseReformAmount(arguments[i])) return {arguments[i], i};
  }
  if (const std::optional<std::string> meant = meantAmount(arguments[1])) return {*meant, 1};
  return {"<Streitwert>", 0};
}

}  // namespace

namespace {

// Whether a divorce takes the word `argument`: a switch word it takes, a
// word of the divorce with a value or an attempt at one; an amount, a
// share and every other word ZEB knows it does not.
bool divorceTakes(const char* argument) {
  if (const SwitchWord* word = switchWordOf(argument)) return inDivorce(*word);
  const ValuedWord* valued = valuedWordOf(argument);
  return valued != nullptr && (valued->needs == Needs::InDivorce || isDivorceDay(*valued));
}

// The right command of a divorce: "zeb -scheidung -2025", then the words as
// they were given that a divorce takes, but a second law; the word meant in
// place of one unknown, a value's placeholder in place of one that is none,
// and the incomes' where they are missing.
std::string divorceCommand(const Refusal& refusal, int count, const char* const* arguments,
                           const ReportOptions& options) {
  using enum Refusal::Reason;
  RightCommand command("-scheidung");
  command.add("-2025");
  for (int i = 1; i < count; ++i) {
    if (options.json && std::strcmp(arguments[i], "-h") == 0) continue;
    if (i == refusal.argument && refusal.reason == NoPendingDay) {
      command.add("-anhaengig<TT.MM.JJJJ>");
    }
    if (i == refusal.argument &&
        (refusal.reason == CaseValue || refusal.reason == DayBeforeTables)) {
      const ValuedWord& word = *valuedWordOf(arguments[i]);
      command.add(std::string(word.prefix) + word.placeholder);
      continue;
    }
    if (i == refusal.argument && refusal.reason == Twice) continue;
    if (std::strcmp(arguments[i], "-scheidung") == 0) continue;  // it leads
    const bool known = isKnownWord(arguments[i]) || parseReformAmount(arguments[i]);
    if (known ? divorceTakes(arguments[i]) : true) {
      if (const std::optional<std::string> word = rightWord(arguments[i])) {
        if (divorceTakes(word->c_str())) command.add(*word);
      }
    }
  }
  if (!options.divorce.income[0]) command.add("-nettoK<Euro>");
  if (!options.divorce.income[1]) command.add("-nettoB<Euro>");
  return command.text();
}

// The right command of any other command line: the amount first, found
// where it stands, then the words as they were given, with a reform where a
// share needs one, a share where a party's switch needs one, no -h beside
// -J, the word meant in place of one unknown, and no word that changes
// nothing; a share written apart from its -O ("-O 60") is the share meant.
std::string rightCommandOf(const Refusal& refusal, int count, const char* const* arguments,
                           const ReportOptions& options) {
  using enum Refusal::Reason;
  if (options.court == Court::Family) return divorceCommand(refusal, count, arguments, options);
  std::string apartShare;
  int apartAt = 0;
  if (refusal.reason == Share && std::strcmp(arguments[refusal.argument], "-O") == 0 &&
      refusal.argument + 1 < count) {
    apartShare = std::string("-O") + arguments[refusal.argument + 1];
    if (parseShareWon(apartShare.c_str())) apartAt = refusal.argument + 1;
  }
  const auto [amount, amountAt] = rightAmount(count, arguments, apartAt);
  RightCommand command(amount);
  // The report needs a reform: -2025, unless a word means one; legal aid
  // and the labour courts need -2025, the reform words' last: it stands
  // once, first.
  const bool needs2025 =
      refusal.reason == AidReform || refusal.reason == LabourReform || refusal.reason == DaysReform;
  if ((options.reform == Reform::Of2013 && refusal.reason != Amount &&
       refusal.reason != JsonAndHtml && !meansLaw(count, arguments)) ||
      (needs2025 && options.reform == Reform::Of2021)) {
    command.add("-2025");
  }
  for (int i = 1; i < count; ++i) {
    if (i == amountAt || i == apartAt) continue;
    if (options.json && std::strcmp(arguments[i], "-h") == 0) continue;
    // A share in place of one that is none, or before the party's switch
    // that needs one.
    const bool refused = i == refusal.argument;
    if (refused && apartAt != 0) {
      command.add(apartShare);
      continue;
    }
    if (refused && (refusal.reason == Share || refusal.reason == PartyWithoutShare ||
                    (refusal.reason == AppealNeeds && !options.shareWon))) {
      command.add("-O<Prozent>");
    }
    if (refused && refusal.reason == SuccessShare) {
      command.add("-erfolg<Prozent>");
      continue;
    }
    // An appeal by the party that lost something: the defendant, unless
    // the claimant won nothing.
    if (refused && refusal.reason == SuccessAlone) {
      command.add(options.shareWon && options.shareWon->won == 0 ? "-berufungK" : "-berufungB");
    }
    if (refusal.reason == NothingLost &&
        (refused || (isSuccessWord(arguments[i]) && parseAppealSuccess(arguments[i])))) {
      continue;
    }
    if (refused && refusal.reason == NoPendingDay) command.add("-anhaengig<TT.MM.JJJJ>");
    if (refused &&
        (refusal.reason == CaseValue || refusal.reason == DayBeforeTables ||
         refusal.reason == AppealBeforePending || refusal.reason == RevisionBeforeAppeal ||
         refusal.reason == PretrialAfterMandate)) {
      const ValuedWord& word = *valuedWordOf(arguments[i]);
      command.add(std::string(word.prefix) + word.placeholder);
      continue;
    }
    if (refused &&
        (refusal.reason == Share || refusal.reason == NoEffect || refusal.reason == AidWith ||
         refusal.reason == CrossAppeal || refusal.reason == AppealWith || refusal.reason == Twice ||
         refusal.reason == DivorceOnly)) {
      continue;
    }
    if (const std::optional<std::string> word = rightWord(arguments[i])) command.add(*word);
  }
  return command.text();
}

// Why a divorce does not take `argument`, in a refusal.
const char* notInDivorceWhy(const char* argument) {
  if (isShareWord(argument)) {
    return "in einer Scheidung gewinnt niemand, die Kosten werden gegeneinander aufgehoben "
           "(\365 150 Abs. 1 FamFG)";
  }
  const SwitchWord* word = switchWordOf(argument);
  const Needs needs = word != nullptr ? word->needs : Needs::Nothing;
  if (needs == Needs::ReformForLabour)
    return "die Scheidung ist ein Verfahren vor dem Familiengericht";
  if (valuedWordOf(argument) != nullptr && valuedWordOf(argument)->parse == parseDay) {
    return std::strncmp(argument, "-vorgericht", 11) == 0
               ? "die Kosten um den Prozess rechnet ZEB bei einer Scheidung nicht"
               : "das Rechtsmittel gegen den Scheidungsbeschluss rechnet ZEB nicht";
  }
  if (needs == Needs::ReformForCase || valuedWordOf(argument) != nullptr) {
    return "die Kosten um den Prozess rechnet ZEB bei einer Scheidung nicht";
  }
  if (needs == Needs::ForAppeal || isSuccessWord(argument)) {
    return "das Rechtsmittel gegen den Scheidungsbeschluss rechnet ZEB nicht";
  }
  if (std::strcmp(argument, "-V") == 0)
    return "einen Vergleich \201ber Folgesachen rechnet ZEB nicht";
  if (std::strchr("kbrm", argument[1]) != nullptr && argument[2] == '\0') {
    return "der Bericht einer Scheidung zeigt ihre erste Instanz";
  }
  return "in einer Scheidung hat diese Angabe keine Bedeutung";
}

}  // namespace

std::string refusalMessage(const Refusal& refusal, int count, const char* const* arguments,
                           const ReportOptions& options, int sharedFrom) {
  std::string message;
  using enum Refusal::Reason;
  const std::string given = printable(arguments[refusal.argument]);
  const std::string command = rightCommandOf(refusal, count, arguments, options);
  switch (refusal.reason) {
    case Amount:
      appendFormatted(
          message,
          "zeb: \"%s\" ist kein Streitwert. Der Streitwert steht an erster Stelle und besteht "
          "nur aus Ziffern:\n ganze Euro, mindestens 1, ohne Punkt und Komma (5000, nicht "
          "5.000).\n",
          given.c_str());
      break;
    case Share:
      appendFormatted(
          message,
          "zeb: \"%s\" ist kein Anteil. Hinter -O steht, zu welchem Anteil der Kl\204ger "
          "obsiegt:\n Prozent von 0 bis 100 mit h\224chstens zwei Nachkommastellen (-O60, "
          "-O60%%, -O33,33) oder ein Bruch mit h\224chstens sechs Ziffern je Zahl (-O3/4).\n",
          given.c_str());
      break;
    case ShareIn2013:
      appendFormatted(
          message,
          "zeb: %s gilt nur mit -2021 oder -2025: wer die Kosten tr\204gt, rechnet ZEB nach den "
          "Geb\201hren ab 2021 in Cent.\n",
          given.c_str());
      break;
    case PartyWithoutShare:
      appendFormatted(
          message,
          "zeb: %s gilt nur mit -O, dem Anteil, zu dem der Kl\204ger obsiegt (etwa -O60).\n",
          given.c_str());
      break;
    case CaseValue: {
      const ValuedWord& word = *valuedWordOf(arguments[refusal.argument]);
      appendFormatted(message, "zeb: \"%s\" ist %s. %s\n", given.c_str(), word.what, word.rule);
      break;
    }
    case CaseIn2013:
      appendFormatted(
          message,
          "zeb: %s gilt nur mit -2021 oder -2025: die Kosten um den Prozess rechnet ZEB nach den "
          "Geb\201hren ab 2021 in Cent.\n",
          given.c_str());
      break;
    case EndingIn2013:
      appendFormatted(
          message,
          "zeb: %s gilt nur mit -2021 oder -2025: wie der Prozess endet, rechnet ZEB nach den "
          "Geb\201hren ab 2021 in Cent.\n",
          given.c_str());
      break;
    case JsonAndHtml:
      appendFormatted(
          message,
          "zeb: -h gilt nicht mit -J: -J schreibt statt des Berichts seine Zahlen als JSON, -h "
          "den Bericht als HTML-Dokument.\n");
      break;
    case Unknown:
      if (const std::optional<std::string> meant = meantWord(arguments[refusal.argument])) {
        appendFormatted(message, "zeb: %s: unbekannte Angabe; gemeint ist wohl %s.\n",
                        given.c_str(), meant->c_str());
      } else {
        appendFormatted(message, "zeb: %s: unbekannte Angabe; zeb allein zeigt alle Angaben.\n",
                        given.c_str());
      }
      break;
    case NoEffect: {
      const bool claimant = valuedWordOf(arguments[refusal.argument])->claimant;
      appendFormatted(
          message,
          "zeb: %s \204ndert nichts: ohne Anwalt in erster Instanz (%s) und ohne "
          "Gesch\204ftsgeb\201hr (%s)\n hat %s in diesem Bericht keinen Anwalt, dessen Geb\201hren "
          "mehrere Auftraggeber erh\224hen (Nr. 1008 VV RVG).\n",
          given.c_str(), claimant ? "-ohneK" : "-ohneB", claimant ? "-GK" : "-GB",
          claimant ? "der Kl\204ger" : "der Beklagte");
      break;
    }
    case AidReform:
      appendFormatted(
          message,
          "zeb: %s gilt nur mit -2025: die Geb\201hren des beigeordneten Anwalts (\365 49 RVG) "
          "rechnet ZEB nach den Fassungen von 2021 und 2025, den Spalten von -2025.\n",
          given.c_str());
      break;
    case LabourReform:
      appendFormatted(
          message,
          "zeb: %s gilt nur mit -2025: die Geb\201hren der Arbeitsgerichte (KV GKG Teil 8) rechnet "
          "ZEB nach den Fassungen von 2021 und 2025, den Spalten von -2025.\n",
          given.c_str());
      break;
    case AidWith: {
      const std::string aid = arguments[refusal.other];
      const char* why =
          std::strncmp(arguments[refusal.argument], "-ohne", 5) == 0
              ? "mit Prozesskostenhilfe hat die Partei einen Anwalt"
          : std::strcmp(arguments[refusal.argument], "-mahn") == 0
              ? "Prozesskostenhilfe nach einem Mahnverfahren rechnet ZEB nicht"
          : std::strncmp(arguments[refusal.argument], "-vorsteuer", 10) == 0
              ? "Prozesskostenhilfe neben dem Vorsteuerabzug rechnet ZEB nicht"
          : std::strncmp(arguments[refusal.argument], "-beweis", 7) == 0
              ? "Zeugen und Sachverst\204ndige mit Prozesskostenhilfe rechnet ZEB nicht"
              : "die Gesch\204ftsgeb\201hr der Partei mit Prozesskostenhilfe rechnet "
                "ZEB nicht";
      appendFormatted(message, "zeb: %s gilt nicht mit %s: %s.\n", given.c_str(), aid.c_str(), why);
      break;
    }
    case AppealNeeds:
      appendFormatted(
          message,
          "zeb: %s gilt nur mit -2021 oder -2025 und -O, dem Anteil, zu dem der Kl\204ger in "
          "erster Instanz obsiegt (etwa -2025 -O60).\n",
          given.c_str());
      break;
    case SuccessShare:
      appendFormatted(
          message,
          "zeb: \"%s\" ist kein Anteil. Hinter -erfolg steht, zu welchem Anteil die Berufung "
          "Erfolg hat:\n Prozent von 0 bis 100 mit h\224chstens zwei Nachkommastellen "
          "(-erfolg50, -erfolg33,33) oder ein Bruch mit h\224chstens sechs Ziffern je Zahl "
          "(-erfolg1/3).\n",
          given.c_str());
      break;
    case SuccessAlone:
      appendFormatted(message,
                      "zeb: %s gilt nur mit -berufungK oder -berufungB: der Erfolg der Berufung, "
                      "die der Kl\204ger oder der Beklagte einlegt.\n",
                      given.c_str());
      break;
    case CrossAppeal:
      appendFormatted(message,
                      "zeb: %s gilt nicht mit %s: Berufungen beider Parteien rechnet ZEB nicht "
                      "(ihre Werte werden zusammengerechnet, \365 45 Abs. 2 GKG).\n",
                      given.c_str(), arguments[refusal.other]);
      break;
    case AppealWith:
      appendFormatted(message, "zeb: %s gilt nicht mit %s: %s.\n", given.c_str(),
                      arguments[refusal.other],
                      aidedParty(arguments[refusal.argument])
                          ? "Prozesskostenhilfe rechnet ZEB bei der Berufung als Entscheidung "
                            "nicht"
                          : "der Bericht zur Berufung zeigt die erste Instanz und die Berufung");
      break;
    case Twice: {
      // In a batch the later word may be one that every claim gets.
      const bool shared = sharedFrom > 0 && refusal.argument >= sharedFrom;
      appendFormatted(message, "zeb: %s und %s%s widersprechen sich: %s nur einmal im Befehl.\n",
                      printable(arguments[refusal.other]).c_str(), given.c_str(),
                      shared ? " hinter -stapel" : "",
                      slotWhat(onceSlotOf(arguments[refusal.argument])).c_str());
      break;
    }
    case DivorceOnly:
      appendFormatted(message,
                      "zeb: %s gilt nur mit -scheidung, dem Bericht einer Scheidung mit "
                      "Folgesachen.\n",
                      given.c_str());
      break;
    case DivorceAmount:
      appendFormatted(message,
                      "zeb: \"%s\": eine Scheidung hat keinen Streitwert; ihren Wert rechnet ZEB "
                      "aus dem Nettoeinkommen beider Ehegatten (-nettoK, -nettoB).\n",
                      given.c_str());
      break;
    case DivorceReform:
      appendFormatted(message,
                      "zeb: -scheidung gilt nur mit -2025: die Geb\201hren des FamGKG rechnet ZEB "
                      "nach den Fassungen von 2021 und 2025, den Spalten von -2025.\n");
      break;
    case NotInDivorce:
      appendFormatted(message, "zeb: %s gilt nicht mit -scheidung: %s.\n", given.c_str(),
                      notInDivorceWhy(arguments[refusal.argument]));
      break;
    case DivorceIncome:
      appendFormatted(message,
                      "zeb: -scheidung braucht das Nettoeinkommen beider Ehegatten im Monat: "
                      "-nettoK f\201r den Antragsteller, -nettoB f\201r den Antragsgegner "
                      "(-nettoK0 f\201r keines).\n");
      break;
    case DaysReform:
      appendFormatted(message,
                      "zeb: %s gilt nur mit -2025: die Daten des Falls w\204hlen zwischen den "
                      "Fassungen von 2021 und 2025, den Spalten von -2025.\n",
                      given.c_str());
      break;
    case NoPendingDay:
      appendFormatted(
          message,
          "zeb: %s braucht -anhaengig: der Tag, an dem %s,\n entscheidet \201ber "
          "die Gerichtsgeb\201hren und gilt f\201r jeden Auftrag, dessen Tag fehlt.\n",
          given.c_str(),
          options.court == Court::Family
              ? "das Verfahren anh\204ngig wurde"
              : "die Klage anh\204ngig wurde (nach einem Mahnverfahren: der Antrag auf den "
                "Mahnbescheid)");
      break;
    case DayBeforeTables:
      appendFormatted(message,
                      "zeb: %s: ZEB kennt die Geb\201hren ab 01.01.2021; das Recht davor rechnet "
                      "dieser Bericht nicht.\n",
                      given.c_str());
      break;
    case AppealBeforePending:
    case RevisionBeforeAppeal:
    case PretrialAfterMandate:
      appendFormatted(message, "zeb: %s liegt %s %s: %s.\n", given.c_str(),
                      refusal.reason == PretrialAfterMandate ? "nach" : "vor",
                      printable(arguments[refusal.other]).c_str(),
                      refusal.reason == AppealBeforePending ? "die Berufung folgt der Klage"
                      : refusal.reason == RevisionBeforeAppeal
                          ? "die Revision folgt der Berufung"
                          : "der Auftrag vor dem Prozess geht dem Auftrag f\201r die Klage "
                            "voraus");
      break;
    case NothingLost: {
      const bool claimant = arguments[refusal.argument][9] == 'K';
      appendFormatted(message,
                      "zeb: %s gilt nicht mit %s: %s hat in erster Instanz nichts verloren, das "
                      "er mit der Berufung angreifen k\224nnte.\n",
                      given.c_str(), printable(arguments[refusal.other]).c_str(),
                      claimant ? "der Kl\204ger" : "der Beklagte");
      break;
    }
  }
  appendFormatted(message, " Richtig: %s\n", command.c_str());
  return message;
}

std::vector<std::string> terminalHints(int count, const char* const* arguments,
                                       const ReportOptions& options) {
  if (count <= 1 || options.reform != Reform::Of2013) return {};
  std::vector<std::string> hints;
  const std::string given = printable(arguments[1]);
  // The amount of the right commands, and the argument it stands in, which
  // they do not repeat.
  std::string amount = "<Streitwert>";
  int amountAt = 0;
  // A number begins, as parseAmount reads it, after white space and a sign.
  const char* number = arguments[1];
  while (isSpace(*number)) ++number;
  if (*number == '+' || *number == '-') ++number;
  if (*number < '0' || *number > '9') {
    // The amount comes first; a later argument may be the one meant.
    for (int i = 2; i < count && amountAt == 0; ++i) {
      if (parseReformAmount(arguments[i])) {
        amount = arguments[i];
        amountAt = i;
      }
    }
    hints.push_back(
        "zeb: \"" + given + "\" ist kein Streitwert, der Bericht gilt 0 Euro. Der " +
        "Streitwert steht an erster Stelle: " + commandWith(amount, count, arguments, amountAt) +
        "; zeb allein zeigt die Kurzanleitung.");
  } else {
    amountAt = 1;
    const std::int64_t read = parseAmount(arguments[1]);
    const std::optional<std::string> meant = meantAmount(arguments[1]);
    if (meant) amount = *meant;
    // The number ended before the argument, and another was meant, or one
    // that ZEB cannot tell.
    const bool cut = number[std::strspn(number, "0123456789")] != '\0';
    if (cut && meant != std::to_string(read)) {
      hints.push_back(
          "zeb: \"" + given + "\" wurde als " + std::to_string(read) +
          " Euro gelesen: die Zahl endet am ersten Zeichen, das keine Ziffer ist." +
          (meant ? " Richtig: " + commandWith(amount, count, arguments, amountAt) : ""));
    }
  }
  // The words the report ignored, each with the word meant where ZEB can
  // tell; the first few of them.
  constexpr int kNamedWords = 5;
  int ignored = 0;
  for (int i = 2; i < count; ++i) {
    if (i == amountAt || isKnownWord(arguments[i]) || ++ignored > kNamedWords) continue;
    const std::optional<std::string> meant = meantWord(arguments[i]);
    hints.push_back("zeb: \"" + printable(arguments[i]) +
                    "\" ist keine Angabe von ZEB und blieb ohne Wirkung" +
                    (meant ? "; gemeint ist wohl " + *meant : "") + ".");
  }
  if (ignored > kNamedWords) {
    hints.push_back("zeb: " + std::to_string(ignored - kNamedWords) +
                    " weitere W\224rter blieben ohne Wirkung.");
  }
  hints.push_back(
      "zeb: Dieser Bericht rechnet nach dem Recht von 2013 mit 16 % Umsatzsteuer. Nach "
      "geltendem Recht: " +
      commandWith(amount, count, arguments, amountAt, "-2025"));
  return hints;
}

ReportOptions parseOptions(int count, const char* const* arguments) {
  ReportOptions options;
  if (count <= 2) return options;
  // The scan starts at the amount's own position: "-h 5000" is an HTML
  // report for the amount 0. Of the words that say one thing, the first
  // counts: a later one says the same (-O70, -O70,00) or is refused.
  std::array<bool, kValuedSlot + std::size(kValuedWords)> said = {};
  for (int i = 1; i < count; ++i) {
    const int slot = onceSlotOf(arguments[i]);
    if (slot >= 0 && std::exchange(said[static_cast<std::size_t>(slot)], true)) continue;
    if (const SwitchWord* word = switchWordOf(arguments[i])) {
      word->apply(options);
    } else if (std::optional<ShareWon> share = parseShareWon(arguments[i])) {
      options.shareWon = share;
    } else if (std::optional<ShareWon> success = parseAppealSuccess(arguments[i])) {
      options.appealSuccess = success;
    } else if (const ValuedWord* valued = valuedWordOf(arguments[i])) {
      if (const std::optional<std::int64_t> value =
              valued->parse(arguments[i] + std::strlen(valued->prefix))) {
        valued->apply(options, *value);
        if (valued->needs == Needs::ReformForCase) options.aroundTheLawsuit = true;
      }
    }
  }
  // An appeal as a decision shows the first instance and the appeal.
  if (options.appellant) {
    options.showFirstInstance = options.showAppeal = true;
    options.showPaymentOrder = options.showRevision = false;
  }
  return options;
}

// The options of the usage screen, a line or two each.
constexpr const char* kUsageLines[] = {
    " Optionen (durch Leerzeichen getrennt):\n",
    "  -k\tNur die Werte f\201r eine Klage    (1. Instanz) werden ausgegeben.\n",
    "  -b\tNur die Werte f\201r eine Berufung (2. Instanz) werden ausgegeben.\n",
    "  -r\tNur die Werte f\201r eine Revision (3. Instanz) werden ausgegeben.\n",
    "  -m\tNur die Werte f\201r ein Mahnverfahren werden ausgegeben.\n",
    "  -V\tZus\204tzlich zu den Werten f\201r ein Verfahren mit streitigem Urteil werden die "
    "Werte f\201r einen Proze\341vergleich ausgegeben.\n",
    "  -A\tDie Hinweise am Ende der Ausgabe werden weggelassen.\n",
    "  -h\tAusgabe im HTML-Format (am besten mit > in eine Datei umleiten).\n",
    "  -E\tStatt des Wortes \"Euro\" wird das Euro-Zeichen ausgegeben (nicht unter "
    "DOS/Windows im Textmodus).\n",
    // The switches of the reforms, a column further in, where the longer ones fit.
    "  -2025\t\tDie Kosten nach dem Recht bis 31.05.2025 und ab 01.06.2025, auf den Cent "
    "genau.\n",
    "  -2021\t\tDie Kosten nach dem Recht bis 31.12.2020 und ab 01.01.2021, auf den Cent "
    "genau.\n",
    "  -W\t\tUnter jeder Zeile ihr Rechenweg: jeder Schritt mit seiner Vorschrift.\n",
    "  -J\t\tStatt des Berichts seine Zahlen als JSON, jede Zeile mit festem Schl\201ssel "
    "(mit -W samt Rechenweg).\n",
    "  -O<Anteil>\tMit -2025 oder -2021: wer die Kosten tr\204gt, wenn der Kl\204ger zu diesem "
    "Anteil obsiegt (-O60, -O33,33 oder -O3/4).\n",
    "  -ohneK\tMit -O: der Kl\204ger hat in erster Instanz keinen Anwalt (-ohneB: der "
    "Beklagte).\n",
    "  -vorsteuerK\tMit -O: der Kl\204ger zieht Vorsteuer ab, seine Anwaltskosten z\204hlen ohne "
    "Umsatzsteuer (-vorsteuerB: der Beklagte).\n",
    "  -GK<Satz>\tMit -2025 oder -2021: der Anwalt des Kl\204gers verdiente vor dem Prozess eine "
    "Gesch\204ftsgeb\201hr (Nr. 2300 VV RVG), -GK allein 1,3 (-GB: des Beklagten).\n",
    "  -mahn\t\tMit -2025 oder -2021: der Klage ging ein Mahnverfahren voraus.\n",
    "  -auftraggeberK<n>\tMit -2025 oder -2021: der Anwalt des Kl\204gers vertritt n Personen "
    "(Nr. 1008 VV RVG; -auftraggeberB: des Beklagten).\n",
    "  -beweisK<Euro>\tMit -2025 oder -2021: Kosten f\201r Zeugen und Sachverst\204ndige, vom "
    "Kl\204ger vorgeschossen (-beweisB: vom Beklagten).\n",
    "  -ruecknahme\tMit -2025 oder -2021: dazu das Ende der ersten Instanz durch "
    "Klager\201cknahme "
    "vor der Verhandlung (-anerkenntnis: durch Anerkenntnisurteil, -versaeumnis: durch "
    "Vers\204umnisurteil), etwa zeb 10000 -2025 -k -ruecknahme.\n",
    "  -pkhK\t\tMit -2025: der Kl\204ger hat Prozesskostenhilfe ohne Raten, in jeder Instanz "
    "(-pkhB: der Beklagte).\n",
    "  -arbeit\tMit -2025: vor den Arbeitsgerichten (Arbeitsgericht, Landesarbeitsgericht, "
    "Bundesarbeitsgericht); erste Instanz ohne Erstattung der Anwaltskosten (\365 12a ArbGG).\n"
    "\t\tK\201ndigungsschutzklage: der Streitwert ist das Bruttogehalt eines Vierteljahres "
    "(\365 42 Abs. 2 GKG), etwa zeb 9000 -2025 -arbeit bei 3000 Euro im Monat.\n",
    "  -scheidung\tMit -2025 und ohne Streitwert: was die Scheidung jeden Ehegatten kostet, "
    "nach dem Nettoeinkommen im Monat des Antragstellers (-nettoK<Euro>) und des "
    "Antragsgegners (-nettoB<Euro>), etwa zeb -scheidung -2025 -nettoK3000 -nettoB2000 "
    "-anrechte4.\n"
    "\t\t-anrechte<n>: Anrechte beider Ehegatten im Versorgungsausgleich; -sorge, -umgang: "
    "elterliche Sorge, Umgang als Folgesachen; -anwaltB: auch der Antragsgegner hat einen "
    "Anwalt;\n"
    "\t\t-ruecknahme: der Scheidungsantrag wird zur\201ckgenommen; -pkhK, -pkhB: "
    "Verfahrenskostenhilfe; -kinder<n>, -vermoegen<Euro>: Abzug f\201r Kinder, Anteil am "
    "Verm\224gen nach der Praxis vieler Gerichte.\n",
    "  -berufungK\tMit -2021 oder -2025 und -O: der Kl\204ger legt Berufung ein gegen alles, "
    "was er verlor (-berufungB: der Beklagte); zeigt erste Instanz, Berufung und ob sie sich "
    "lohnt.\n"
    "  -erfolg<Anteil>\tMit -berufungK oder -berufungB: zu diesem Anteil hat die Berufung "
    "Erfolg (-erfolg50, -erfolg1/3); ohne die Angabe 0 %.\n",
    "  -anhaengig<TT.MM.JJJJ>\tMit -2025: die erste Spalte nach den Daten des Falls, jede "
    "Geb\201hr nach der Fassung ihres Tages: die Klage anh\204ngig seit (nach -mahn: der "
    "Mahnbescheid beantragt am);\n"
    "\t\t-auftragK, -auftragB<TT.MM.JJJJ>: Auftrag f\201r die Klage; -vorgerichtK, "
    "-vorgerichtB: Auftrag vor dem Prozess; -berufungAm, -revisionAm: Berufung, Revision "
    "eingelegt am.\n",
    "  -stapel [Datei]\tAls erstes Wort: viele Forderungen, eine je Zeile mit ihren Angaben wie "
    "hier, ihre Zahlen als JSON-Zeilen (mit -csv als Tabelle); etwa zeb -stapel -2025 < "
    "forderungen.txt.\n",
    "  \n",
};

std::string usageScreen(const char* invocationName) {
  std::string screen = banner();
  appendFormatted(screen, " Version %s, %s\n\n", kVersion, kReleaseDate);
  appendFormatted(
      screen,
      " Berechnet die Gerichts- und Anwaltsgeb\201hren nach dem deutschen Gerichtskostengesetz "
      "und dem Rechtsanwaltsverg\201tungsgesetz.\n");
  appendFormatted(screen, " Die \216nderungen zum 01.08.2013 sind ber\201cksichtigt.\n\n");
  appendFormatted(screen, " Syntax: %s <Streitwert> [Optionen]\n\n", invocationName);
  for (const char* line : kUsageLines) screen += line;
  return screen;
}

}  // namespace zeb
