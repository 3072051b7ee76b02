// Who bears the costs where a block ends other than by judgement or
// settlement, by the rules of the ZPO, for a proceeding that follows them
// with rates of its own.
#pragma once
#include <array>

#include "case/proceeding.h"

namespace zeb::zpo {

// The claim withdrawn before the hearing: the claimant bears the costs.
constexpr EndingRows withdrawal(BlockRates rates) {
  return endingRows(
      Ending::Withdrawal, "withdrawal",
      {"Verfahren mit Klager\201cknahme vor der Verhandlung",
       "Verfahren mit Klager&uuml;cknahme vor der Verhandlung"},
      {{rates, rates},
       true,
       0,
       "Nach einer Klagerücknahme trägt der Kläger die Kosten (§ 269 Abs. 3 Satz 2 ZPO)"});
}

// The claim acknowledged, under `heading`: the defendant bears the costs.
constexpr EndingRows acknowledgement(Label heading, BlockRates rates) {
  return endingRows(Ending::Acknowledgement, "acknowledgement", heading,
                    {{rates, rates},
                     true,
                     1,
                     "Nach einem Anerkenntnisurteil trägt der Beklagte die Kosten (§ 91 ZPO)"});
}

// A default judgement against the defendant, whose lawyer did not act:
// the defendant bears the costs.
constexpr EndingRows defaultJudgment(BlockRates rates) {
  return endingRows(Ending::DefaultJudgment, "default_judgment",
                    {"Verfahren mit Vers\204umnisurteil", "Verfahren mit Vers&auml;umnisurteil"},
                    {{rates, rates},
                     false,
                     1,
                     "Nach einem Versäumnisurteil trägt der Beklagte die Kosten (§ 91 ZPO)"});
}

// An appeal withdrawn before its grounds by the claimant, by the
// defendant: the appellant bears its costs. `filed` are the appellant's
// rates, `answered` the respondent's; the court fee alike.
constexpr std::array<EndingRates, 2> appealWithdrawn(BlockRates filed, BlockRates answered) {
  return {{{{filed, answered},
            true,
            0,
            "Nimmt der Kläger die Berufung zurück, trägt er ihre Kosten (§ 516 Abs. 3 ZPO)"},
           {{answered, filed},
            true,
            1,
            "Nimmt der Beklagte die Berufung zurück, trägt er ihre Kosten (§ 516 Abs. 3 ZPO)"}}};
}

}  // namespace zeb::zpo
