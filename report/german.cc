#include "report/german.h"

#include <algorithm>

#include "report/figures.h"

namespace zeb {

std::string germanNumber(std::string_view printed) {
  const bool negative = printed.starts_with('-');
  if (negative) printed.remove_prefix(1);
  const std::size_t point = std::min(printed.find('.'), printed.size());
  std::string german = negative ? "-" : "";
  for (std::size_t i = 0; i < point; ++i) {
    if (i > 0 && (point - i) % 3 == 0) german += '.';
    german += printed[i];
  }
  if (point < printed.size()) german.append(",").append(printed.substr(point + 1));
  return german;
}

std::string eurosOfPrinted(std::string_view printed) { return germanNumber(printed) + " €"; }

std::string euros(Cents amount) { return eurosOfPrinted(decimalText({amount.count, 2})); }

std::string euros(float amount) { return eurosOfPrinted(figureText(amount, 2)); }

std::string wholeEuros(std::uint64_t amount) { return germanNumber(std::to_string(amount)) + " €"; }

std::string tenths(int tenths) { return germanNumber(decimalText({tenths, 1})); }

}  // namespace zeb
