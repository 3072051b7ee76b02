#include "report/rows.h"

#include <charconv>
#include <cstring>
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

// `text` right-aligned in `width` columns, as "%*s" writes it.
void appendRight(std::string& out, std::string_view text, std::size_t width) {
  if (text.size() < width) out.append(width - text.size(), ' ');
  out += text;
}

// `text` left-aligned in `width` columns, as "%-*s" writes it.
void appendLeft(std::string& out, std::string_view text, std::size_t width) {
  out += text;
  if (text.size() < width) out.append(width - text.size(), ' ');
}

// A whole per cent as "%4i" writes it.
void appendPercent(std::string& out, std::int32_t percent) {
  char digits[16];
  const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, percent);
  appendRight(out, std::string_view(digits, static_cast<std::size_t>(end.ptr - digits)), 4);
}

bool html(const TableStyle& style) { return style.mode == OutputMode::Html; }

// Under -W, the way to a row's values after the row: in text its steps
// indented under a line for each column, in HTML a row of the table that
// spans it. A row with one value shows its first column alone.
void writeDerivation(std::string& out, const FigureRow& row, const TableStyle& style) {
  const bool singleValue = row.percentBasis == 0;
  const std::string columns[2] = {
      singleValue ? std::string()
                  : std::string(" bis ") + editionOf(style.reform, Schedule::Old).inForceUntil,
      std::string(" ab ") + editionOf(style.reform, Schedule::New).inForceFrom};
  const std::size_t shown = singleValue ? 1 : 2;
  if (html(style)) {
    out += "<tr class=\"rechenweg\">\n<td colspan=\"6\"><dl>\n";
    for (std::size_t s = 0; s < shown; ++s) {
      out += "<dt>Rechenweg" + columns[s] + ":</dt>\n<dd>";
      for (std::size_t i = 0; i < row.derivation[s].size(); ++i) {
        if (i > 0) out += "<br>\n";
        out += htmlFromUtf8(row.derivation[s][i], style.currency);
      }
      out += "</dd>\n";
    }
    out += "</dl></td>\n</tr>\n\n";
    return;
  }
  for (std::size_t s = 0; s < shown; ++s) {
    out += "    Rechenweg" + columns[s] + ":\n";
    for (const std::string& line : row.derivation[s]) {
      out += "        " + codePage850FromUtf8(line, style.currency) + "\n";
    }
  }
}

}  // namespace

void writeColumnHeader(std::string& out, const TableStyle& style) {
  const std::string until = columnCaption(style.reform, Schedule::Old);
  const std::string from = columnCaption(style.reform, Schedule::New);
  if (html(style)) {
    out += "<tr>\n<th>Position</th>\n<th colspan=\"2\">" + until + "</th>\n<th colspan=\"2\">" +
           from + "</th>\n<th>Ver&auml;nderung</th>\n</tr>\n\n";
    return;
  }
  out += kDoubleRule;
  out += '\n';
  appendLeft(out, "Position", kLabelColumn);
  out += until + "\t\t\t\t" + from + "\t\t\tVer\204nderung\n";
}

void writeRow(std::string& out, const FigureRow& row, const TableStyle& style) {
  // An amount as "%12.2f" or "%9.2f" writes it, with the currency after it.
  const auto amount = [&](const Figure& value, std::size_t width) {
    appendFigure(out, value, 2, width);
    out += html(style) ? "&nbsp;" : " ";
    out += style.currency;
  };
  if (!row.comparison) {
    if (html(style)) {
      out += "<tr>\n<td>";
      out += row.shown.inHtml();
      out += "</td>\n<td class=\"betrag\">";
      amount(row.oldValue, 9);
      out += "</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n</tr>\n\n";
    } else {
      appendLeft(out, row.shown.inText(), kLabelColumn);
      amount(row.oldValue, 11);
      out += '\n';
    }
  } else if (const Comparison& c = *row.comparison; html(style)) {
    out += "<tr>\n<td>";
    out += row.shown.inHtml();
    out += "</td>\n<td class=\"betrag alt\">";
    amount(row.oldValue, 9);
    out += "</td>\n<td class=\"prozent alt\">= ";
    appendPercent(out, c.oldPercent);
    out += "&nbsp;% des Streitwertes</td>\n<td class=\"betrag\">";
    amount(row.newValue, 9);
    out += "</td>\n<td class=\"prozent\">= ";
    appendPercent(out, c.newPercent);
    out += "&nbsp;% des Streitwertes</td>\n";
    if (c.change) {
      out += "<td class=\"prozent\">";
      out += c.direction;
      out += ' ';
      appendFigure(out, *c.change, 1, 4);
      out += "&nbsp;%</td>\n</tr>\n\n";
    } else {
      // A row whose old value is 0 has no change to show.
      out += "<td>&nbsp;</td>\n</tr>\n\n";
    }
  } else {
    // The column is one narrower or wider by the row's adjustment.
    const int column = static_cast<int>(kLabelColumn) + row.labelWidthAdjustment;
    const auto width = static_cast<std::size_t>(column);
    appendLeft(out, row.shown.inText(), width);
    amount(row.oldValue, 12);
    out += "\t=";
    appendPercent(out, c.oldPercent);
    out += " % des Streitwertes\t";
    amount(row.newValue, 12);
    out += "\t=";
    appendPercent(out, c.newPercent);
    out += " % des Streitwertes";
    if (c.change) {
      out += "    = ";
      out += c.direction;
      out += ' ';
      appendFigure(out, *c.change, 1, 4);
      out += " %";
    }
    out += '\n';
  }
  if (style.ways) writeDerivation(out, row, style);
}

void writeValueCap(std::string& out, const TableStyle& style) {
  if (html(style)) {
    out += "<tr>\n<td colspan=\"6\">Der Streitwert z&auml;hlt h&ouml;chstens mit 30.000.000&nbsp;";
    out += style.currency;
    out +=
        " (&sect;&nbsp;39 Abs.&nbsp;2 GKG; &sect;&nbsp;22 Abs.&nbsp;2 RVG f&uuml;r einen "
        "Auftraggeber in derselben Angelegenheit).</td>\n</tr>\n\n";
    return;
  }
  out += valueCapLine(style.currency) + "\n";
}

void writeHeading(std::string& out, const FigureHeading& heading, OutputMode mode) {
  const bool subHeading = heading.level == 2;
  if (mode == OutputMode::Html) {
    out += subHeading ? "\n<tr>\n<th class=\"unterueberschrift\" colspan=\"6\">"
                      : "\n<tr>\n<th class=\"ueberschrift\" colspan=\"6\">";
    out += heading.shown.html;
    out += ":</th>\n</tr>\n\n";
    return;
  }
  // Centred in 80 columns: the right run takes the odd character. Labels of
  // 78 characters and more get no rule at all.
  const std::string_view rule = subHeading ? kSingleRule : kDoubleRule;
  const auto length = static_cast<long>(std::strlen(heading.shown.text));
  const long left = (80 - length) / 2 - 1;
  const long right = 78 - length - left;
  out += rule.substr(0, static_cast<std::size_t>(left > 0 ? left : 0));
  out += ' ';
  out += heading.shown.text;
  out += ": ";
  out += rule.substr(0, static_cast<std::size_t>(right > 0 ? right : 0));
  out += '\n';
}

}  // namespace zeb
