#include "case/divorce_steps.h"

#include "case/steps.h"

namespace zeb::steps {

std::string monthlyIncome(const std::string& petitioner, const std::string& respondent,
                          const std::string& sum) {
  return line("Nettoeinkommen im Monat: Antragsteller %s + Antragsgegner %s = %s",
              petitioner.c_str(), respondent.c_str(), sum.c_str());
}

std::string incomeInMonths(int months, const std::string& monthly, const std::string& value) {
  return line("In %d Monaten (§ 43 FamGKG): %d × %s = %s", months, months, monthly.c_str(),
              value.c_str());
}

std::string lessForChildren(int months, int children, const std::string& monthly,
                            const std::string& deducted, const std::string& value) {
  return line(
      "Abzüglich für %d %s je %s im Monat, wie viele Gerichte rechnen: %d × %d × %s = "
      "%s: %s",
      children, children == 1 ? "Kind" : "Kinder", monthly.c_str(), months, children,
      monthly.c_str(), deducted.c_str(), value.c_str());
}

std::string plusOfAssets(int percent, const std::string& spouse, const std::string& child,
                         const std::string& above, const std::string& added,
                         const std::string& value) {
  return line(
      "Zuzüglich %d %% des Vermögens über den Freibeträgen (je Ehegatte %s, je Kind %s), "
      "wie viele Gerichte rechnen: %d %% × %s = %s: %s",
      percent, spouse.c_str(), child.c_str(), percent, above.c_str(), added.c_str(), value.c_str());
}

std::string divorceBounds(const std::string& least, const std::string& most,
                          const std::string& value) {
  return line("Mindestens %s, höchstens %s (§ 43 FamGKG): %s", least.c_str(), most.c_str(),
              value.c_str());
}

std::string pension(int rights, int percent, const std::string& income, const std::string& product,
                    const std::string& least, const std::string& value) {
  return line(
      "Versorgungsausgleich (§ 50 Abs. 1 FamGKG): %d %s × %d %% × %s = %s, mindestens "
      "%s: %s",
      rights, rights == 1 ? "Anrecht" : "Anrechte", percent, income.c_str(), product.c_str(),
      least.c_str(), value.c_str());
}

std::string attachedMatter(const char* matter, int percent, const std::string& divorce,
                           const std::string& share, const std::string& most,
                           const std::string& value) {
  return line("%s (§ 44 Abs. 2 FamGKG): %d %% × %s = %s, höchstens %s: %s", matter, percent,
              divorce.c_str(), share.c_str(), most.c_str(), value.c_str());
}

std::string proceedingValue(const std::string& parts, const std::string& value) {
  return line("Scheidung und Folgesachen sind ein Verfahren (§ 44 Abs. 1 FamGKG): %s = %s",
              parts.c_str(), value.c_str());
}

std::string proceedingCap(const std::string& value) {
  return line("Der Verfahrenswert zählt höchstens mit %s (§ 33 Abs. 2 FamGKG; § 22 Abs. 2 RVG): %s",
              value.c_str(), value.c_str());
}

std::string familyCourtFees(int tenths, int number, const std::string& fee,
                            const std::string& value) {
  return line("%d,%d Gebühren (KV FamGKG Nr. %d) × %s = %s", tenths / 10, tenths % 10, number,
              fee.c_str(), value.c_str());
}

std::string cancelledShare(const std::string& half, const std::string& lawyer,
                           const std::string& value) {
  return line(
      "Kosten gegeneinander aufgehoben (§ 150 Abs. 1 FamFG): die Hälfte der "
      "Gerichtskosten %s + die eigenen Anwaltskosten %s = %s",
      half.c_str(), lawyer.c_str(), value.c_str());
}

std::string aidedSpouse(const std::string& value) {
  return line(
      "Verfahrenskostenhilfe: seine Hälfte der Gerichtskosten und seinen Anwalt trägt "
      "die Staatskasse: %s",
      value.c_str());
}

std::string stateShare(const std::string& parts, const std::string& value) {
  return line("Staatskasse: %s = %s", parts.c_str(), value.c_str());
}

std::string advance(const std::string& tenths, const std::string& fee, const std::string& value) {
  return line(
      "Vor der Zustellung zahlt der Antragsteller die Gebühr auf den Wert der Scheidung "
      "allein voraus (§ 14 Abs. 1, § 9 Abs. 1 FamGKG): %s × %s = %s",
      tenths.c_str(), fee.c_str(), value.c_str());
}

std::string afterAdvance(const char* what, const std::string& sum, const std::string& value) {
  return line("%s: %s = %s", what, sum.c_str(), value.c_str());
}

}  // namespace zeb::steps
