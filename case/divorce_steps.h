// The steps of a divorce's arithmetic as German lines (UTF-8, amounts as
// they are shown: "15.000,00 €"), each naming its rule of the FamGKG, the
// FamFG or court practice.
#pragma once
#include <string>

namespace zeb::steps {

// "Nettoeinkommen im Monat: Antragsteller 3.000,00 € + Antragsgegner
// 2.000,00 € = 5.000,00 €".
std::string monthlyIncome(const std::string& petitioner, const std::string& respondent,
                          const std::string& sum);

// "In 3 Monaten (§ 43 FamGKG): 3 × 5.000,00 € = 15.000,00 €".
std::string incomeInMonths(int months, const std::string& monthly, const std::string& value);

// "Abzüglich für 2 Kinder je 250,00 € im Monat, wie viele Gerichte rechnen:
// 3 × 2 × 250,00 € = 1.500,00 €: 13.500,00 €".
std::string lessForChildren(int months, int children, const std::string& monthly,
                            const std::string& deducted, const std::string& value);

// "Zuzüglich 5 % des Vermögens über den Freibeträgen (je Ehegatte
// 60.000,00 €, je Kind 30.000,00 €), wie viele Gerichte rechnen: 5 % ×
// 80.000,00 € = 4.000,00 €: 19.000,00 €".
std::string plusOfAssets(int percent, const std::string& spouse, const std::string& child,
                         const std::string& above, const std::string& added,
                         const std::string& value);

// "Mindestens 3.000,00 €, höchstens 1.000.000,00 € (§ 43 FamGKG): ...".
std::string divorceBounds(const std::string& least, const std::string& most,
                          const std::string& value);

// "Versorgungsausgleich (§ 50 Abs. 1 FamGKG): 4 Anrechte × 10 % ×
// 15.000,00 € = 6.000,00 €, mindestens 1.000,00 €: 6.000,00 €".
std::string pension(int rights, int percent, const std::string& income, const std::string& product,
                    const std::string& least, const std::string& value);

// "Elterliche Sorge (§ 44 Abs. 2 FamGKG): 20 % × 15.000,00 € = 3.000,00 €,
// höchstens 5.000,00 €: 3.000,00 €".
std::string attachedMatter(const char* matter, int percent, const std::string& divorce,
                           const std::string& share, const std::string& most,
                           const std::string& value);

// "Scheidung und Folgesachen sind ein Verfahren (§ 44 Abs. 1 FamGKG):
// 15.000,00 € + 6.000,00 € = 21.000,00 €".
std::string proceedingValue(const std::string& parts, const std::string& value);

// "Der Verfahrenswert zählt höchstens mit 30.000.000,00 € (§ 33 Abs. 2
// FamGKG; § 22 Abs. 2 RVG): 30.000.000,00 €".
std::string proceedingCap(const std::string& value);

// "2,0 Gebühren (KV FamGKG Nr. 1110) × 405,00 € = 810,00 €".
std::string familyCourtFees(int tenths, int number, const std::string& fee,
                            const std::string& value);

// "Kosten gegeneinander aufgehoben (§ 150 Abs. 1 FamFG): die Hälfte der
// Gerichtskosten 405,00 € + die eigenen Anwaltskosten 2.618,00 € =
// 3.023,00 €".
std::string cancelledShare(const std::string& half, const std::string& lawyer,
                           const std::string& value);

// "Verfahrenskostenhilfe: seine Hälfte der Gerichtskosten und seinen
// Anwalt trägt die Staatskasse: 0,00 €".
std::string aidedSpouse(const std::string& value);

// "Staatskasse: Anwalt (§ 49 RVG) 1.136,45 € + Hälfte der Gerichtskosten
// 405,00 € = 1.541,45 €".
std::string stateShare(const std::string& parts, const std::string& value);

// "Vor der Zustellung zahlt der Antragsteller 2,0 Gebühren auf den Wert
// der Scheidung allein voraus (§ 14 Abs. 1, § 9 Abs. 1 FamGKG): 2,0 ×
// 371,50 € = 743,00 €".
std::string advance(const std::string& tenths, const std::string& fee, const std::string& value);

// "Gerichtsgebühr 810,00 € − Vorschuss 743,00 € − ... = 67,00 €", the
// lines of what follows from the advance at the end, each as `what`.
std::string afterAdvance(const char* what, const std::string& sum, const std::string& value);

}  // namespace zeb::steps
