// The way to a row's values (Rechenweg): for each column the steps that
// made its value, a German line each, in UTF-8 with amounts in euros
// ("1.078,44 €"). Every step names the rule it applies; the last ends with
// the value as the row shows it.
#pragma once
#include <array>
#include <string>
#include <vector>

namespace zeb {

// The steps to one value.
using Steps = std::vector<std::string>;

// The steps of the old column and of the new one. A row that shows one
// value alone has its steps in the first.
using Derivation = std::array<Steps, 2>;

}  // namespace zeb
