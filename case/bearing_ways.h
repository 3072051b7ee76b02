// The ways of who bears a block's costs, one column: for each row the
// German steps that lead to its value, each naming its rule, written from
// what the bearing computed.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "case/bearing.h"

namespace zeb {

// What a way says of a block besides its values: how its costs were split
// and why.
struct BlockWords {
  const Ledger* ledger;
  const BlockToBear* block;
  const Parties* parties;
  ShareWon share;
  const std::array<std::string, 2>* shareText;  // each party's part: "40 %", "1/4"
  const EndingRates* ending;             // the ending that puts the costs on one side, or none
  std::optional<std::size_t> appellant;  // an appeal taken as a decision: its appellant
  const char* instanceName;              // "erste Instanz"
  const char* noRefundRule;              // where the instance refunds no lawyer: "§ 12a ..."
};

// The ways of the rows of a split.
struct SplitWays {
  Steps total;
  std::array<Steps, 2> part;
  std::array<Steps, 2> balance;  // by the party that pays
  std::array<Steps, 2> notRefunded;
  std::array<Steps, 2> inAll;
};

SplitWays splitWays(const BlockWords& w, const Split& s);

// The ways of the rows of a split under legal aid.
struct AidedSplitWays {
  Steps total;
  std::array<Steps, 2> share;
  std::array<Steps, 2> balance;  // by the party that pays
  Steps courtRefund;
  std::array<Steps, 2> notRefunded;
  std::array<Steps, 2> receives;
  std::array<Steps, 2> borne;
  Steps state;
  Steps inAll;
};

AidedSplitWays aidedSplitWays(const BlockWords& w, const AidedSplit& a);

// The ways of the rows of a settlement.
struct CancelledWays {
  std::array<Steps, 2> part;
  std::array<Steps, 2> inAll;
  std::array<Steps, 2> receives;
  std::array<Steps, 2> borne;
  Steps state;
};

CancelledWays cancelledWays(const BlockWords& w, const Cancelled& c);

}  // namespace zeb
