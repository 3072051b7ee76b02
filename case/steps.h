// The steps of the cost arithmetic as German lines (UTF-8, amounts in
// euros), each naming the rule it applies. The operations that compute a
// value write them from the numbers they computed; amounts come as they
// are shown ("1.078,44 €").
#pragma once
#include <string>
#include <vector>

#include "case/reckoning.h"
#include "fees/fee_schedule.h"

namespace zeb::steps {

// The line that `format` and its arguments make, printf-style, as every
// step is written.
[[gnu::format(printf, 1, 2)]] std::string line(const char* format, ...);

// "Streitwert: 5.000,00 €".
std::string amount(const std::string& value);

// "Streitwert über 30.000.000 €, höchstens ... (§ 39 Abs. 2 GKG; § 22 Abs. 2
// RVG): 30.000.000,00 €".
std::string cappedAmount(const std::string& value);

// A full fee from its table: "Gerichtsgebühr (§ 34 GKG, Anlage 2): bis
// 2.000 € 103,00 €, dazu 3 angefangene 1.000 € zu je 22,50 € = 170,50 €";
// `table` names another table than § 34 GKG's or § 13 RVG's.
std::string fee(FeeKind kind, const FeeSteps& steps, const char* table = nullptr);

// The 1,0 fee of a lawyer assigned under legal aid: "Gebühr des
// beigeordneten Anwalts (§ 49 RVG), Wert bis 10.000 €: 374,00 €"; up to
// 4.000 euros the fee of § 13 RVG.
std::string assignedFee(const AssignedLawyerFee& fee);

// The fee of the report of 2013 after its 32-bit arithmetic, where that
// changed it.
std::string feeIn32Bits(const std::string& value);

// "0,5 Gebühr (KV GKG Nr. 1100) × 170,50 € = 85,25 €, mindestens 38,00 €:
// 85,25 €".
std::string paymentOrder(const FeeRate& rate, const std::string& fee, const std::string& part,
                         const std::string& minimum, const std::string& value);

// The payment order's court fee where none is owed: "<why>: 0,00 €".
std::string noPaymentOrderFee(const char* why, const std::string& value);

// "3,0 Gebühren (KV GKG Nr. 1210) × 170,50 € = 511,50 €"; where the rate is
// none, why: "Keine Gerichtsgebühr: ... (Vorbem. 8 KV GKG): 0,00 €".
std::string courtFees(const FeeRate& rate, const std::string& fee, const std::string& value);

// "Verfahrensgebühr 1,3 (VV RVG Nr. 3100) + Terminsgebühr 1,2 (Nr. 3104) =
// 2,5 × 354,50 € = 886,25 €".
std::string lawyerFees(const BlockRates& rates, const std::string& fee, const std::string& value);

// "Auslagenpauschale 20 % von 886,25 € = 177,25 €, höchstens 20,00 € (Nr.
// 7002): 20,00 €".
std::string expenses(int percent, const std::string& limit, const std::string& lawyer,
                     const std::string& share, const std::string& value);

// "Umsatzsteuer 19 % von 906,25 € (Nr. 7008) = 172,19 €".
std::string vat(int percent, const std::string& base, const std::string& value);

// The report of 2013, which adds its VAT by a factor: "Umsatzsteuer 16 %
// (Nr. 7008): (757,50 € + 20,00 €) × 1,16 = 901,90 €".
std::string withVat(int percent, const std::string& lawyer, const std::string& expenses,
                    const std::string& value);

// "= 1.078,44 €".
std::string sum(const std::string& value);

// "Gerichtskosten 511,50 € + 2 × Anwaltskosten 1.078,44 € = 2.668,38 €",
// with `lawyers` of them: 2, 1 or none.
std::string processCosts(const std::string& court, const std::string& gross,
                         const std::string& value, int lawyers = 2);

// "Hälfte der Prozesskosten 3.171,08 € = 1.585,54 €".
std::string halfShare(const std::string& process, const std::string& value);

// "Prozesskosten erste Instanz 2.668,38 €", or with a sum it is added to:
// "Gesamtkosten mit Berufung 5.760,36 € + Prozesskosten Revision 3.515,60 €
// = 9.275,96 €".
std::string total(const char* baseName, const std::string* base, const char* name,
                  const std::string& process, const std::string& value);

// Where single precision moved a cent of the report of 2013: "Einfache
// Genauigkeit: genau gerechnet 17.197,30 €, gedruckt 17.197,29 €".
std::string singlePrecision(const std::string& exact, const std::string& shown);

// The case around the lawsuit.

// A fee of a lawyer's bill, where several clients raise it with its raise:
// "Verfahrensgebühr 1,6 (VV RVG Nr. 3100; 1,3 + 0,3 für 1 weiteren
// Auftraggeber, Nr. 1008) × 652,00 € = 1.043,20 €".
std::string billFee(const FeeRate& rate, int raise, int clients, const std::string& fee,
                    const std::string& value);

// "Anrechnung der Geschäftsgebühr (Vorbem. 3 Abs. 4 VV RVG): die Hälfte von
// 1,3 = 0,65 × 652,00 € = 423,80 €", "... die Hälfte von 2,5, höchstens
// 0,75: 0,75 × ...".
std::string businessCredit(int businessFeeTenths, int hundredths, const std::string& fee,
                           const std::string& value);

// "Anrechnung der Verfahrensgebühr des Mahnverfahrens (Anm. zu Nr. 3305 VV
// RVG): 652,00 €".
std::string paymentOrderCredit(int number, const std::string& value);

// A fee credited at its amount under another edition than the matter it
// is credited onto (§ 60 Abs. 1 RVG): "Geschäftsgebühr entstanden nach dem
// RVG bis 31.05.2025, angerechnet mit ihrem Betrag von dort".
std::string creditedAcrossEditions(const char* feeName, const Edition& edition);

// The day that decides a matter's edition in the case by its dates:
// "Klage anhängig seit 15.03.2024: GKG bis 31.05.2025 (§ 71 Abs. 1 Satz 1
// GKG)"; a day taken from another, `assumedAs`: "Auftrag des Klägers ohne
// eigenen Tag, wie die Anhängigkeit am 15.03.2024: RVG ..."; none:
// "Berufung ohne Tag: das geltende GKG ab 01.06.2025 (...)".
std::string decidingDay(const char* matter, const char* verb, const char* assumedAs,
                        const DecidingDay& day, const char* act, const Edition& edition,
                        const char* rule);

// "Rest der Anrechnung der Geschäftsgebühr nach dem Mahnverfahren: 423,80 €
// - 326,00 € = 97,80 €".
std::string businessCreditRest(const std::string& credit, const std::string& used,
                               const std::string& value);

// "Angerechnet auf die Verfahrensgebühr 847,60 €: 652,00 €", or with "höchstens"
// where the credit is more than the fee.
std::string credited(const char* feeName, const std::string& fee, bool capped,
                     const std::string& value);

// "Gebühren 1.630,00 € - angerechnet 652,00 € = 978,00 €".
std::string afterCredit(const std::string& fees, const std::string& credited,
                        const std::string& value);

// "Ohne Anrechnung der Geschäftsgebühr, die der Gegner nicht geltend machen
// kann (§ 15a Abs. 3 RVG)".
std::string refundedWithoutBusinessCredit();

// "Der Kläger hat keinen Anwalt im Mahnverfahren: keine Anwaltskosten".
std::string noLawyerIn(const char* party, const char* matter);

// "abzüglich der Gebühr des Mahnverfahrens 85,25 € (KV GKG Nr. 1210 Anm. 1)
// = 426,25 €".
std::string paymentOrderCourtCredit(const std::string& fee, const std::string& value);

// "Zeugen und Sachverständige (KV GKG Nr. 9005), vorgeschossen vom Kläger
// 1.500,00 € und vom Beklagten 0,00 € (§ 17 GKG) = 1.500,00 €".
std::string evidence(const std::string& claimant, const std::string& defendant,
                     const std::string& value);

// "Gerichtskosten 511,50 € + Zeugen und Sachverständige 1.500,00 € +
// Anwaltskosten des Klägers 1.187,62 € + des Beklagten 1.963,50 € =
// 5.162,62 €".
std::string caseProcessCosts(const std::string& court, const std::string& evidence,
                             const std::string& claimant, const std::string& defendant,
                             const std::string& value);

// How the lawsuit ends.

// "Der Beklagte hat sich nicht verteidigt: kein Anwalt, keine Anwaltskosten".
std::string undefended();

// A party's part of the costs of an ending, which names who bears them:
// "Anteil des Beklagten: Nach einer Klagerücknahme trägt der Kläger die
// Kosten (§ 269 Abs. 3 Satz 2 ZPO): 0 % von 2.347,88 € = 0,00 €".
std::string endingShare(const char* ofParty, const char* rule, const std::string& share,
                        const std::string& total, const std::string& value);

// "Der Kläger hat 3,0 Gerichtsgebühren vorausgezahlt (§ 12 Abs. 1 GKG),
// 849,00 €; die Gebühr ermäßigt sich auf 283,00 €: der Staat zahlt ihm
// 566,00 € zurück".
std::string courtRefund(const std::string& advanced, const std::string& owed,
                        const std::string& refund);

// The cost risk. A party is named "Kläger" or "Beklagte", and "Klägers" or
// "Beklagten" after "des".

// A party's lawyer costs without VAT: "Anwaltskosten des Klägers ohne
// Umsatzsteuer, da er Vorsteuer abzieht (§ 104 Abs. 2 Satz 3 ZPO): Gebühren
// 1.535,00 € + Auslagenpauschale 20,00 € = 1.555,00 €".
std::string netLawyerCosts(const char* ofParty, const std::string& fees,
                           const std::string& expenses, const std::string& value);

// "Der Kläger hat in erster Instanz keinen Anwalt: keine Anwaltskosten".
std::string noLawyer(const char* party);

// "Zu verteilende Kosten (§ 91 ZPO): Gerichtskosten 798,00 € +
// Anwaltskosten des Klägers 1.850,45 € + Anwaltskosten des Beklagten
// 1.850,45 € = 4.498,90 €".
std::string costsToDistribute(const std::string& court, const std::string& claimant,
                              const std::string& defendant, const std::string& value);

// "Anteil des Klägers (§ 92 Abs. 1 ZPO): 70 % von 4.498,90 € = 3.149,23 €",
// with "auf den Cent gerundet" where the product has more places.
std::string costShare(const char* ofParty, const std::string& share, const std::string& total,
                      bool rounded, const std::string& value);

// "Anteil des Beklagten (§ 92 Abs. 1 ZPO): der Rest, 4.498,90 € - 3.149,23 €
// = 1.349,67 €".
std::string remainingShare(const char* ofParty, const std::string& total, const std::string& other,
                           const std::string& value);

// Where an instance refunds no lawyer: "Zu verteilende Kosten (§§ 91, 92
// ZPO): nur die Gerichtskosten 490,00 € + Zeugen und Sachverständige 0,00 €
// = 490,00 €; seine Anwaltskosten trägt jede Partei selbst (§ 12a Abs. 1
// Satz 1 ArbGG)".
std::string courtCostsToDistribute(const std::string& court, const std::string& evidence,
                                   const std::string& value, const char* rule);

// "Anwaltskosten des Klägers 1.683,85 € = 1.683,85 €: jede Partei trägt ihre
// eigenen, der Gegner erstattet sie nicht (§ 12a Abs. 1 Satz 1 ArbGG)".
std::string ownLawyerNotRefunded(const char* ofParty, const std::string& costs,
                                 const std::string& value, const char* rule);

// "Den Anwalt des Klägers bezahlt die Staatskasse (§ 49 RVG); er kann von
// seiner Partei nichts verlangen (§ 122 Abs. 1 Nr. 3 ZPO): 0,00 €".
std::string assignedByState(const char* ofParty);

// Where no one advanced the court fees: "Gezahlt haben der Kläger seinen
// Anteil an den Gerichtskosten 309,60 €, den ihm die Staatskasse in
// Rechnung stellt (§ 22 Abs. 2, § 29 Nr. 1 GKG), + Anwaltskosten 1.403,25 €
// = 1.712,85 €, der Beklagte Anwaltskosten 1.403,25 €".
std::string paidByQuota(const std::string& courtPart, const std::string& claimantCosts,
                        const std::string& claimantPaid, const std::string& defendantCosts);

// "Gezahlt haben der Kläger Gerichtskosten 798,00 € (§ 12 Abs. 1 GKG) +
// Anwaltskosten 1.850,45 € = 2.648,45 €, der Beklagte Anwaltskosten
// 1.850,45 €".
std::string paid(const std::string& court, const std::string& claimantCosts,
                 const std::string& claimantPaid, const std::string& defendantCosts);

// Who paid what of an appeal's costs: "Gezahlt haben der Beklagte als
// Berufungsführer Gerichtskosten 772,00 € (§ 22 Abs. 1 GKG) +
// Anwaltskosten 1.403,25 € = 2.175,25 €, der Kläger Anwaltskosten
// 1.403,25 €".
std::string paidByAppellant(const char* appellant, const std::string& court,
                            const std::string& appellantCosts, const std::string& appellantPaid,
                            const char* respondent, const std::string& respondentCosts);

// The balance (§ 106 ZPO) that one side pays the other: "Ausgleich (§ 106
// ZPO): der Kläger trägt 3.149,23 € und hat 2.648,45 € gezahlt: er zahlt
// dem Beklagten 500,78 €", or "... der Beklagte zahlt dem Kläger 0,00 €".
std::string balance(const std::string& borne, const std::string& paidByClaimant, bool claimantPays,
                    const std::string& value);

// Costs cancelled against each other (§ 98 ZPO): "Kosten gegeneinander
// aufgehoben (§ 98 ZPO): Hälfte der Gerichtskosten 1.023,00 € = 511,50 € +
// eigene Anwaltskosten 1.234,00 € = 1.745,50 €", for the defendant "Rest
// der Gerichtskosten 1.023,00 € - 511,50 € = ...".
std::string cancelled(bool claimant, const std::string& court, const std::string& half,
                      const std::string& courtPart, const std::string& own,
                      const std::string& value);

// Around the lawsuit.

// "Erstattungsfähige Anwaltskosten des Klägers, ohne Anrechnung der
// Geschäftsgebühr (§ 15a Abs. 3 RVG): Mahnverfahren 776,78 € + erste
// Instanz 1.187,62 € = 1.964,40 €", "... ohne Umsatzsteuer ..." where the
// party deducts input tax.
std::string refundable(const char* ofParty, bool net, const std::string& paymentOrder,
                       const std::string& first, const std::string& value);

// "Zu verteilende Kosten (§ 91 ZPO, § 696 Abs. 1 Satz 5 ZPO): Gerichtskosten
// 849,00 € + Zeugen und Sachverständige 1.500,00 € + Anwaltskosten des
// Klägers 1.964,40 € + des Beklagten 1.575,56 € = 5.888,96 €".
std::string caseCostsToDistribute(const std::string& court, const std::string& evidence,
                                  const std::string& claimant, const std::string& defendant,
                                  const std::string& value);

// "Gezahlt haben der Kläger Gerichtskosten 849,00 € (§ 12 Abs. 1 GKG) +
// Zeugen und Sachverständige 0,00 € (§ 17 GKG) + Anwaltskosten 1.964,40 € =
// 2.813,40 €, der Beklagte Zeugen und Sachverständige 1.500,00 € +
// Anwaltskosten 1.575,56 €".
std::string casePaid(const std::string& court, const std::string& claimantEvidence,
                     const std::string& claimantCosts, const std::string& claimantPaid,
                     const std::string& defendantEvidence, const std::string& defendantCosts);

// "Anwaltskosten des Klägers wie berechnet 2.515,42 € - erstattungsfähig
// 1.964,40 € = 551,02 €: nicht Teil des Ausgleichs; die Geschäftsgebühr (VV
// RVG Nr. 2300) kann der Gewinner nur als Schaden verlangen".
std::string notRefunded(const char* ofParty, const std::string& charged,
                        const std::string& refundable, const std::string& value);

// "Anteil 1.910,40 € + nicht erstattet 551,02 € = 2.461,42 €".
std::string withNotRefunded(const std::string& part, const std::string& notRefunded,
                            const std::string& value);

// "Eigene Anwaltskosten: Geschäftsgebühr 1.032,44 € + Mahnverfahren 295,36 €
// + erste Instanz 1.422,33 € = 2.750,13 €".
std::string ownLawyerCosts(const std::string& business, const std::string& paymentOrder,
                           const std::string& first, const std::string& value);

// A party's lawyer costs of the first instance and what came before it, as
// it bears them: "Anwaltskosten des Klägers: Geschäftsgebühr 1.032,44 € +
// Mahnverfahren 295,36 € + erste Instanz 1.187,62 € = 2.515,42 €", "... ohne
// Umsatzsteuer, da er Vorsteuer abzieht (§ 104 Abs. 2 Satz 3 ZPO): ...".
std::string partyCosts(const char* ofParty, bool net, const std::string& business,
                       const std::string& paymentOrder, const std::string& first,
                       const std::string& value);

// What the parties bear of an instance: "Kosten, die die Parteien tragen:
// Gerichtskosten 849,00 € + Zeugen und Sachverständige 0,00 € +
// Anwaltskosten des Klägers 2.515,42 € + des Beklagten 1.987,30 € =
// 5.351,72 €".
std::string costsBorne(const std::string& court, const std::string& evidence,
                       const std::string& claimant, const std::string& defendant,
                       const std::string& value);

// After a settlement, what a party bears in all: "Kosten gegeneinander
// aufgehoben (§ 98 ZPO): die Hälfte der Gerichtskosten und die eigenen
// Anwaltskosten, wie oben: 4.322,80 €".
std::string cancelledInAll(const std::string& value);

// Legal aid (Prozesskostenhilfe) without installments.

// One term of a sum: its sign, what it is and its amount.
struct Term {
  char sign;  // '+' or '-'; the first term's is not written
  std::string name;
  std::string amount;
};

// A sum of its terms: "Der Beklagte trägt: eigene Anwaltskosten 1.963,50 €
// + Gerichtskosten nach seiner Quote (§ 125 ZPO) 509,40 € + an den Gegner
// 392,70 € = 2.865,60 €".
std::string sum(const std::string& intro, const std::vector<Term>& terms, const std::string& value);

// "Mit Prozesskostenhilfe gleichen die Parteien nur die Anwaltskosten aus;
// die Gerichtskosten stehen außerhalb des Ausgleichs".
std::string aidLawyersOnly();

// "Ausgleich der Anwaltskosten: der Kläger trägt 1.570,80 €, seine
// Anwaltskosten sind 1.963,50 €: der Beklagte zahlt dem Anwalt des Klägers
// (§ 126 ZPO) 392,70 €".
std::string aidBalance(const std::string& borne, const std::string& claimantCosts,
                       bool claimantPays, bool toLawyer, const std::string& value);

// "Gerichtskosten 849,00 €, vom Kläger vorgeschossen; den Anteil des
// Beklagten, 509,40 €, erstattet ihm die Staatskasse (§ 31 Abs. 3 GKG)".
std::string aidCourtRefund(const std::string& court, const std::string& value);

// What the aided party's lawyer keeps of the opponent's payment: "Vom
// Gegner 392,70 €; davon behält der Anwalt zuerst den Unterschied zur
// Regelvergütung, 1.963,50 € - 1.136,45 € = 827,05 €: 392,70 €; der Rest,
// 0,00 €, geht auf die Staatskasse über (§ 59 Abs. 1 RVG)".
std::string aidKept(const std::string& received, const std::string& regular,
                    const std::string& assigned, const std::string& difference,
                    const std::string& kept, const std::string& passed);

// "Mit Prozesskostenhilfe zahlt der Kläger keine Gerichtskosten und seinem
// Anwalt nichts (§ 122 Abs. 1 Nr. 1 a und Nr. 3 ZPO); dem Gegner erstattet
// er (§ 123 ZPO): 0,00 €", where `owed` says what it owes the opponent.
std::string aidedPays(const char* party, const char* owed, const std::string& value);

}  // namespace zeb::steps
