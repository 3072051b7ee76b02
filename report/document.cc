#include "report/document.h"

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
void writeRule(Buffer& out, const StyleRule& rule, bool braceOnSelectorLine) {
  out.put(std::string_view(rule.selector));
  if (braceOnSelectorLine) {
    out.put("\t{\n");
  } else {
    out.put("\n\t{\n");
  }
  for (const char* declaration : rule.declarations) {
    if (declaration == nullptr) continue;
    out.put('\t');
    out.put(std::string_view(declaration));
    out.put('\n');
  }
  out.put("\t}\n");
}

void writeStyleRules(Buffer& out, bool ways) {
  for (const StyleRule& rule : kPlainRules) writeRule(out, rule, false);
  if (ways) writeRule(out, kDerivationRule, false);
  out.put("\n@media screen\n{\n");
  writeRule(out, kScreenRule, true);
  out.put("}\n\n@media print\n{\n");
  writeRule(out, kPrintRule, false);
  out.put("}\n");
}

}  // namespace

void writeDocumentHead(Buffer& out, std::int64_t amount, const ReportOptions& options,
                       const char* valueName) {
  out.put(
      "<!doctype html public \"-//w3c//dtd html 4.01 Transitional//en\" "
      "\"http://www.w3.org/TR/html4/loose.dtd\">\n"
      "<html lang=\"de\">\n<head>\n<title>\n");
  out.put(kMakerName);
  out.put(" - ZEB - Zebulon - ");
  out.put(std::string_view(valueName));
  out.put(": ");
  out.integer(amount);
  out.put(' ');
  out.put(std::string_view(htmlCurrency(options)));
  out.put(
      "\n</title>\n"
      "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">\n"
      "<meta http-equiv=\"content-style-type\" content=\"text/css\">\n"
      "<meta http-equiv=\"content-language\" content=\"de\">\n\n"
      "<meta name=\"author\" content=\"");
  out.put(kMakerName);
  out.put("\">\n<meta name=\"generator\" content=\"ZEB ");
  out.put(kVersion);
  out.put(
      "\">\n<meta name=\"language\" content=\"de\">\n"
      "<meta name=\"description\" content=\"ZEB: Zebulon f&uuml;r Verfahren an deutschen "
      "Gerichten\">\n<meta name=\"keywords\" content=\"ZEB, Zebulon, ");
  out.put(kMakerName);
  out.put("\">\n\n<style type=\"text/css\">\n<!--\n");
  writeStyleRules(out, options.showDerivations);
  out.put("-->\n</style>\n</head>\n\n<body>\n<p class=\"vorspann\">\nZEB<br>\n");
  out.put(kMakerNotice);
  out.put("\n</p>\n\n<table>\n");
}

void writeTableEnd(Buffer& out) { out.put("</table>\n\n"); }

void writeDocumentClosing(Buffer& out) { out.put("\n</body>\n</html>\n\n"); }

}  // namespace zeb
