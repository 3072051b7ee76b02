#include "report/figures_json.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "report/buffer.h"
#include "report/code_page.h"

namespace zeb {
namespace {

// The bytes that a JSON string writes escaped: the quote, the backslash and
// the control characters.
constexpr std::array<bool, 256> kEscaped = [] {
  std::array<bool, 256> escaped{};
  for (std::size_t c = 0; c < 0x20; ++c) escaped[c] = true;
  escaped['"'] = escaped['\\'] = true;
  return escaped;
}();

// `text` between quotes into `out`, the quote, the backslash and the
// control characters escaped, and from code page 850 the upper half in
// UTF-8: at most six bytes for one.
template <bool kFrom850>
void putQuoted(Buffer& out, std::string_view text) {
  const std::array<Utf8Character, 128>& upper = utf8OfUpperHalf();
  char* end = out.claim(6 * text.size() + 2);
  *end++ = '"';
  for (const char byte : text) {
    const auto c = static_cast<unsigned char>(byte);
    if (kFrom850 && c >= 0x80) {
      const Utf8Character& utf8 = upper[c - 0x80];
      std::memcpy(end, utf8.bytes.data(), utf8.bytes.size());
      end += utf8.size;
    } else if (!kEscaped[c]) {
      *end++ = byte;
    } else if (c == '"' || c == '\\') {
      *end++ = '\\';
      *end++ = byte;
    } else {
      constexpr char kHex[] = "0123456789abcdef";
      end = std::copy_n("\\u00", 4, end);
      *end++ = kHex[c >> 4];
      *end++ = kHex[c & 0xF];
    }
  }
  *end++ = '"';
  out.commit(end);
}

// A JSON document written into one buffer.
class Json {
 public:
  explicit Json(std::size_t size) : text_(size) {}

  template <std::size_t N>
  Json& raw(const char (&literal)[N]) {
    text_.put(literal);
    return *this;
  }

  Json& raw(std::string_view text) {
    text_.put(text);
    return *this;
  }

  template <class Integer>
  Json& integer(Integer value) {
    if constexpr (std::is_unsigned_v<Integer>) {
      text_.number(value);
    } else {
      text_.integer(value);
    }
    return *this;
  }

  // `text`, in UTF-8, as a JSON string.
  Json& string(std::string_view text) {
    putQuoted<false>(text_, text);
    return *this;
  }

  // `text`, in code page 850, as a JSON string of its UTF-8.
  Json& stringOf850(std::string_view text) {
    putQuoted<true>(text_, text);
    return *this;
  }

  // `lines` as an array of strings.
  Json& strings(const std::vector<std::string>& lines) {
    text_.put('[');
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) text_.put(',');
      string(lines[i]);
    }
    text_.put(']');
    return *this;
  }

  // A money value or a change. Of a reform: the exact decimal, from its
  // whole units. Of the report of 2013: 17 significant digits give the
  // double back exactly, and so the single-precision value it holds; JSON
  // has no infinity.
  Json& number(const Figure& figure) {
    if (const Decimal* exact = std::get_if<Decimal>(&figure)) {
      char digits[kDecimalChars];
      text_.put(std::string_view(digits,
                                 static_cast<std::size_t>(writeDecimal(digits, *exact) - digits)));
      return *this;
    }
    const double value = std::get<float>(figure);
    if (!std::isfinite(value)) return raw("null");
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.17g", value);
    return raw(std::string_view(digits));
  }

  Buffer done() { return std::move(text_); }

 private:
  Buffer text_;
};

void writeRow(Json& json, const Figures& figures, const std::vector<std::string>& paths,
              const FigureRow& row) {
  json.raw(R"({"key":")").raw(blockPath(figures, paths, row)).raw(".");
  json.raw(std::string_view(row.keyPart));
  const MarkedLabel split = markedLabel(row.shown.inText());
  json.raw(R"(","label":)").stringOf850(split.label).raw(R"(,"note":)");
  if (split.note != 0) {
    json.integer(split.note);
  } else {
    json.raw("null");
  }
  json.raw(R"(,"old":)").number(row.oldValue).raw(R"(,"new":)").number(row.newValue);
  json.raw(R"(,"basis":)").integer(row.percentBasis);
  if (const auto& c = row.comparison) {
    json.raw(R"(,"oldPercent":)").integer(c->oldPercent);
    json.raw(R"(,"newPercent":)").integer(c->newPercent);
    if (c->change) {
      json.raw(R"(,"direction":")").raw(std::string_view(&c->direction, 1)).raw(R"(","change":)");
      json.number(*c->change);
    } else {
      json.raw(R"(,"direction":null,"change":null)");
    }
  } else {
    json.raw(R"(,"oldPercent":null,"newPercent":null,"direction":null,"change":null)");
  }
  // The way to each value; a row with one value has one.
  if (!figures.withWays) {
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

void putJsonString(Buffer& out, std::string_view text) { putQuoted<false>(out, text); }

Buffer figuresJson(const Figures& figures) {
  // Some 300 bytes a row without its way.
  Json json(512 + 320 * figures.rows.size());
  json.raw(R"({"status":)").integer(figures.status);
  if (figures.status != 0) {
    json.raw(R"(,"amount":null,"columns":null)");
  } else {
    json.raw(R"(,"amount":)").integer(figures.amount);
    json.raw(R"(,"columns":[)")
        .string(columnCaption(figures.reform, Schedule::Old, figures.byDays))
        .raw(",");
    json.string(columnCaption(figures.reform, Schedule::New, figures.byDays)).raw("]");
  }
  json.raw(R"(,"remarks":[)");
  if (figures.valueCapped) json.stringOf850(valueCapLine("Euro"));
  json.raw("]");
  const std::vector<std::string> paths = headingPaths(figures);
  json.raw(R"(,"headings":[)");
  for (std::size_t i = 0; i < figures.headings.size(); ++i) {
    const FigureHeading& heading = figures.headings[i];
    json.raw(i > 0 ? std::string_view(R"(,{"key":)") : std::string_view(R"({"key":)"));
    json.string(paths[i]);
    json.raw(R"(,"level":)").integer(heading.level);
    json.raw(R"(,"label":)").stringOf850(heading.shown.text);
    json.raw(R"(,"row":)").integer(heading.firstRow).raw("}");
  }
  json.raw(R"(],"rows":[)");
  for (std::size_t i = 0; i < figures.rows.size(); ++i) {
    if (i > 0) json.raw(",");
    writeRow(json, figures, paths, figures.rows[i]);
  }
  json.raw("]}\n");
  return json.done();
}

}  // namespace zeb
