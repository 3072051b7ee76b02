#include "report/figures_json.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace zeb {
namespace {

// A JSON document written into one string.
class Json {
 public:
  explicit Json(std::size_t size) { text_.reserve(size); }

  Json& raw(std::string_view text) {
    text_ += text;
    return *this;
  }

  template <class Integer>
  Json& integer(Integer value) {
    char digits[24];
    text_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    return *this;
  }

  // `text` as a JSON string: its runs of plain characters written whole.
  Json& string(std::string_view text) {
    text_ += '"';
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto c = static_cast<unsigned char>(text[i]);
      if (c != '"' && c != '\\' && c >= 0x20) continue;
      text_.append(text, plain, i - plain);
      if (c == '"' || c == '\\') {
        text_ += '\\';
        text_ += static_cast<char>(c);
      } else {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04x", c);
        text_ += escape;
      }
      plain = i + 1;
    }
    text_.append(text, plain);
    text_ += '"';
    return *this;
  }

  // `lines` as an array of strings.
  Json& strings(const std::vector<std::string>& lines) {
    text_ += '[';
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) text_ += ',';
      string(lines[i]);
    }
    text_ += ']';
    return *this;
  }

  // A money value or a change. Of a reform: the exact decimal, from its
  // whole units. Of the report of 2013: 17 significant digits give the
  // double back exactly, and so the single-precision value it holds; JSON
  // has no infinity.
  Json& number(const Figure& figure) {
    if (const Decimal* exact = std::get_if<Decimal>(&figure)) return raw(decimalText(*exact));
    const double value = std::get<float>(figure);
    if (!std::isfinite(value)) return raw("null");
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.17g", value);
    return raw(digits);
  }

  std::string take() { return std::move(text_); }

 private:
  std::string text_;
};

void writeRow(Json& json, const FigureRow& row, bool withWays) {
  json.raw(R"({"key":)").string(row.key).raw(R"(,"label":)").string(row.label);
  json.raw(R"(,"note":)");
  if (row.note != 0) {
    json.integer(row.note);
  } else {
    json.raw("null");
  }
  json.raw(R"(,"old":)").number(row.oldValue).raw(R"(,"new":)").number(row.newValue);
  json.raw(R"(,"basis":)").integer(row.percentBasis);
  if (const auto& c = row.comparison) {
    json.raw(R"(,"oldPercent":)").integer(c->oldPercent);
    json.raw(R"(,"newPercent":)").integer(c->newPercent);
    if (c->change) {
      json.raw(R"(,"direction":")").raw({&c->direction, 1}).raw(R"(","change":)");
      json.number(*c->change);
    } else {
      json.raw(R"(,"direction":null,"change":null)");
    }
  } else {
    json.raw(R"(,"oldPercent":null,"newPercent":null,"direction":null,"change":null)");
  }
  // The way to each value; a row with one value has one.
  if (!withWays) {
    json.raw(R"(,"derivation":null)");
  } else {
    json.raw(R"(,"derivation":{"old":)").strings(row.derivation[0]).raw(R"(,"new":)");
    if (row.percentBasis == 0) {
      json.raw("null");
    } else {
      json.strings(row.derivation[1]);
    }
    json.raw("}");
  }
  // The indices of the headings it stands under.
  json.raw(R"(,"headings":[)");
  if (row.section >= 0) json.integer(row.section);
  if (row.section >= 0 && row.variant >= 0) json.raw(",");
  if (row.variant >= 0) json.integer(row.variant);
  json.raw("]}");
}

}  // namespace

std::string figuresJson(const Figures& figures) {
  // Some 300 bytes a row without its way.
  Json json(512 + 320 * figures.rows.size());
  json.raw(R"({"status":)").integer(figures.status);
  if (figures.status != 0) {
    json.raw(R"(,"amount":null,"columns":null)");
  } else {
    json.raw(R"(,"amount":)").integer(figures.amount);
    json.raw(R"(,"columns":[)").string(figures.oldColumn).raw(",").string(figures.newColumn);
    json.raw("]");
  }
  json.raw(R"(,"remarks":)").strings(figures.remarks);
  json.raw(R"(,"headings":[)");
  for (std::size_t i = 0; i < figures.headings.size(); ++i) {
    const FigureHeading& heading = figures.headings[i];
    json.raw(i > 0 ? R"(,{"key":)" : R"({"key":)").string(heading.key);
    json.raw(R"(,"level":)").integer(heading.level);
    json.raw(R"(,"label":)").string(heading.label);
    json.raw(R"(,"row":)").integer(heading.firstRow).raw("}");
  }
  json.raw(R"(],"rows":[)");
  for (std::size_t i = 0; i < figures.rows.size(); ++i) {
    if (i > 0) json.raw(",");
    writeRow(json, figures.rows[i], figures.withWays);
  }
  json.raw("]}\n");
  return json.take();
}

}  // namespace zeb
