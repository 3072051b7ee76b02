// Who bears the costs of a reform's report: by the claimant's share won,
// each instance's costs split between the parties (§§ 91, 92, 104 ZPO),
// the balance of the first instance (§ 106 ZPO), the costs of a settlement
// cancelled against each other (§ 98 ZPO), and each party's part over the
// instances, all in whole cents.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <utility>

#include "case/appeal.h"
#include "case/ledger.h"
#include "case/reckoning.h"
#include "report/figures.h"
#include "report/report_options.h"

namespace zeb {

// An instance section as the cost risk sees it: its name in a way, whether
// it is the first instance, and the sum over instances that its parts
// enter, alone or added to the parts through the appeal.
struct RiskInstance {
  const char* name;  // "erste Instanz"
  bool first;
  TotalsField target;
  bool added;
  // An appeal taken as a decision: split by its own success, its court fee
  // advanced by the appellant, with a balance.
  bool decided = false;
};

// The rows of the cost risk of one report, added to its figures after the
// blocks they follow, and each party's parts summed over the instances. A
// reform's rows are sums over the ledgers of its case.
class CostRisk {
 public:
  // The rows go into `figures`, with their ways where those record them;
  // the costs they split are those of `ledgers`.
  CostRisk(const ReportOptions& options, Figures& figures, const Ledgers& ledgers);

  // After the judgement `matter` of `instance`: the costs to distribute,
  // each party's part and, in the first instance, the balance.
  void afterJudgement(const ReckoningInCents& r, const RiskInstance& instance,
                      const Matter& matter);
  // After the block `matter` of a first instance that ends as `ending`
  // says: as after a judgement, but the party the ending names bears all,
  // the balance counts the court fee the ending leaves of the judgement's,
  // and nothing enters the sums over instances.
  void afterEnding(const ReckoningInCents& r, const RiskInstance& instance,
                   const EndingRates& ending, const Matter& matter);
  // After the settlement `matter`: each party's costs, cancelled against
  // each other.
  void afterSettlement(const ReckoningInCents& r, const RiskInstance& instance,
                       const Matter& matter);
  // After the totals over instances: each party's part along each path;
  // with an appeal taken as a decision, through the appeal alone, and
  // whether the appeal pays.
  void afterTotals(const ReckoningInCents& r);

  // Under legal aid, what the last judgement cost in all: the court costs
  // and what each lawyer receives, the sum of what the parties and the
  // state bear of it; the ways to it where recorded. None without legal
  // aid.
  const std::optional<PerSchedule<Cents>>& aidedInAll() const { return inAll_; }
  const Way* aidedInAllWay(std::size_t s) const { return recordsWays_ ? &inAllWays_[s] : nullptr; }

  // The report of 2013 has no cost risk: its command line is refused.
  void afterJudgement(const Reckoning2013&, const RiskInstance&, const Matter&) {}
  void afterSettlement(const Reckoning2013&, const RiskInstance&, const Matter&) {}
  void afterTotals(const Reckoning2013&) {}

 private:
  // What enters the costs to distribute, and who advanced it: the court
  // fees (advanced by the claimant, § 12 Abs. 1 GKG), each party's
  // evidence advance and its lawyer costs as the opponent refunds them;
  // and what of its lawyers' bills no one refunds it.
  struct Distributed {
    Cents court;
    std::array<Cents, 2> evidence;
    std::array<Cents, 2> lawyers;
    std::array<Cents, 2> notRefunded;

    Cents total() const { return court + evidence[0] + evidence[1] + lawyers[0] + lawyers[1]; }
    Cents byClaimant() const { return court + evidence[0] + lawyers[0]; }
  };

  // Each party's part of a block's costs and what no one refunds it, and
  // the ways to the parts.
  struct Split {
    std::array<PerSchedule<Cents>, 2> borne;
    std::array<PerSchedule<Cents>, 2> notRefunded;
    std::array<Recorded<Way>, 2> parts;
    // Under legal aid: what the state bears, its way, and the costs in all.
    PerSchedule<Cents> state{};
    std::optional<Recorded<Way>> stateWays{};
    PerSchedule<Cents> inAll{};
    PerSchedule<Steps> inAllSteps{};
  };

  // Adds the rows that split the costs of the block `matter` of
  // `instance`: by the share won, or as `ending` says.
  Split split(const ReckoningInCents& r, const RiskInstance& instance, const Matter& matter,
              const EndingRates* ending) const;
  // The same where a party has legal aid: the lawyer costs alone are
  // balanced between the parties; each party's part of the court costs,
  // what the state pays and gets back, and what each lawyer receives.
  Split splitWithAid(const ReckoningInCents& r, const RiskInstance& instance, const Matter& matter,
                     const EndingRates* ending) const;
  // After the settlement `matter` under legal aid, whose parts `parts`
  // are: each party's and the state's part in the end, and what the
  // assigned lawyers receive.
  void settlementWithAid(const ReckoningInCents& r, const Matter& matter,
                         const std::array<PerSchedule<Cents>, 2>& parts);
  // The share of the costs for a block: as won, or as `ending` fixes it,
  // and how each party's part is written.
  std::pair<ShareWon, std::array<std::string, 2>> shareFor(const EndingRates* ending,
                                                           const RiskInstance& instance) const;

  // What the block `matter` of `instance` distributes, by `ledger`, and the
  // steps of its way.
  Distributed distributed(const ReckoningInCents& r, const Ledger& ledger,
                          const RiskInstance& instance, const Matter& matter, Steps* steps) const;
  // A party's lawyer costs in the block `matter` of `instance`, as it bears
  // them, and their way's steps.
  Cents lawyerCosts(std::size_t party, const Ledger& ledger, const Matter& matter,
                    const RiskInstance& instance, Steps* steps) const;
  // A bill as `party` bears and claims it: without VAT where it deducts
  // input tax.
  Cents costsOf(std::size_t party, const LawyerBill& bill) const;
  // What `party`'s lawyers charge before the first instance, as it bears
  // it: the business fee (none where it earned none) and the payment order.
  std::pair<std::optional<Cents>, Cents> chargedBefore(std::size_t party,
                                                       const Ledger& ledger) const;

  // Adds `row` of both columns' `values`, with the ways `ways` holds where
  // the figures record them.
  // A party's part's label: `label` with the share it bears, where labels
  // are made.
  RowLabel partLabelOf(Label label, const std::string& share) const;
  void add(const ReckoningInCents& r, const char* key, RowLabel label,
           const PerSchedule<Cents>& values, Recorded<Way>& ways) const;

  Figures* figures_;
  const ReportOptions* options_;
  const Ledgers* ledgers_;
  ShareWon share_;
  std::array<PartyLawyer, 2> parties_;    // the claimant's, the defendant's
  std::array<std::string, 2> shareText_;  // the part each party bears: "40 %", "1/4"
  bool recordsWays_;
  bool makesLabels_;  // the parts' labels name their share
  std::array<TotalsOf<Cents>, 2> sums_;
  std::array<TotalsOf<Way>, 2> sumWays_;
  std::array<bool, 2> aided_;  // legal aid, the claimant's, the defendant's
  TotalsOf<Cents> stateSums_;
  TotalsOf<Way> stateSumWays_;
  std::optional<PerSchedule<Cents>> inAll_;
  PerSchedule<Way> inAllWays_;
  // An appeal taken as a decision: the claimant's share within the appeal
  // and of the first instance after it, their parts' texts, and the costs
  // that decide whether the appeal pays.
  std::optional<std::size_t> appellant_;
  ShareWon appealShare_;
  ShareWon finalShare_;
  std::array<std::string, 2> appealText_;
  std::array<std::string, 2> finalText_;
  AppealCosts appealCosts_;
};

}  // namespace zeb
