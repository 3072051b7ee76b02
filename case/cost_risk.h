// The rows of who bears the costs in a reform's report: after each block,
// its costs split between the parties by the claimant's share won (§§ 91,
// 92, 106 ZPO), put on one side by an ending, or cancelled after a
// settlement (§ 98 ZPO); at the end each party's part over the instances.
// The bearing itself is a function of the ledger (case/bearing.h); this
// adds its rows, keeps what each judgement left for the totals, and sums
// them there.
#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "case/appeal.h"
#include "case/bearing.h"
#include "case/bearing_ways.h"
#include "case/ledger.h"
#include "case/reckoning.h"
#include "report/figures.h"
#include "report/report_options.h"

namespace zeb {

// An instance section as the cost risk sees it: its description, and
// whether it is an appeal taken as a decision (split by its own success,
// its court fee advanced by the appellant, with a balance).
struct RiskInstance {
  const Instance* instance;
  bool decided = false;

  bool first() const { return instance->section == InstanceSection::FirstInstance; }
};

class CostRisk {
 public:
  // The rows go into `figures`, with their ways where those record them;
  // the costs they split are those of `ledgers`.
  CostRisk(const ReportOptions& options, Figures& figures, const Ledgers& ledgers);

  // After the judgement `matter` of `instance`: the costs to distribute,
  // each party's part and, where the instance has one, the balance.
  void afterJudgement(const ReckoningInCents& r, const RiskInstance& instance,
                      const Matter& matter);
  // After the block `matter` that ends as `ending` says: as after a
  // judgement, but the party the ending names bears all, and nothing enters
  // the sums over instances.
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

  // Under legal aid, what the judgement of `section` cost in all: the court
  // costs and what each lawyer receives, the sum of what the parties and
  // the state bear of it, with its ways where recorded. None without legal
  // aid.
  const std::optional<PerSchedule<Cents>>& aidedInAll(InstanceSection section) const;
  const Way* aidedInAllWay(InstanceSection section, std::size_t s) const;

  // The report of 2013 has no cost risk: its command line is refused.
  void afterJudgement(const Reckoning2013&, const RiskInstance&, const Matter&) {}
  void afterSettlement(const Reckoning2013&, const RiskInstance&, const Matter&) {}
  void afterTotals(const Reckoning2013&) {}

 private:
  // What a judgement leaves for the totals over instances: what each party
  // and, under legal aid, the state bear of it, and what it cost in all.
  struct Judgement {
    PerSchedule<Cents> costs{};                       // the costs distributed
    PerSchedule<std::array<Cents, 2>> part{};         // each party's part of them
    PerSchedule<std::array<Cents, 2>> notRefunded{};  // and what no one refunds it
    PerSchedule<Cents> state{};
    std::optional<PerSchedule<Cents>> inAll;
    PerSchedule<Way> inAllWays{};
  };

  // The block `matter` of `instance`, its words for the ways, and the share
  // that splits it with each party's part as written.
  BlockToBear blockOf(const ReckoningInCents& r, const RiskInstance& instance,
                      const Matter& matter) const;
  BlockWords wordsOf(const ReckoningInCents& r, const RiskInstance& instance,
                     const BlockToBear& block, std::size_t s, const EndingRates* ending,
                     const std::pair<ShareWon, std::array<std::string, 2>>& share) const;
  std::pair<ShareWon, std::array<std::string, 2>> shareFor(const EndingRates* ending,
                                                           const RiskInstance& instance) const;

  // Adds the rows of a split without legal aid, and with it.
  Judgement addSplit(const ReckoningInCents& r, const RiskInstance& instance, const Matter& matter,
                     const EndingRates* ending);
  Judgement addAidedSplit(const ReckoningInCents& r, const RiskInstance& instance,
                          const Matter& matter, const EndingRates* ending);
  // Adds the rows of the parties' parts of a split, labelled with the share.
  void addParts(const ReckoningInCents& r, const std::array<std::string, 2>& shareText,
                const std::array<PerSchedule<Cents>, 2>& parts,
                std::array<PerSchedule<Steps>, 2>& ways);
  // Adds what no one refunds each party, where a row shows it.
  void addNotRefunded(const ReckoningInCents& r, const RiskInstance& instance,
                      const std::array<PerSchedule<Cents>, 2>& values,
                      std::array<PerSchedule<Steps>, 2>& ways);
  // Adds the row `key` of both columns' `values`, with the ways `ways` hold
  // where the figures record them.
  void add(const ReckoningInCents& r, const char* key, RowLabel label,
           const PerSchedule<Cents>& values, PerSchedule<Steps>& ways) const;
  // A party's part's label: `label` with the share it bears, where labels
  // are made.
  RowLabel partLabelOf(Label label, const std::string& share) const;

  // The sums along each path of the totals of what `partOf(instance,
  // judgement, s)` gives of each judgement, with their ways, which name
  // the part `of` ("des Klägers") and the sum through the appeal.
  using PartOf = std::function<Cents(const Instance&, const Judgement&, std::size_t)>;
  TotalsOf<Cents> sumsOf(const ReckoningInCents& r, const PartOf& partOf, const char* of,
                         const char* throughAppeal, TotalsOf<Way>& ways) const;
  // What `party` bears of a judgement of `instance` along the totals, with
  // what no one refunds it.
  Cents partThrough(std::size_t party, const Instance& instance, const Judgement& judgement,
                    std::size_t s) const;
  // What the appeal as a decision weighs: the costs of each instance, from
  // what the judgements left.
  AppealCosts appealCosts() const;

  Figures* figures_;
  const ReportOptions* options_;
  const Ledgers* ledgers_;
  Parties parties_;
  ShareWon share_;
  std::array<std::string, 2> shareText_;  // the part each party bears: "40 %", "1/4"
  bool recordsWays_;
  bool makesLabels_;  // the parts' labels name their share
  // An appeal taken as a decision: the claimant's share within the appeal
  // and of the first instance after it, and their parts' texts.
  std::optional<std::size_t> appellant_;
  ShareWon appealShare_;
  ShareWon finalShare_;
  std::array<std::string, 2> appealText_;
  // What each instance's judgement left, by InstanceSection; an appeal
  // withdrawn before its grounds, all its costs.
  std::array<std::optional<Judgement>, 4> judgements_;
  PerSchedule<Cents> withdrawn_{};
};

}  // namespace zeb
