#include "run/command_line.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "report/maker.h"
#include "report/output.h"

namespace zeb {
namespace {

struct SwitchWord {
  const char* word;
  void (*apply)(ReportOptions& options);
};

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
};
// clang-format on

// The switch word that `argument` is, compared whole, or none.
const SwitchWord* switchWordOf(const char* argument) {
  for (const SwitchWord& word : kSwitchWords) {
    if (std::strcmp(argument, word.word) == 0) return &word;
  }
  return nullptr;
}

// White space as the C locale's isspace sees it.
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

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

void printAmountRefused(int count, const char* const* arguments) {
  // The argument as given, its bytes outside printable ASCII shown as "?":
  // the message is code page 850, the argument in the user's own encoding.
  std::string given = arguments[1];
  for (char& c : given) {
    if (c < ' ' || c > '~') c = '?';
  }
  // The right form: an amount written elsewhere comes first, then the
  // switch words as they were given.
  std::string amount = "<Streitwert>";
  int amountAt = 0;
  for (int i = 2; i < count && amountAt == 0; ++i) {
    if (parseReformAmount(arguments[i])) {
      amount = arguments[i];
      amountAt = i;
    }
  }
  std::string command = "zeb " + amount;
  for (int i = 1; i < count; ++i) {
    if (i != amountAt && switchWordOf(arguments[i]) != nullptr) {
      command.append(" ").append(arguments[i]);
    }
  }
  emitDiagnostic(
      "zeb: \"%s\" ist kein Streitwert. Der Streitwert steht an erster Stelle und besteht nur aus "
      "Ziffern:\n ganze Euro, mindestens 1, ohne Punkt und Komma (5000, nicht 5.000).\n"
      " Richtig: %s\n",
      given.c_str(), command.c_str());
}

ReportOptions parseOptions(int count, const char* const* arguments) {
  ReportOptions options;
  if (count <= 2) return options;
  // The scan starts at the amount's own position: "-h 5000" is an HTML
  // report for the amount 0.
  for (int i = 1; i < count; ++i) {
    if (const SwitchWord* word = switchWordOf(arguments[i])) word->apply(options);
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
  emit("  \n");
}

}  // namespace zeb
