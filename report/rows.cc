#include "report/rows.h"

#include <cstring>
#include <string>
#include <string_view>

#include "report/code_page.h"

namespace zeb {
namespace {

constexpr std::size_t kLabelColumn = 50;

// Runs of rule characters, as long as the column header's rule.
constexpr std::string_view kDoubleRule =
    "=================================================================================";
constexpr std::string_view kSingleRule =
    "---------------------------------------------------------------------------------";
static_assert(kDoubleRule.size() == 81 && kSingleRule.size() == kDoubleRule.size());

// `text` left-aligned in `width` columns, as "%-*s" writes it.
void putLeft(Buffer& out, std::string_view text, std::size_t width) {
  out.put(text);
  if (text.size() < width) out.fill(' ', width - text.size());
}

bool html(const TableStyle& style) { return style.mode == OutputMode::Html; }

// Under -W, the way to a row's values after the row: in text its steps
// indented under a line for each column, in HTML a row of the table that
// spans it. A row with one value shows its first column alone.
void writeDerivation(Buffer& out, const FigureRow& row, const TableStyle& style) {
  const bool singleValue = row.percentBasis == 0;
  const std::string columns[2] = {
      singleValue ? std::string() : columnWayName(style.reform, Schedule::Old, style.byDays),
      columnWayName(style.reform, Schedule::New, style.byDays)};
  const std::size_t shown = singleValue ? 1 : 2;
  if (html(style)) {
    out.put("<tr class=\"rechenweg\">\n<td colspan=\"6\"><dl>\n");
    for (std::size_t s = 0; s < shown; ++s) {
      out.put("<dt>Rechenweg");
      out.put(columns[s]);
      out.put(":</dt>\n<dd>");
      for (std::size_t i = 0; i < row.derivation[s].size(); ++i) {
        if (i > 0) out.put("<br>\n");
        out.put(htmlFromUtf8(row.derivation[s][i], style.currency));
      }
      out.put("</dd>\n");
    }
    out.put("</dl></td>\n</tr>\n\n");
    return;
  }
  for (std::size_t s = 0; s < shown; ++s) {
    out.put("    Rechenweg");
    out.put(columns[s]);
    out.put(":\n");
    for (const std::string& line : row.derivation[s]) {
      out.put("        ");
      out.put(codePage850FromUtf8(line, style.currency));
      out.put('\n');
    }
  }
}

// Writing through a pointer into room claimed before: a literal copied
// whole, a short run character by character, the rest by memcpy.
template <std::size_t N>
char* put(char* at, const char (&literal)[N]) {
  std::memcpy(at, literal, N - 1);
  return at + N - 1;
}

char* put(char* at, std::string_view text) {
  if (text.size() > 16) {
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
  }
  for (const char c : text) *at++ = c;
  return at;
}

char* spaces(char* at, std::size_t count) {
  for (; count > 0; --count) *at++ = ' ';
  return at;
}

// " % des Streitwertes" and `after`: the per cent sign and the value it is
// of, in HTML after a no-break space.
char* putPercentOf(char* at, const char* valueName, std::string_view after, bool html) {
  at = put(at, html ? "&nbsp;% des " : " % des ");
  at = put(at, valueName);
  at = put(at, "es");
  return put(at, after);
}

// `figure` with `places` decimals, right-aligned in `width` columns.
char* putFigure(char* at, const Figure& figure, int places, std::size_t width) {
  char text[kFigureChars];
  const std::string_view written(
      text, static_cast<std::size_t>(writeFigure(text, figure, places) - text));
  if (written.size() < width) at = spaces(at, width - written.size());
  return put(at, written);
}

// A whole per cent as "%4i" writes it.
char* putPercent(char* at, std::int32_t percent) {
  char digits[16];
  char* start = digits + sizeof digits;
  // The size in unsigned arithmetic, where even the least number has one.
  const auto bits = static_cast<std::uint32_t>(percent);
  std::uint32_t size = percent < 0 ? 0 - bits : bits;
  do {
    *--start = static_cast<char>('0' + size % 10);
    size /= 10;
  } while (size != 0);
  if (percent < 0) *--start = '-';
  const std::string_view written(start, static_cast<std::size_t>(digits + sizeof digits - start));
  if (written.size() < 4) at = spaces(at, 4 - written.size());
  return put(at, written);
}

// The room a row needs beside its label and currencies.
constexpr std::size_t kRowRoom = 4 * kFigureChars + 400;

void writeHtmlRow(Buffer& out, const FigureRow& row, const TableStyle& style) {
  const std::string_view label = row.shown.inHtml();
  const std::string_view currency = style.currency;
  char* at = out.claim(label.size() + 2 * currency.size() + kRowRoom);
  at = put(at, "<tr>\n<td>");
  at = put(at, label);
  if (row.perCent) {
    // Per cents in both columns, with no per cents of the amount.
    at = put(at, "</td>\n<td class=\"betrag alt\">");
    at = putFigure(at, row.oldValue, 2, 9);
    at = put(at, "&nbsp;%</td>\n<td>&nbsp;</td>\n<td class=\"betrag\">");
    at = putFigure(at, row.newValue, 2, 9);
    at = put(at, "&nbsp;%</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n</tr>\n\n");
    out.commit(at);
    return;
  }
  if (!row.comparison) {
    at = put(at, "</td>\n<td class=\"betrag\">");
    at = putFigure(at, row.oldValue, 2, 9);
    at = put(at, "&nbsp;");
    at = put(at, currency);
    at = put(
        at, "</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n</tr>\n\n");
    out.commit(at);
    return;
  }
  const Comparison& c = *row.comparison;
  at = put(at, "</td>\n<td class=\"betrag alt\">");
  at = putFigure(at, row.oldValue, 2, 9);
  at = put(at, "&nbsp;");
  at = put(at, currency);
  at = put(at, "</td>\n<td class=\"prozent alt\">= ");
  at = putPercent(at, c.oldPercent);
  at = putPercentOf(at, style.valueName, "</td>\n<td class=\"betrag\">", true);
  at = putFigure(at, row.newValue, 2, 9);
  at = put(at, "&nbsp;");
  at = put(at, currency);
  at = put(at, "</td>\n<td class=\"prozent\">= ");
  at = putPercent(at, c.newPercent);
  at = putPercentOf(at, style.valueName, "</td>\n", true);
  if (c.change) {
    at = put(at, "<td class=\"prozent\">");
    *at++ = c.direction;
    *at++ = ' ';
    at = putFigure(at, *c.change, 1, 4);
    at = put(at, "&nbsp;%</td>\n</tr>\n\n");
  } else {
    // A row whose old value is 0 has no change to show.
    at = put(at, "<td>&nbsp;</td>\n</tr>\n\n");
  }
  out.commit(at);
}

void writeTextRow(Buffer& out, const FigureRow& row, const TableStyle& style) {
  const std::string_view label = row.shown.inText();
  const std::string_view currency = style.currency;
  char* at = out.claim(label.size() + 2 * currency.size() + kRowRoom);
  // The label column, one narrower or wider by the row's adjustment.
  const std::size_t column =
      row.comparison
          ? static_cast<std::size_t>(static_cast<int>(kLabelColumn) + row.labelWidthAdjustment)
          : kLabelColumn;
  at = put(at, label);
  if (label.size() < column) at = spaces(at, column - label.size());
  if (row.perCent) {
    // Per cents in both columns; five tabs set the new one where an
    // amount's new value stands.
    at = putFigure(at, row.oldValue, 2, 12);
    at = put(at, " %\t\t\t\t\t");
    at = putFigure(at, row.newValue, 2, 12);
    at = put(at, " %\n");
    out.commit(at);
    return;
  }
  if (!row.comparison) {
    at = putFigure(at, row.oldValue, 2, 11);
    *at++ = ' ';
    at = put(at, currency);
    *at++ = '\n';
    out.commit(at);
    return;
  }
  const Comparison& c = *row.comparison;
  at = putFigure(at, row.oldValue, 2, 12);
  *at++ = ' ';
  at = put(at, currency);
  at = put(at, "\t=");
  at = putPercent(at, c.oldPercent);
  at = putPercentOf(at, style.valueName, "\t", false);
  at = putFigure(at, row.newValue, 2, 12);
  *at++ = ' ';
  at = put(at, currency);
  at = put(at, "\t=");
  at = putPercent(at, c.newPercent);
  at = putPercentOf(at, style.valueName, "", false);
  if (c.change) {
    at = put(at, "    = ");
    *at++ = c.direction;
    *at++ = ' ';
    at = putFigure(at, *c.change, 1, 4);
    at = put(at, " %");
  }
  *at++ = '\n';
  out.commit(at);
}

}  // namespace

void writeColumnHeader(Buffer& out, const TableStyle& style) {
  const std::string until = columnCaption(style.reform, Schedule::Old, style.byDays);
  const std::string from = columnCaption(style.reform, Schedule::New, style.byDays);
  if (html(style)) {
    out.put("<tr>\n<th>Position</th>\n<th colspan=\"2\">");
    out.put(until);
    out.put("</th>\n<th colspan=\"2\">");
    out.put(from);
    out.put("</th>\n<th>Ver&auml;nderung</th>\n</tr>\n\n");
    return;
  }
  out.put(kDoubleRule);
  out.put('\n');
  putLeft(out, "Position", kLabelColumn);
  out.put(until);
  out.put("\t\t\t\t");
  out.put(from);
  out.put("\t\t\tVer\204nderung\n");
}

void writeRow(Buffer& out, const FigureRow& row, const TableStyle& style) {
  if (html(style)) {
    writeHtmlRow(out, row, style);
  } else {
    writeTextRow(out, row, style);
  }
  if (style.ways) writeDerivation(out, row, style);
}

void writeValueCap(Buffer& out, const TableStyle& style) {
  if (html(style)) {
    out.put(
        "<tr>\n<td colspan=\"6\">Der Streitwert z&auml;hlt h&ouml;chstens mit 30.000.000&nbsp;");
    out.put(std::string_view(style.currency));
    out.put(
        " (&sect;&nbsp;39 Abs.&nbsp;2 GKG; &sect;&nbsp;22 Abs.&nbsp;2 RVG f&uuml;r einen "
        "Auftraggeber in derselben Angelegenheit).</td>\n</tr>\n\n");
    return;
  }
  out.put(valueCapLine(style.currency));
  out.put('\n');
}

void writeHeading(Buffer& out, const FigureHeading& heading, OutputMode mode) {
  const bool subHeading = heading.level == 2;
  if (mode == OutputMode::Html) {
    if (subHeading) {
      out.put("\n<tr>\n<th class=\"unterueberschrift\" colspan=\"6\">");
    } else {
      out.put("\n<tr>\n<th class=\"ueberschrift\" colspan=\"6\">");
    }
    out.put(std::string_view(heading.shown.html));
    out.put(":</th>\n</tr>\n\n");
    return;
  }
  // Centred in 80 columns: the right run takes the odd character. Labels of
  // 78 characters and more get no rule at all.
  const std::string_view rule = subHeading ? kSingleRule : kDoubleRule;
  const auto length = static_cast<long>(std::strlen(heading.shown.text));
  const long left = (80 - length) / 2 - 1;
  const long right = 78 - length - left;
  out.put(rule.substr(0, static_cast<std::size_t>(left > 0 ? left : 0)));
  out.put(' ');
  out.put(std::string_view(heading.shown.text));
  out.put(": ");
  out.put(rule.substr(0, static_cast<std::size_t>(right > 0 ? right : 0)));
  out.put('\n');
}

}  // namespace zeb
