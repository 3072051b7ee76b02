#include "run/command_line.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "report/maker.h"
#include "report/output.h"

namespace zeb {
namespace {

// What a switch word needs beside itself: nothing, a share (a party's
// switch of the cost risk), or a reform (a word of the case around the
// lawsuit, or of how it ends).
enum class Needs { Nothing, Share, ReformForCase, ReformForEnding };

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
    {"-ruecknahme", [](ReportOptions& o) { endWith(o, Ending::Withdrawal); }, Needs::ReformForEnding},
    {"-anerkenntnis", [](ReportOptions& o) { endWith(o, Ending::Acknowledgement); }, Needs::ReformForEnding},
    {"-versaeumnis", [](ReportOptions& o) { endWith(o, Ending::DefaultJudgment); }, Needs::ReformForEnding},
};
// clang-format on

// The switch word that `argument` is, compared whole, or none.
const SwitchWord* switchWordOf(const char* argument) {
  for (const SwitchWord& word : kSwitchWords) {
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

// Euros with at most nine digits and two decimals, in cents.
std::optional<std::int64_t> parseEuros(const char* text) { return parseDecimal(text, 9, 2); }

// A word of the case around the lawsuit with a value after its prefix
// ("-GK1,5"): how its value is read, and what it sets.
struct ValuedWord {
  const char* prefix;
  std::optional<std::int64_t> (*parse)(const char* value);
  void (*apply)(PartyCase& party, std::int64_t value);
  bool claimant;            // its party: the claimant's, or the defendant's
  const char* placeholder;  // the value in a right command
  const char* what;         // what the value is not, in a refusal
  const char* rule;         // what it must be
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
    "h\224chstens neun Ziffern und zwei Nachkommastellen (-beweisK1500, -beweisK1500,50).";
constexpr ValuedWord kValuedWords[] = {
    {"-GK", parseRate, [](PartyCase& p, std::int64_t v) { p.businessFeeTenths = static_cast<int>(v); }, true, "<Satz>", "kein Geb\201hrensatz", kRateRule},
    {"-GB", parseRate, [](PartyCase& p, std::int64_t v) { p.businessFeeTenths = static_cast<int>(v); }, false, "<Satz>", "kein Geb\201hrensatz", kRateRule},
    {"-auftraggeberK", parseClients, [](PartyCase& p, std::int64_t v) { p.clients = static_cast<int>(v); }, true, "<Anzahl>", "keine Anzahl", kClientsRule},
    {"-auftraggeberB", parseClients, [](PartyCase& p, std::int64_t v) { p.clients = static_cast<int>(v); }, false, "<Anzahl>", "keine Anzahl", kClientsRule},
    {"-beweisK", parseEuros, [](PartyCase& p, std::int64_t v) { p.evidence = Cents{v}; }, true, "<Euro>", "kein Betrag", kEurosRule},
    {"-beweisB", parseEuros, [](PartyCase& p, std::int64_t v) { p.evidence = Cents{v}; }, false, "<Euro>", "kein Betrag", kEurosRule},
};
// clang-format on

// The valued word whose prefix `argument` begins with, a value or an
// attempt at one, or none.
const ValuedWord* valuedWordOf(const char* argument) {
  for (const ValuedWord& word : kValuedWords) {
    if (std::strncmp(argument, word.prefix, std::strlen(word.prefix)) == 0) return &word;
  }
  return nullptr;
}

// Whether `argument` is a valued word with a value.
bool isValuedWord(const char* argument) {
  const ValuedWord* word = valuedWordOf(argument);
  return word != nullptr && word->parse(argument + std::strlen(word->prefix));
}

// A word of the case around the lawsuit, which a reform alone computes.
bool isCaseWord(const char* argument) {
  const SwitchWord* word = switchWordOf(argument);
  return (word != nullptr && word->needs == Needs::ReformForCase) ||
         valuedWordOf(argument) != nullptr;
}

// A word of how the lawsuit ends, which a reform alone computes.
bool isEndingWord(const char* argument) {
  const SwitchWord* word = switchWordOf(argument);
  return word != nullptr && word->needs == Needs::ReformForEnding;
}

// A word -O...: a share, or an attempt at one.
bool isShareWord(const char* argument) { return std::strncmp(argument, "-O", 2) == 0; }

bool isPartyWord(const char* argument) {
  const SwitchWord* word = switchWordOf(argument);
  return word != nullptr && word->needs == Needs::Share;
}

// White space as the C locale's isspace sees it.
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// An argument as given, its bytes outside printable ASCII shown as "?": a
// message is code page 850, the argument in the user's own encoding.
std::string printable(const char* argument) {
  std::string text = argument;
  for (char& c : text) {
    if (c < ' ' || c > '~') c = '?';
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
  const char* text = word + 2;
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

std::optional<Refusal> refusalOf(int count, const char* const* arguments,
                                 const ReportOptions& options) {
  using enum Refusal::Reason;
  // The words of the cost risk, scanned as every switch is.
  int partyAt = 0;
  int caseAt = 0;
  int endingAt = 0;
  for (int i = 1; i < count && count > 2; ++i) {
    if (isShareWord(arguments[i]) && !parseShareWon(arguments[i])) return Refusal{Share, i};
    if (valuedWordOf(arguments[i]) != nullptr && !isValuedWord(arguments[i])) {
      return Refusal{CaseValue, i};
    }
    if (partyAt == 0 && isPartyWord(arguments[i])) partyAt = i;
    if (caseAt == 0 && isCaseWord(arguments[i])) caseAt = i;
    if (endingAt == 0 && isEndingWord(arguments[i])) endingAt = i;
  }
  if (options.shareWon && options.reform == Reform::Of2013) {
    int shareAt = 1;
    while (!isShareWord(arguments[shareAt])) ++shareAt;
    return Refusal{ShareIn2013, shareAt};
  }
  if (caseAt != 0 && options.reform == Reform::Of2013) return Refusal{CaseIn2013, caseAt};
  if (endingAt != 0 && options.reform == Reform::Of2013) return Refusal{EndingIn2013, endingAt};
  if (partyAt != 0 && !options.shareWon) return Refusal{PartyWithoutShare, partyAt};
  if (options.reform != Reform::Of2013 && !parseReformAmount(arguments[1])) {
    return Refusal{Amount, 1};
  }
  if (options.json && options.outputMode == OutputMode::Html) {
    int htmlAt = 1;
    while (std::strcmp(arguments[htmlAt], "-h") != 0) ++htmlAt;
    return Refusal{JsonAndHtml, htmlAt};
  }
  return std::nullopt;
}

void printRefusal(const Refusal& refusal, int count, const char* const* arguments,
                  const ReportOptions& options) {
  using enum Refusal::Reason;
  const std::string given = printable(arguments[refusal.argument]);
  // A share written apart from its -O ("-O 60") is the share meant.
  std::string apartShare;
  int apartAt = 0;
  if (refusal.reason == Share && std::strcmp(arguments[refusal.argument], "-O") == 0 &&
      refusal.argument + 1 < count) {
    apartShare = std::string("-O") + arguments[refusal.argument + 1];
    if (parseShareWon(apartShare.c_str())) apartAt = refusal.argument + 1;
  }
  // The right form: the amount first, found where it stands, then the
  // switch words as they were given, with a reform where a share needs
  // one, a share where a party's switch needs one, and no -h beside -J.
  std::string amount = "<Streitwert>";
  int amountAt = 0;
  for (int i = 1; i < count && amountAt == 0; ++i) {
    if (i != apartAt && parseReformAmount(arguments[i])) {
      amount = arguments[i];
      amountAt = i;
    }
  }
  std::string command = "zeb " + amount;
  if (options.reform == Reform::Of2013 && refusal.reason != Amount &&
      refusal.reason != JsonAndHtml) {
    command += " -2025";
  }
  for (int i = 1; i < count; ++i) {
    if (i == amountAt || i == apartAt) continue;
    if (options.json && std::strcmp(arguments[i], "-h") == 0) continue;
    // A share in place of one that is none, or before the party's switch
    // that needs one.
    const bool refused = i == refusal.argument;
    if (refused && apartAt != 0) {
      command += " " + apartShare;
      continue;
    }
    if (refused && (refusal.reason == Share || refusal.reason == PartyWithoutShare)) {
      command += " -O<Prozent>";
    }
    if (refused && refusal.reason == CaseValue) {
      const ValuedWord& word = *valuedWordOf(arguments[i]);
      command.append(" ").append(word.prefix).append(word.placeholder);
      continue;
    }
    if (refused && refusal.reason == Share) continue;
    if (switchWordOf(arguments[i]) != nullptr || parseShareWon(arguments[i]) ||
        isValuedWord(arguments[i])) {
      command.append(" ").append(arguments[i]);
    }
  }
  switch (refusal.reason) {
    case Amount:
      emitDiagnostic(
          "zeb: \"%s\" ist kein Streitwert. Der Streitwert steht an erster Stelle und besteht "
          "nur aus Ziffern:\n ganze Euro, mindestens 1, ohne Punkt und Komma (5000, nicht "
          "5.000).\n",
          given.c_str());
      break;
    case Share:
      emitDiagnostic(
          "zeb: \"%s\" ist kein Anteil. Hinter -O steht, zu welchem Anteil der Kl\204ger "
          "obsiegt:\n Prozent von 0 bis 100 mit h\224chstens zwei Nachkommastellen (-O60, "
          "-O60%%, -O33,33) oder ein Bruch mit h\224chstens sechs Ziffern je Zahl (-O3/4).\n",
          given.c_str());
      break;
    case ShareIn2013:
      emitDiagnostic(
          "zeb: %s gilt nur mit -2021 oder -2025: wer die Kosten tr\204gt, rechnet ZEB nach den "
          "Geb\201hren ab 2021 in Cent.\n",
          given.c_str());
      break;
    case PartyWithoutShare:
      emitDiagnostic(
          "zeb: %s gilt nur mit -O, dem Anteil, zu dem der Kl\204ger obsiegt (etwa -O60).\n",
          given.c_str());
      break;
    case CaseValue: {
      const ValuedWord& word = *valuedWordOf(arguments[refusal.argument]);
      emitDiagnostic("zeb: \"%s\" ist %s. %s\n", given.c_str(), word.what, word.rule);
      break;
    }
    case CaseIn2013:
      emitDiagnostic(
          "zeb: %s gilt nur mit -2021 oder -2025: die Kosten um den Prozess rechnet ZEB nach den "
          "Geb\201hren ab 2021 in Cent.\n",
          given.c_str());
      break;
    case EndingIn2013:
      emitDiagnostic(
          "zeb: %s gilt nur mit -2021 oder -2025: wie der Prozess endet, rechnet ZEB nach den "
          "Geb\201hren ab 2021 in Cent.\n",
          given.c_str());
      break;
    case JsonAndHtml:
      emitDiagnostic(
          "zeb: -h gilt nicht mit -J: -J schreibt statt des Berichts seine Zahlen als JSON, -h "
          "den Bericht als HTML-Dokument.\n");
      break;
  }
  emitDiagnostic(" Richtig: %s\n", command.c_str());
}

namespace {

// The whole euros that `text` writes with thousands separators, as a
// German ("5.000", "1.250.000,00") or an English writer ("5,000.00") does:
// its digits, without the cents; none for any other text.
std::optional<std::string> withoutSeparators(const std::string& text) {
  for (const char separator : {'.', ','}) {
    const char decimal = separator == '.' ? ',' : '.';
    const std::size_t cents = text.find(decimal);
    if (cents != std::string::npos &&
        (text.size() - cents > 3 ||
         text.find_first_not_of("0123456789", cents + 1) != std::string::npos)) {
      continue;
    }
    // Groups of three digits after the first of one to three.
    std::string digits;
    std::size_t groups = 0;
    for (std::size_t from = 0, to = 0; from < std::min(cents, text.size());
         from = to + 1, ++groups) {
      to = std::min(text.find(separator, from), std::min(cents, text.size()));
      const std::size_t length = to - from;
      if (length == 0 || length > 3 || (groups > 0 && length != 3) ||
          text.find_first_not_of("0123456789", from) < to) {
        groups = 0;
        break;
      }
      digits += text.substr(from, length);
    }
    if (groups >= 2) return digits;
  }
  return std::nullopt;
}

// "zeb <amount>" and the switch words among `arguments` as they were
// given, but the one at `amountAt` (0: none).
std::string commandWith(const std::string& amount, int count, const char* const* arguments,
                        int amountAt) {
  std::string command = "zeb " + amount;
  for (int i = 1; i < count; ++i) {
    if (i == amountAt || switchWordOf(arguments[i]) == nullptr) continue;
    command.append(" ").append(arguments[i]);
  }
  return command;
}

}  // namespace

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
    if (const std::optional<std::string> digits = withoutSeparators(given)) {
      amount = *digits;
      hints.push_back("zeb: \"" + given + "\" wurde als " + std::to_string(read) +
                      " Euro gelesen: die Zahl endet am ersten Zeichen, das keine Ziffer ist. " +
                      "Richtig: " + commandWith(amount, count, arguments, amountAt));
    } else if (parseReformAmount(arguments[1])) {
      amount = given;
    } else if (read > 0) {
      amount = std::to_string(read);
    }
  }
  hints.push_back(
      "zeb: Dieser Bericht rechnet nach dem Recht von 2013 mit 16 % Umsatzsteuer. Nach "
      "geltendem Recht: " +
      commandWith(amount + " -2025", count, arguments, amountAt));
  return hints;
}

ReportOptions parseOptions(int count, const char* const* arguments) {
  ReportOptions options;
  if (count <= 2) return options;
  // The scan starts at the amount's own position: "-h 5000" is an HTML
  // report for the amount 0. Of several shares the last counts.
  for (int i = 1; i < count; ++i) {
    if (const SwitchWord* word = switchWordOf(arguments[i])) {
      word->apply(options);
    } else if (std::optional<ShareWon> share = parseShareWon(arguments[i])) {
      options.shareWon = share;
    } else if (const ValuedWord* valued = valuedWordOf(arguments[i])) {
      if (const std::optional<std::int64_t> value =
              valued->parse(arguments[i] + std::strlen(valued->prefix))) {
        valued->apply(valued->claimant ? options.claimantCase : options.defendantCase, *value);
        options.aroundTheLawsuit = true;
      }
    }
  }
  return options;
}

void printBanner(void (*write)(const char* format, ...)) {
  write(
      "\n ************************\n ***       ZEB        ***\n *** %s ***\n"
      " ************************\n\n",
      kMakerNotice);
}

void printUsage(const char* invocationName) {
  printBanner(emit);
  emit(" Version %s, %s\n\n", kVersion, kReleaseDate);
  emit(
      " Berechnet die Gerichts- und Anwaltsgeb\201hren nach dem deutschen Gerichtskostengesetz "
      "und dem Rechtsanwaltsverg\201tungsgesetz.\n");
  emit(" Die \216nderungen zum 01.08.2013 sind ber\201cksichtigt.\n\n");
  emit(" Syntax: %s <Streitwert> [Optionen]\n\n", invocationName);
  emit(" Optionen (durch Leerzeichen getrennt):\n");
  emit("  -k\tNur die Werte f\201r eine Klage    (1. Instanz) werden ausgegeben.\n");
  emit("  -b\tNur die Werte f\201r eine Berufung (2. Instanz) werden ausgegeben.\n");
  emit("  -r\tNur die Werte f\201r eine Revision (3. Instanz) werden ausgegeben.\n");
  emit("  -m\tNur die Werte f\201r ein Mahnverfahren werden ausgegeben.\n");
  emit(
      "  -V\tZus\204tzlich zu den Werten f\201r ein Verfahren mit streitigem Urteil werden die "
      "Werte f\201r einen Proze\341vergleich ausgegeben.\n");
  emit("  -A\tDie Hinweise am Ende der Ausgabe werden weggelassen.\n");
  emit("  -h\tAusgabe im HTML-Format (am besten mit > in eine Datei umleiten).\n");
  emit(
      "  -E\tStatt des Wortes \"Euro\" wird das Euro-Zeichen ausgegeben (nicht unter "
      "DOS/Windows im Textmodus).\n");
  // The switches of the reforms, a column further in, where the longer ones fit.
  emit(
      "  -2025\t\tDie Kosten nach dem Recht bis 31.05.2025 und ab 01.06.2025, auf den Cent "
      "genau.\n");
  emit(
      "  -2021\t\tDie Kosten nach dem Recht bis 31.12.2020 und ab 01.01.2021, auf den Cent "
      "genau.\n");
  emit("  -W\t\tUnter jeder Zeile ihr Rechenweg: jeder Schritt mit seiner Vorschrift.\n");
  emit(
      "  -J\t\tStatt des Berichts seine Zahlen als JSON, jede Zeile mit festem Schl\201ssel "
      "(mit -W samt Rechenweg).\n");
  emit(
      "  -O<Anteil>\tMit -2025 oder -2021: wer die Kosten tr\204gt, wenn der Kl\204ger zu diesem "
      "Anteil obsiegt (-O60, -O33,33 oder -O3/4).\n");
  emit(
      "  -ohneK\tMit -O: der Kl\204ger hat in erster Instanz keinen Anwalt (-ohneB: der "
      "Beklagte).\n");
  emit(
      "  -vorsteuerK\tMit -O: der Kl\204ger zieht Vorsteuer ab, seine Anwaltskosten z\204hlen ohne "
      "Umsatzsteuer (-vorsteuerB: der Beklagte).\n");
  emit(
      "  -GK<Satz>\tMit -2025 oder -2021: der Anwalt des Kl\204gers verdiente vor dem Prozess eine "
      "Gesch\204ftsgeb\201hr (Nr. 2300 VV RVG), -GK allein 1,3 (-GB: des Beklagten).\n");
  emit("  -mahn\t\tMit -2025 oder -2021: der Klage ging ein Mahnverfahren voraus.\n");
  emit(
      "  -auftraggeberK<n>\tMit -2025 oder -2021: der Anwalt des Kl\204gers vertritt n Personen "
      "(Nr. 1008 VV RVG; -auftraggeberB: des Beklagten).\n");
  emit(
      "  -beweisK<Euro>\tMit -2025 oder -2021: Kosten f\201r Zeugen und Sachverst\204ndige, vom "
      "Kl\204ger vorgeschossen (-beweisB: vom Beklagten).\n");
  emit(
      "  -ruecknahme\tMit -2025 oder -2021: dazu das Ende der ersten Instanz durch "
      "Klager\201cknahme "
      "vor der Verhandlung (-anerkenntnis: durch Anerkenntnisurteil, -versaeumnis: durch "
      "Vers\204umnisurteil), etwa zeb 10000 -2025 -k -ruecknahme.\n");
  emit("  \n");
}

}  // namespace zeb
