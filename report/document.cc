#include "report/document.h"

#include "report/format.h"
#include "report/maker.h"

namespace zeb {
namespace {

// A rule of the style sheet: its selector and up to nine declarations.
struct StyleRule {
  const char* selector;
  const char* declarations[9];
};

// clang-format off

// The style sheet's plain rules, in their order.
constexpr StyleRule kPlainRules[] = {
    {"body", {"font-family:Verdana,Arial,sans-serif;", "font-size:10pt;", "color:#000099;",
              "background-color:#ffe060;", "-moz-hyphens:manual;", "-ms-hyphens:manual;",
              "-webkit-hyphens:manual;", "hyphens:manual;"}},
    {"table", {"border-style:solid;", "border-width:2px;", "border-color:#0000b0;",
               "border-collapse:collapse;", "background-color:#ffcd20;"}},
    {"td,th", {"vertical-align:middle;", "padding:8pt;", "border-style:solid;", "border-width:1px;",
               "border-color:#0000b0;", "height:.5cm;"}},
    {"td", {"text-align:left;"}},
    {"th", {"text-align:center;", "background-color:#ffffa0;"}},
    {".betrag", {"color:#b00000;", "font-weight:bold;", "text-align:right;"}},
    {".prozent", {"color:#000099;", "text-align:right;"}},
    {".alt", {"background-color:#808080;"}},
    {".betrag.alt", {"color:#800000;"}},
    {".ueberschrift, .unterueberschrift", {"font-weight:bold;", "text-align:center;"}},
    {".ueberschrift", {"font-size:13pt;", "background-color:#ffffa0;"}},
    {".unterueberschrift", {"font-size:11pt;", "background-color:#fff440;"}},
    {".anmerkung", {"font-size:14pt;", "border-style:solid;", "border-width:2px;",
                    "border-color:#000099;", "border-collapse:collapse;", "padding:10pt;",
                    "background-color:#ffffa0;"}},
    {".anmerkung *", {"text-align:justify;"}},
    {".vorspann", {"width:5cm;", "font-size:12pt;", "font-weight:bold;", "text-align:center;",
                   "background-color:#ffffa0;", "border-style:solid;", "border-width:2px;",
                   "border-color:#000099;", "padding:.5cm;"}},
};

// Under -W: the way to the values of a row, in small letters.
constexpr StyleRule kDerivationRule = {".rechenweg", {"font-size:8pt;"}};

// List items stand apart on screen.
constexpr StyleRule kScreenRule = {"li", {"margin-top:6pt;"}};

// Print in black on white with grey borders.
constexpr StyleRule kPrintRule = {
    "body, table, td, th, a, .betrag, .prozent, .alt, .betrag.alt, .ueberschrift, "
    ".unterueberschrift, .anmerkung, .vorspann",
    {"font-family:Arial;", "color:#000000;", "background-color:#ffffff;", "border-color:#808080;",
     "border-left-color:#808080;", "border-right-color:#808080;"}};

// clang-format on

// The selector and the brace share a line only inside the screen block.
void writeRule(std::string& out, const StyleRule& rule, bool braceOnSelectorLine) {
  out += rule.selector;
  out += braceOnSelectorLine ? "\t{\n" : "\n\t{\n";
  for (const char* declaration : rule.declarations) {
    if (declaration == nullptr) continue;
    out += '\t';
    out += declaration;
    out += '\n';
  }
  out += "\t}\n";
}

void writeStyleRules(std::string& out, bool ways) {
  for (const StyleRule& rule : kPlainRules) writeRule(out, rule, false);
  if (ways) writeRule(out, kDerivationRule, false);
  out += "\n@media screen\n{\n";
  writeRule(out, kScreenRule, true);
  out += "}\n\n@media print\n{\n";
  writeRule(out, kPrintRule, false);
  out += "}\n";
}

}  // namespace

void writeDocumentHead(std::string& out, std::int64_t amount, const ReportOptions& options) {
  out +=
      "<!doctype html public \"-//w3c//dtd html 4.01 Transitional//en\" "
      "\"http://www.w3.org/TR/html4/loose.dtd\">\n"
      "<html lang=\"de\">\n<head>\n<title>\n";
  appendFormatted(out, "%s - ZEB - Zebulon - Streitwert: %lli %s\n", kMakerName,
                  static_cast<long long>(amount), htmlCurrency(options));
  out +=
      "</title>\n"
      "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">\n"
      "<meta http-equiv=\"content-style-type\" content=\"text/css\">\n"
      "<meta http-equiv=\"content-language\" content=\"de\">\n\n";
  appendFormatted(out, "<meta name=\"author\" content=\"%s\">\n", kMakerName);
  appendFormatted(out, "<meta name=\"generator\" content=\"ZEB %s\">\n", kVersion);
  out +=
      "<meta name=\"language\" content=\"de\">\n"
      "<meta name=\"description\" content=\"ZEB: Zebulon f&uuml;r Verfahren an deutschen "
      "Gerichten\">\n";
  appendFormatted(out, "<meta name=\"keywords\" content=\"ZEB, Zebulon, %s\">\n\n", kMakerName);
  out += "<style type=\"text/css\">\n<!--\n";
  writeStyleRules(out, options.showDerivations);
  appendFormatted(
      out,
      "-->\n</style>\n</head>\n\n<body>\n<p class=\"vorspann\">\nZEB<br>\n%s\n</p>\n\n<table>\n",
      kMakerNotice);
}

void writeTableEnd(std::string& out) { out += "</table>\n\n"; }

void writeDocumentClosing(std::string& out) { out += "\n</body>\n</html>\n\n"; }

}  // namespace zeb
