#include "case/appeal.h"

#include <numeric>
#include <string>
#include <vector>

#include "case/sections.h"
#include "case/steps.h"
#include "report/german.h"

namespace zeb {
namespace {

constexpr std::size_t kClaimant = 0;
constexpr std::size_t kDefendant = 1;

// Products of amounts and of shares' denominators may pass 64 bits.
__extension__ using Wide = __int128;

// `numerator / denominator` rounded half up, 0 <= numerator, 0 < denominator.
std::int64_t wideHalfUp(Wide numerator, Wide denominator) {
  return static_cast<std::int64_t>((2 * numerator + denominator) / (2 * denominator));
}

// The success given, or none: the appeal fails.
ShareWon successOf(const ReportOptions& options) {
  return options.appealSuccess.value_or(ShareWon{0, 100, 0});
}

// A per cent with no more decimals than it needs: 30,00 % is 30 %.
ShareWon shortest(ShareWon share) {
  while (share.decimals > 0 && share.won % 10 == 0 && share.of % 10 == 0) {
    share.won /= 10;
    share.of /= 10;
    --share.decimals;
  }
  return share;
}

// The party as the labels and ways name it.
struct Appellant {
  const char* name;       // "Der Beklagte"
  const char* inLine;     // "der Beklagte"
  const char* ofParty;    // "des Beklagten"
  const char* verb;       // "zahlt", "behält"
  const char* claimText;  // the claim in a sum
};
constexpr Appellant kAppellants[] = {
    {"Der Kläger", "der Kläger", "des Klägers", "behält", "zugesprochene Forderung"},
    {"Der Beklagte", "der Beklagte", "des Beklagten", "zahlt", "Klageforderung"},
};

// The rows of the section, each its key and its label in both renderings
// for the claimant and for the defendant as appellant.
struct DecisionRow {
  const char* key;
  Label label[2];
};
// clang-format off
constexpr DecisionRow kWithoutAppeal = {"without_appeal",
    {{"Der Kl\204ger beh\204lt ohne Berufung insgesamt:", "Der Kl&auml;ger beh&auml;lt ohne Berufung insgesamt:"},
     {"Der Beklagte zahlt ohne Berufung insgesamt:", "Der Beklagte zahlt ohne Berufung insgesamt:"}}};
constexpr DecisionRow kWithAppeal = {"with_appeal",
    {{"Der Kl\204ger beh\204lt mit Berufung insgesamt:", "Der Kl&auml;ger beh&auml;lt mit Berufung insgesamt:"},
     {"Der Beklagte zahlt mit Berufung insgesamt:", "Der Beklagte zahlt mit Berufung insgesamt:"}}};
constexpr DecisionRow kAppealFails = {"appeal_fails",
    {{"Der Kl\204ger beh\204lt, wenn die Berufung scheitert:", "Der Kl&auml;ger beh&auml;lt, wenn die Berufung scheitert:"},
     {"Der Beklagte zahlt, wenn die Berufung scheitert:", "Der Beklagte zahlt, wenn die Berufung scheitert:"}}};
constexpr DecisionRow kAppealWins = {"appeal_wins",
    {{"Der Kl\204ger beh\204lt bei vollem Erfolg insgesamt:", "Der Kl&auml;ger beh&auml;lt bei vollem Erfolg insgesamt:"},
     {"Der Beklagte zahlt bei vollem Erfolg insgesamt:", "Der Beklagte zahlt bei vollem Erfolg insgesamt:"}}};
constexpr DecisionRow kWithdrawn = {"withdrawn",
    {{"Der Kl\204ger beh\204lt nach R\201cknahme insgesamt:", "Der Kl&auml;ger beh&auml;lt nach R&uuml;cknahme insgesamt:"},
     {"Der Beklagte zahlt nach R\201cknahme insgesamt:", "Der Beklagte zahlt nach R&uuml;cknahme insgesamt:"}}};
constexpr const char* kBreakEvenKey = "break_even";
constexpr Label kBreakEven = {"Die Berufung lohnt sich ab einem Erfolg von:",
                              "Die Berufung lohnt sich ab einem Erfolg von:"};
// clang-format on

// The label of the row at the success given: "Der Beklagte zahlt bei 50 %
// Erfolg:", where labels are made; short enough for a fraction of six
// digits each.
RowLabel withAppealLabel(const Figures& figures, std::size_t appellant, const ShareWon& success) {
  const Label& label = kWithAppeal.label[appellant];
  if (!figures.withLabels) return label;
  // The appellant's success is the part of the appeal it won.
  const std::string share = partText(success, kDefendant);
  const std::string text =
      std::string(appellant == kClaimant ? "Der Kl\204ger beh\204lt" : "Der Beklagte zahlt") +
      " bei " + share + " Erfolg:";
  const std::string html =
      std::string(appellant == kClaimant ? "Der Kl&auml;ger beh&auml;lt" : "Der Beklagte zahlt") +
      " bei " + share + " Erfolg:";
  return {text, html};
}

// The appellant's claim and costs in one outcome of one column: its claim
// (what it pays or keeps of the amount), its part of the first instance's
// costs and of the appeal's.
struct Outcome {
  Cents claim;
  Cents firstPart;
  Cents appealPart;
};

// What the outcome comes to for the appellant: the defendant pays the claim
// and its costs; the claimant keeps its claim less its costs. Both with
// what the appellant bears of its own lawyers beyond the refund.
Cents inAll(std::size_t appellant, const Outcome& o, Cents notRefunded) {
  const Cents costs = o.firstPart + o.appealPart + notRefunded;
  return appellant == kDefendant ? o.claim + costs : o.claim - costs;
}

// The appellant's part of `costs` where the claimant's share won is
// `share` (the claimant bears the rest, half up; the defendant what is
// left).
Cents appellantPart(std::size_t appellant, Cents costs, const ShareWon& share) {
  const Cents claimant = widePartOf(costs, share.of - share.won, share.of);
  return appellant == kClaimant ? claimant : costs - claimant;
}

}  // namespace

Cents widePartOf(Cents value, std::int64_t numerator, std::int64_t denominator) {
  return {wideHalfUp(Wide{value.count} * numerator, denominator)};
}

Cents appealValue(const ReportOptions& options, std::uint64_t amount) {
  const ShareWon& share = *options.shareWon;
  const std::int64_t lost = *options.appellant == kClaimant ? share.of - share.won : share.won;
  const Wide cents = Wide{static_cast<std::int64_t>(amount)} * 100 * lost;
  return {static_cast<std::int64_t>((cents + share.of - 1) / share.of)};
}

std::uint64_t feeValueOf(Cents value) {
  return static_cast<std::uint64_t>((value.count + 99) / 100);
}

ShareWon appealShare(const ReportOptions& options) {
  return appealShareAt(options, successOf(options));
}

ShareWon finalShare(const ReportOptions& options) {
  return finalShareAt(options, successOf(options));
}

ShareWon appealShareAt(const ReportOptions& options, const ShareWon& success) {
  if (*options.appellant == kClaimant) return success;
  return {success.of - success.won, success.of, success.decimals};
}

ShareWon finalShareAt(const ReportOptions& options, const ShareWon& success) {
  const ShareWon& first = *options.shareWon;
  const std::int64_t of = first.of * success.of;
  const std::int64_t won = *options.appellant == kClaimant
                               ? first.won * success.of + (first.of - first.won) * success.won
                               : first.won * (success.of - success.won);
  if (first.decimals >= 0 && success.decimals >= 0) {
    return shortest({won, of, first.decimals + success.decimals + 2});
  }
  const std::int64_t divisor = std::gcd(won, of);
  return {won / divisor, of / divisor, -1};
}

std::string partText(const ShareWon& share, std::size_t party) {
  const std::int64_t part = party == kClaimant ? share.of - share.won : share.won;
  if (share.decimals < 0) {
    const std::int64_t divisor = std::gcd(part, share.of);
    return std::to_string(part / divisor) + "/" + std::to_string(share.of / divisor);
  }
  if (share.decimals == 0) return std::to_string(part) + " %";
  return germanNumber(decimalText({part, share.decimals})) + " %";
}

namespace {

// The section "Lohnt sich die Berufung?" being added: what the appellant
// faces, and the costs that decide it.
struct Decision {
  Figures& figures;
  const ReportOptions& options;
  std::uint64_t amount;
  const AppealCosts& costs;
  std::size_t appellant;
  const Appellant& who;
  Cents amountCents;
  Cents value;        // the appeal's
  Cents claimBefore;  // what the appellant pays or keeps after the first judgement
};

// The outcome at the appellant's success `at` in column `s`.
Outcome outcomeAt(const Decision& d, std::size_t s, const ShareWon& at) {
  const Cents regained = widePartOf(d.value, at.won, at.of);
  return {d.appellant == kDefendant ? d.value - regained : d.claimBefore + regained,
          appellantPart(d.appellant, d.costs.first[s], finalShareAt(d.options, at)),
          appellantPart(d.appellant, d.costs.appeal[s], appealShareAt(d.options, at))};
}

// The way to an outcome: the claim, each part with its quota, and the sum.
Steps outcomeWay(const Decision& d, std::size_t s, const ShareWon& at, const Outcome& o,
                 Cents total) {
  const Appellant& who = d.who;
  const std::string finalText = partText(finalShareAt(d.options, at), d.appellant);
  const std::string appealText = partText(appealShareAt(d.options, at), d.appellant);
  Steps steps;
  steps.push_back(std::string("Die Berufung hat zu ") + partText(at, kDefendant) + " Erfolg: " +
                  who.inLine + " " + who.verb + " als " + who.claimText + " " + euros(o.claim));
  steps.push_back(std::string("Kosten erster Instanz nach dem Endergebnis (§§ 91, 92 ZPO): "
                              "Anteil ") +
                  who.ofParty + " " + finalText + " von " + euros(d.costs.first[s]) + " = " +
                  euros(o.firstPart));
  steps.push_back(std::string("Kosten der Berufung nach ihrem Erfolg (§§ 91, 92, 97 Abs. 1 ZPO): "
                              "Anteil ") +
                  who.ofParty + " " + appealText + " von " + euros(d.costs.appeal[s]) + " = " +
                  euros(o.appealPart));
  std::vector<steps::Term> terms = {{'+', who.claimText, euros(o.claim)}};
  const char sign = d.appellant == kDefendant ? '+' : '-';
  terms.push_back({sign, "Kosten erster Instanz", euros(o.firstPart)});
  terms.push_back({sign, "Kosten der Berufung", euros(o.appealPart)});
  if (d.costs.notRefunded[s].count != 0) {
    terms.push_back({sign, "nicht erstattete eigene Anwaltskosten", euros(d.costs.notRefunded[s])});
  }
  steps.push_back(steps::sum(std::string(who.name) + " " + who.verb, terms, euros(total)));
  return steps;
}

// What the appellant pays or keeps without the appeal, in column `s`, and
// its way where `way` is given.
Cents withoutAppeal(const Decision& d, std::size_t s, Way* way) {
  const ShareWon& first = *d.options.shareWon;
  const Cents part = appellantPart(d.appellant, d.costs.first[s], first);
  const Cents value = inAll(d.appellant, {d.claimBefore, part, {}}, d.costs.notRefunded[s]);
  if (way == nullptr) return value;
  std::vector<steps::Term> terms = {{'+', d.who.claimText, euros(d.claimBefore)}};
  const char sign = d.appellant == kDefendant ? '+' : '-';
  terms.push_back({sign,
                   std::string("Kosten erster Instanz, Anteil ") + partText(first, d.appellant) +
                       " von " + euros(d.costs.first[s]),
                   euros(part)});
  if (d.costs.notRefunded[s].count != 0) {
    terms.push_back({sign, "nicht erstattete eigene Anwaltskosten", euros(d.costs.notRefunded[s])});
  }
  way->steps = {steps::sum(std::string(d.who.name) + " " + d.who.verb + " ohne Berufung", terms,
                           euros(value))};
  return value;
}

// Adds the rows at the success given, when the appeal fails, and when it
// wins.
void addOutcomes(const Decision& d, const ShareWon& success) {
  const struct {
    const char* key;
    RowLabel label;
    ShareWon at;
  } outcomes[] = {
      {kWithAppeal.key, withAppealLabel(d.figures, d.appellant, success), success},
      {kAppealFails.key, kAppealFails.label[d.appellant], {0, 100, 0}},
      {kAppealWins.key, kAppealWins.label[d.appellant], {100, 100, 0}},
  };
  for (const auto& row : outcomes) {
    Recorded<Way> ways(d.figures.withWays);
    PerSchedule<Cents> values;
    for (std::size_t s = 0; s < 2; ++s) {
      const Outcome o = outcomeAt(d, s, row.at);
      values[s] = inAll(d.appellant, o, d.costs.notRefunded[s]);
      if (ways[s] != nullptr) ways[s]->steps = outcomeWay(d, s, row.at, o, values[s]);
    }
    addRowOf(d.figures, row.key, RowLabel(row.label), values[0], values[1], d.amount, 0, ways[0],
             ways[1]);
  }
}

// Adds the row of the appeal withdrawn before its grounds: as without it,
// and the appeal's costs so far, all the appellant's (§ 516 Abs. 3 ZPO).
void addWithdrawn(const Decision& d) {
  Recorded<Way> ways(d.figures.withWays);
  PerSchedule<Cents> values;
  for (std::size_t s = 0; s < 2; ++s) {
    const Cents without = withoutAppeal(d, s, nullptr);
    const Cents withdrawn = d.costs.withdrawn[s];
    values[s] = d.appellant == kDefendant ? without + withdrawn : without - withdrawn;
    if (ways[s] == nullptr) continue;
    ways[s]->steps = {steps::sum(
        std::string(d.who.name) + " " + d.who.verb +
            " nach Rücknahme der Berufung vor ihrer Begründung",
        {{'+', "wie ohne Berufung", euros(without)},
         {d.appellant == kDefendant ? '+' : '-',
          "alle Kosten der Berufung bis zur Rücknahme (§ 516 Abs. 3 ZPO)", euros(withdrawn)}},
        euros(values[s]))};
  }
  addRowOf(d.figures, kWithdrawn.key, kWithdrawn.label[d.appellant], values[0], values[1], d.amount,
           0, ways[0], ways[1]);
}

// Adds the break-even success: s* = T2 / (V2 + V2 / V1 x T1 + T2), in
// hundredths of a per cent, half up.
void addBreakEven(const Decision& d) {
  Recorded<Way> ways(d.figures.withWays);
  PerSchedule<std::int64_t> hundredths;
  for (std::size_t s = 0; s < 2; ++s) {
    const Wide t1 = d.costs.first[s].count;
    const Wide t2 = d.costs.appeal[s].count;
    const Wide v1 = d.amountCents.count;
    const Wide v2 = d.value.count;
    hundredths[s] = wideHalfUp(10000 * t2 * v1, v2 * v1 + v2 * t1 + t2 * v1);
    if (ways[s] == nullptr) continue;
    const Cents scaled = {wideHalfUp(v2 * t1, v1)};
    ways[s]->steps = {
        std::string("Gewinn der Berufung bei einem Erfolg s: s × Wert der Berufung V2 = s × ") +
            euros(d.value) + "; dazu folgen die Kosten erster Instanz dem Endergebnis und die " +
            "der Berufung ihrem Erfolg, beides linear in s",
        std::string("Sie lohnt sich ab s* = T2 / (V2 + V2 / V1 × T1 + T2) = ") +
            euros(d.costs.appeal[s]) + " / (" + euros(d.value) + " + " + euros(scaled) + " + " +
            euros(d.costs.appeal[s]) + ") = " + germanNumber(decimalText({hundredths[s], 2})) +
            " %, mit V1 = " + euros(d.amountCents) + " (Streitwert), T1 = " +
            euros(d.costs.first[s]) + " (Kosten erster Instanz), T2 = " + euros(d.costs.appeal[s]) +
            " (Kosten der Berufung)"};
  }
  Derivation derivation;
  if (d.figures.withWays) derivation = {std::move(ways[0]->steps), std::move(ways[1]->steps)};
  addPercentRow(d.figures, kBreakEvenKey, kBreakEven, hundredths[0], hundredths[1],
                d.figures.withWays ? &derivation : nullptr);
}

}  // namespace

void addAppealDecision(Figures& figures, const ReportOptions& options, std::uint64_t amount,
                       const AppealCosts& costs) {
  addHeading(figures, 1, {"Lohnt sich die Berufung?", "Lohnt sich die Berufung?"},
             "appeal_decision");
  const std::size_t appellant = *options.appellant;
  const Cents amountCents = {static_cast<std::int64_t>(amount) * 100};
  const Cents value = appealValue(options, amount);
  // The claim the appellant pays or keeps after the first judgement: the
  // defendant what it lost, the claimant what it won.
  const Decision d = {
      figures,     options,   amount,
      costs,       appellant, kAppellants[appellant],
      amountCents, value,     appellant == kDefendant ? value : amountCents - value};
  {
    Recorded<Way> ways(figures.withWays);
    const PerSchedule<Cents> values = {withoutAppeal(d, 0, ways[0]), withoutAppeal(d, 1, ways[1])};
    addRowOf(figures, kWithoutAppeal.key, kWithoutAppeal.label[appellant], values[0], values[1],
             amount, 0, ways[0], ways[1]);
  }
  addOutcomes(d, successOf(options));
  addWithdrawn(d);
  addBreakEven(d);
}

}  // namespace zeb
