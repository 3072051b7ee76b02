#include "case/steps.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <limits>

#include "report/figures.h"
#include "report/german.h"

namespace zeb::steps {

std::string line(const char* format, ...) {
  char text[512];
  std::va_list arguments;
  va_start(arguments, format);
  const int length = std::vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  if (length < 0) return {};
  return {text, std::min(static_cast<std::size_t>(length), sizeof text - 1)};
}

std::string amount(const std::string& value) { return line("Streitwert: %s", value.c_str()); }

std::string cappedAmount(const std::string& value) {
  return line(
      "Streitwert über 30.000.000 €, gerechnet mit dem Höchstwert (§ 39 Abs. 2 GKG; § 22 Abs. 2 "
      "RVG): %s",
      value.c_str());
}

std::string fee(FeeKind kind, const FeeSteps& steps, const char* table) {
  if (table == nullptr) {
    table = kind == FeeKind::Court ? "Gerichtsgebühr (§ 34 GKG, Anlage 2)"
                                   : "Anwaltsgebühr (§ 13 RVG, Anlage 2)";
  }
  const std::string bound = wholeEuros(steps.lowerBound);
  const std::string atBound = euros(steps.atLowerBound);
  if (steps.steps == 0) return line("%s: bis %s %s", table, bound.c_str(), atBound.c_str());
  return line("%s: bis %s %s, dazu %s angefangene %s zu je %s = %s", table, bound.c_str(),
              atBound.c_str(), germanNumber(std::to_string(steps.steps)).c_str(),
              wholeEuros(steps.stepSize).c_str(), euros(steps.perStep).c_str(),
              euros(steps.fee).c_str());
}

std::string assignedFee(const AssignedLawyerFee& fee) {
  const char* name = "Gebühr des beigeordneten Anwalts (§ 49 RVG)";
  if (fee.row == nullptr) {
    return line("%s, Wert bis %s: die Gebühr nach § 13 RVG, %s", name,
                wholeEuros(kAssignedListAbove).c_str(), euros(fee.fee).c_str());
  }
  if (fee.row->upTo == std::numeric_limits<std::uint64_t>::max()) {
    return line("%s, Wert über %s: %s", name, wholeEuros((fee.row - 1)->upTo).c_str(),
                euros(fee.fee).c_str());
  }
  return line("%s, Wert bis %s: %s", name, wholeEuros(fee.row->upTo).c_str(),
              euros(fee.fee).c_str());
}

std::string feeIn32Bits(const std::string& value) {
  return line("in 32-Bit-Arithmetik gerechnet: %s", value.c_str());
}

std::string paymentOrder(const FeeRate& rate, const std::string& fee, const std::string& part,
                         const std::string& minimum, const std::string& value) {
  return line("%s Gebühr (KV GKG Nr. %d) × %s = %s, mindestens %s: %s", tenths(rate.tenths).c_str(),
              rate.number, fee.c_str(), part.c_str(), minimum.c_str(), value.c_str());
}

std::string noPaymentOrderFee(const char* why, const std::string& value) {
  return line("%s: %s", why, value.c_str());
}

std::string courtFees(const FeeRate& rate, const std::string& fee, const std::string& value) {
  if (rate.tenths == 0) return line("Keine Gerichtsgebühr: %s: %s", rate.name, value.c_str());
  return line("%s %s (KV GKG Nr. %d) × %s = %s", tenths(rate.tenths).c_str(),
              rate.tenths == 10 ? "Gebühr" : "Gebühren", rate.number, fee.c_str(), value.c_str());
}

std::string lawyerFees(const BlockRates& rates, const std::string& fee, const std::string& value) {
  // The first fee names its schedule, the others their numbers in it.
  std::string fees;
  for (const FeeRate& part : rates.lawyer) {
    if (part.tenths == 0) continue;
    fees += line(fees.empty() ? "%s %s (VV RVG Nr. %d)" : " + %s %s (Nr. %d)", part.name,
                 tenths(part.tenths).c_str(), part.number);
  }
  return line("%s = %s × %s = %s", fees.c_str(), tenths(rates.lawyerTenths()).c_str(), fee.c_str(),
              value.c_str());
}

std::string expenses(int percent, const std::string& limit, const std::string& lawyer,
                     const std::string& share, const std::string& value) {
  return line("Auslagenpauschale %d %% von %s = %s, höchstens %s (Nr. 7002): %s", percent,
              lawyer.c_str(), share.c_str(), limit.c_str(), value.c_str());
}

std::string vat(int percent, const std::string& base, const std::string& value) {
  return line("Umsatzsteuer %d %% von %s (Nr. 7008) = %s", percent, base.c_str(), value.c_str());
}

std::string withVat(int percent, const std::string& lawyer, const std::string& expenses,
                    const std::string& value) {
  // The factor is 1 + percent / 100, of a two-digit percent.
  return line("Umsatzsteuer %d %% (Nr. 7008): (%s + %s) × 1,%d = %s", percent, lawyer.c_str(),
              expenses.c_str(), percent, value.c_str());
}

std::string sum(const std::string& value) { return line("= %s", value.c_str()); }

std::string processCosts(const std::string& court, const std::string& gross,
                         const std::string& value, int lawyers) {
  if (lawyers == 0) return line("Gerichtskosten %s = %s", court.c_str(), value.c_str());
  return line(lawyers == 2 ? "Gerichtskosten %s + 2 × Anwaltskosten %s = %s"
                           : "Gerichtskosten %s + Anwaltskosten %s = %s",
              court.c_str(), gross.c_str(), value.c_str());
}

std::string halfShare(const std::string& process, const std::string& value) {
  return line("Hälfte der Prozesskosten %s = %s", process.c_str(), value.c_str());
}

std::string total(const char* baseName, const std::string* base, const char* name,
                  const std::string& process, const std::string& value) {
  if (base == nullptr) return line("%s %s", name, process.c_str());
  return line("%s %s + %s %s = %s", baseName, base->c_str(), name, process.c_str(), value.c_str());
}

std::string singlePrecision(const std::string& exact, const std::string& shown) {
  return line("Einfache Genauigkeit: genau gerechnet %s, gedruckt %s", exact.c_str(),
              shown.c_str());
}

std::string billFee(const FeeRate& rate, int raise, int clients, const std::string& fee,
                    const std::string& value) {
  if (raise == 0) {
    return line("%s %s (VV RVG Nr. %d) × %s = %s", rate.name, tenths(rate.tenths).c_str(),
                rate.number, fee.c_str(), value.c_str());
  }
  const int further = clients - 1;
  return line("%s %s (VV RVG Nr. %d; %s + %s für %d %s Auftraggeber%s, Nr. 1008) × %s = %s",
              rate.name, tenths(rate.tenths + raise).c_str(), rate.number,
              tenths(rate.tenths).c_str(), tenths(raise).c_str(), further,
              further == 1 ? "weiteren" : "weitere", 3 * further > raise ? ", höchstens 2,0" : "",
              fee.c_str(), value.c_str());
}

std::string businessCredit(int businessFeeTenths, int hundredths, const std::string& fee,
                           const std::string& value) {
  const std::string rate = germanNumber(decimalText({hundredths, 2}));
  return line(
      "Anrechnung der Geschäftsgebühr (Vorbem. 3 Abs. 4 VV RVG): die Hälfte von %s%s %s × %s = %s",
      tenths(businessFeeTenths).c_str(),
      5 * businessFeeTenths > hundredths ? ", höchstens 0,75:" : " =", rate.c_str(), fee.c_str(),
      value.c_str());
}

namespace {

// An edition as its column names it: "bis 31.05.2025", "ab 01.06.2025".
std::string editionName(const Edition& edition) {
  return edition.inForceUntil != nullptr ? std::string("bis ") + edition.inForceUntil
                                         : std::string("ab ") + edition.inForceFrom;
}

}  // namespace

std::string creditedAcrossEditions(const char* feeName, const Edition& edition) {
  return line(
      "%s entstanden nach dem RVG %s, angerechnet mit ihrem Betrag von dort (§ 60 Abs. 1 "
      "RVG)",
      feeName, editionName(edition).c_str());
}

std::string decidingDay(const char* matter, const char* verb, const char* assumedAs,
                        const DecidingDay& day, const char* act, const Edition& edition,
                        const char* rule) {
  const std::string law = std::string(act) + " " + editionName(edition);
  if (!day.day) return line("%s ohne Tag: das geltende %s (%s)", matter, law.c_str(), rule);
  char date[16];
  std::snprintf(date, sizeof date, "%02d.%02d.%04d", day.day->day, day.day->month, day.day->year);
  if (!day.given) {
    return line("%s ohne eigenen Tag, %s am %s: %s (%s)", matter, assumedAs, date, law.c_str(),
                rule);
  }
  return line("%s %s %s: %s (%s)", matter, verb, date, law.c_str(), rule);
}

std::string paymentOrderCredit(int number, const std::string& value) {
  return line("Anrechnung der Verfahrensgebühr des Mahnverfahrens (Anm. zu Nr. %d VV RVG): %s",
              number, value.c_str());
}

std::string businessCreditRest(const std::string& credit, const std::string& used,
                               const std::string& value) {
  return line("Rest der Anrechnung der Geschäftsgebühr nach dem Mahnverfahren: %s - %s = %s",
              credit.c_str(), used.c_str(), value.c_str());
}

std::string credited(const char* feeName, const std::string& fee, bool capped,
                     const std::string& value) {
  return line("Angerechnet auf die %s %s%s: %s", feeName, fee.c_str(),
              capped ? ", höchstens diese (keine Gebühr unter 0)" : "", value.c_str());
}

std::string afterCredit(const std::string& fees, const std::string& credited,
                        const std::string& value) {
  return line("Gebühren %s - angerechnet %s = %s", fees.c_str(), credited.c_str(), value.c_str());
}

std::string refundedWithoutBusinessCredit() {
  return "Ohne Anrechnung der Geschäftsgebühr, die der Gegner nicht geltend machen kann (§ 15a "
         "Abs. 3 RVG)";
}

std::string noLawyerIn(const char* party, const char* matter) {
  return line("Der %s hat keinen Anwalt %s: keine Anwaltskosten", party, matter);
}

std::string paymentOrderCourtCredit(const std::string& fee, const std::string& value) {
  return line("abzüglich der Gebühr des Mahnverfahrens %s (KV GKG Nr. 1210 Anm. 1) = %s",
              fee.c_str(), value.c_str());
}

std::string evidence(const std::string& claimant, const std::string& defendant,
                     const std::string& value) {
  return line(
      "Zeugen und Sachverständige (KV GKG Nr. 9005), vorgeschossen vom Kläger %s und vom "
      "Beklagten %s (§ 17 GKG) = %s",
      claimant.c_str(), defendant.c_str(), value.c_str());
}

std::string caseProcessCosts(const std::string& court, const std::string& evidence,
                             const std::string& claimant, const std::string& defendant,
                             const std::string& value) {
  return line(
      "Gerichtskosten %s + Zeugen und Sachverständige %s + Anwaltskosten des Klägers %s + des "
      "Beklagten %s = %s",
      court.c_str(), evidence.c_str(), claimant.c_str(), defendant.c_str(), value.c_str());
}

std::string netLawyerCosts(const char* ofParty, const std::string& fees,
                           const std::string& expenses, const std::string& value) {
  return line(
      "Anwaltskosten des %s ohne Umsatzsteuer, da er Vorsteuer abzieht (§ 104 Abs. 2 Satz 3 "
      "ZPO): Gebühren %s + Auslagenpauschale %s = %s",
      ofParty, fees.c_str(), expenses.c_str(), value.c_str());
}

std::string noLawyer(const char* party) {
  return line("Der %s hat in erster Instanz keinen Anwalt: keine Anwaltskosten", party);
}

std::string costsToDistribute(const std::string& court, const std::string& claimant,
                              const std::string& defendant, const std::string& value) {
  return line(
      "Zu verteilende Kosten (§ 91 ZPO): Gerichtskosten %s + Anwaltskosten des Klägers %s + "
      "Anwaltskosten des Beklagten %s = %s",
      court.c_str(), claimant.c_str(), defendant.c_str(), value.c_str());
}

std::string undefended() {
  return line("Der Beklagte hat sich nicht verteidigt: kein Anwalt, keine Anwaltskosten");
}

std::string endingShare(const char* ofParty, const char* rule, const std::string& share,
                        const std::string& total, const std::string& value) {
  return line("Anteil des %s: %s: %s von %s = %s", ofParty, rule, share.c_str(), total.c_str(),
              value.c_str());
}

std::string courtRefund(const std::string& advanced, const std::string& owed,
                        const std::string& refund) {
  return line(
      "Der Kläger hat 3,0 Gerichtsgebühren vorausgezahlt (§ 12 Abs. 1 GKG), %s; die Gebühr "
      "ermäßigt sich auf %s: der Staat zahlt ihm %s zurück",
      advanced.c_str(), owed.c_str(), refund.c_str());
}

std::string costShare(const char* ofParty, const std::string& share, const std::string& total,
                      bool rounded, const std::string& value) {
  return line("Anteil des %s (§ 92 Abs. 1 ZPO): %s von %s%s = %s", ofParty, share.c_str(),
              total.c_str(), rounded ? ", auf den Cent gerundet" : "", value.c_str());
}

std::string remainingShare(const char* ofParty, const std::string& total, const std::string& other,
                           const std::string& value) {
  return line("Anteil des %s (§ 92 Abs. 1 ZPO): der Rest, %s - %s = %s", ofParty, total.c_str(),
              other.c_str(), value.c_str());
}

std::string paid(const std::string& court, const std::string& claimantCosts,
                 const std::string& claimantPaid, const std::string& defendantCosts) {
  return line(
      "Gezahlt haben der Kläger Gerichtskosten %s (§ 12 Abs. 1 GKG) + Anwaltskosten %s = %s, der "
      "Beklagte Anwaltskosten %s",
      court.c_str(), claimantCosts.c_str(), claimantPaid.c_str(), defendantCosts.c_str());
}

std::string courtCostsToDistribute(const std::string& court, const std::string& evidence,
                                   const std::string& value, const char* rule) {
  return line(
      "Zu verteilende Kosten (§§ 91, 92 ZPO): nur die Gerichtskosten %s + Zeugen und "
      "Sachverständige %s = %s; seine Anwaltskosten trägt jede Partei selbst (%s)",
      court.c_str(), evidence.c_str(), value.c_str(), rule);
}

std::string ownLawyerNotRefunded(const char* ofParty, const std::string& costs,
                                 const std::string& value, const char* rule) {
  return line(
      "Anwaltskosten des %s %s = %s: jede Partei trägt ihre eigenen, der Gegner erstattet sie "
      "nicht (%s)",
      ofParty, costs.c_str(), value.c_str(), rule);
}

std::string assignedByState(const char* ofParty) {
  return line(
      "Den Anwalt des %s bezahlt die Staatskasse (§ 49 RVG); er kann von seiner Partei nichts "
      "verlangen (§ 122 Abs. 1 Nr. 3 ZPO): 0,00 €",
      ofParty);
}

std::string paidByQuota(const std::string& courtPart, const std::string& claimantCosts,
                        const std::string& claimantPaid, const std::string& defendantCosts) {
  return line(
      "Gezahlt haben der Kläger seinen Anteil an den Gerichtskosten %s, den ihm die Staatskasse "
      "in Rechnung stellt (§ 22 Abs. 2, § 29 Nr. 1 GKG), + Anwaltskosten %s = %s, der Beklagte "
      "Anwaltskosten %s",
      courtPart.c_str(), claimantCosts.c_str(), claimantPaid.c_str(), defendantCosts.c_str());
}

std::string paidByAppellant(const char* appellant, const std::string& court,
                            const std::string& appellantCosts, const std::string& appellantPaid,
                            const char* respondent, const std::string& respondentCosts) {
  return line(
      "Gezahlt haben der %s als Berufungsführer Gerichtskosten %s (§ 22 Abs. 1 GKG) + "
      "Anwaltskosten %s = %s, der %s Anwaltskosten %s",
      appellant, court.c_str(), appellantCosts.c_str(), appellantPaid.c_str(), respondent,
      respondentCosts.c_str());
}

std::string balance(const std::string& borne, const std::string& paidByClaimant, bool claimantPays,
                    const std::string& value) {
  return line("Ausgleich (§ 106 ZPO): der Kläger trägt %s und hat %s gezahlt: %s %s", borne.c_str(),
              paidByClaimant.c_str(),
              claimantPays ? "er zahlt dem Beklagten" : "der Beklagte zahlt ihm", value.c_str());
}

std::string cancelled(bool claimant, const std::string& court, const std::string& half,
                      const std::string& courtPart, const std::string& own,
                      const std::string& value) {
  if (claimant) {
    return line(
        "Kosten gegeneinander aufgehoben (§ 98 ZPO): Hälfte der Gerichtskosten %s = %s + eigene "
        "Anwaltskosten %s = %s",
        court.c_str(), courtPart.c_str(), own.c_str(), value.c_str());
  }
  return line(
      "Kosten gegeneinander aufgehoben (§ 98 ZPO): Rest der Gerichtskosten %s - %s = %s + eigene "
      "Anwaltskosten %s = %s",
      court.c_str(), half.c_str(), courtPart.c_str(), own.c_str(), value.c_str());
}

std::string refundable(const char* ofParty, bool net, const std::string& paymentOrder,
                       const std::string& first, const std::string& value) {
  return line(
      "Erstattungsfähige Anwaltskosten des %s, ohne Anrechnung der Geschäftsgebühr (§ 15a Abs. 3 "
      "RVG)%s: Mahnverfahren %s + erste Instanz %s = %s",
      ofParty, net ? ", ohne Umsatzsteuer (§ 104 Abs. 2 Satz 3 ZPO)" : "", paymentOrder.c_str(),
      first.c_str(), value.c_str());
}

std::string caseCostsToDistribute(const std::string& court, const std::string& evidence,
                                  const std::string& claimant, const std::string& defendant,
                                  const std::string& value) {
  return line(
      "Zu verteilende Kosten (§ 91 ZPO; mit denen des Mahnverfahrens, § 696 Abs. 1 Satz 5 ZPO): "
      "Gerichtskosten %s + Zeugen und Sachverständige %s + Anwaltskosten des Klägers %s + des "
      "Beklagten %s = %s",
      court.c_str(), evidence.c_str(), claimant.c_str(), defendant.c_str(), value.c_str());
}

std::string casePaid(const std::string& court, const std::string& claimantEvidence,
                     const std::string& claimantCosts, const std::string& claimantPaid,
                     const std::string& defendantEvidence, const std::string& defendantCosts) {
  return line(
      "Gezahlt haben der Kläger Gerichtskosten %s (§ 12 Abs. 1 GKG) + Zeugen und Sachverständige "
      "%s (§ 17 GKG) + Anwaltskosten %s = %s, der Beklagte Zeugen und Sachverständige %s + "
      "Anwaltskosten %s",
      court.c_str(), claimantEvidence.c_str(), claimantCosts.c_str(), claimantPaid.c_str(),
      defendantEvidence.c_str(), defendantCosts.c_str());
}

std::string notRefunded(const char* ofParty, const std::string& charged,
                        const std::string& refundable, const std::string& value) {
  return line(
      "Anwaltskosten des %s wie berechnet %s - erstattungsfähig %s = %s: nicht Teil des "
      "Ausgleichs; die Geschäftsgebühr (VV RVG Nr. 2300) kann der Gewinner nur als Schaden "
      "verlangen",
      ofParty, charged.c_str(), refundable.c_str(), value.c_str());
}

std::string withNotRefunded(const std::string& part, const std::string& notRefunded,
                            const std::string& value) {
  return line("Anteil %s + nicht erstattet %s = %s", part.c_str(), notRefunded.c_str(),
              value.c_str());
}

std::string ownLawyerCosts(const std::string& business, const std::string& paymentOrder,
                           const std::string& first, const std::string& value) {
  return line("Eigene Anwaltskosten: Geschäftsgebühr %s + Mahnverfahren %s + erste Instanz %s = %s",
              business.c_str(), paymentOrder.c_str(), first.c_str(), value.c_str());
}

std::string partyCosts(const char* ofParty, bool net, const std::string& business,
                       const std::string& paymentOrder, const std::string& first,
                       const std::string& value) {
  return line(
      "Anwaltskosten des %s%s: Geschäftsgebühr %s + Mahnverfahren %s + erste Instanz %s = %s",
      ofParty, net ? " ohne Umsatzsteuer, da er Vorsteuer abzieht (§ 104 Abs. 2 Satz 3 ZPO)" : "",
      business.c_str(), paymentOrder.c_str(), first.c_str(), value.c_str());
}

std::string costsBorne(const std::string& court, const std::string& evidence,
                       const std::string& claimant, const std::string& defendant,
                       const std::string& value) {
  return line(
      "Kosten, die die Parteien tragen: Gerichtskosten %s + Zeugen und Sachverständige %s + "
      "Anwaltskosten des Klägers %s + des Beklagten %s = %s",
      court.c_str(), evidence.c_str(), claimant.c_str(), defendant.c_str(), value.c_str());
}

std::string cancelledInAll(const std::string& value) {
  return line(
      "Kosten gegeneinander aufgehoben (§ 98 ZPO): die Hälfte der Gerichtskosten und die eigenen "
      "Anwaltskosten, wie oben: %s",
      value.c_str());
}

std::string sum(const std::string& intro, const std::vector<Term>& terms,
                const std::string& value) {
  std::string text = intro + ": ";
  for (std::size_t i = 0; i < terms.size(); ++i) {
    if (i != 0) text.append(terms[i].sign == '-' ? " - " : " + ");
    text.append(terms[i].name).append(" ").append(terms[i].amount);
  }
  return text + " = " + value;
}

std::string aidLawyersOnly() {
  return "Mit Prozesskostenhilfe gleichen die Parteien nur die Anwaltskosten aus; die "
         "Gerichtskosten stehen außerhalb des Ausgleichs";
}

std::string aidBalance(const std::string& borne, const std::string& claimantCosts,
                       bool claimantPays, bool toLawyer, const std::string& value) {
  const char* payment = claimantPays
                            ? (toLawyer ? "der Kläger zahlt dem Anwalt des Beklagten (§ 126 ZPO)"
                                        : "der Kläger zahlt dem Beklagten (§ 123 ZPO)")
                            : (toLawyer ? "der Beklagte zahlt dem Anwalt des Klägers (§ 126 ZPO)"
                                        : "der Beklagte zahlt dem Kläger (§ 123 ZPO)");
  return line(
      "Ausgleich der Anwaltskosten: der Kläger trägt %s, seine Anwaltskosten sind %s: %s %s",
      borne.c_str(), claimantCosts.c_str(), payment, value.c_str());
}

std::string aidCourtRefund(const std::string& court, const std::string& value) {
  return line(
      "Gerichtskosten %s, vom Kläger vorgeschossen; den Anteil des Beklagten mit "
      "Prozesskostenhilfe erstattet ihm die Staatskasse (§ 31 Abs. 3 GKG): %s",
      court.c_str(), value.c_str());
}

std::string aidKept(const std::string& received, const std::string& regular,
                    const std::string& assigned, const std::string& difference,
                    const std::string& kept, const std::string& passed) {
  return line(
      "Vom Gegner %s; davon behält der Anwalt zuerst den Unterschied zur Regelvergütung, "
      "%s - %s = %s: %s; der Rest, %s, geht auf die Staatskasse über (§ 59 Abs. 1 RVG)",
      received.c_str(), regular.c_str(), assigned.c_str(), difference.c_str(), kept.c_str(),
      passed.c_str());
}

std::string aidedPays(const char* party, const char* owed, const std::string& value) {
  return line(
      "Mit Prozesskostenhilfe zahlt der %s keine Gerichtskosten und seinem Anwalt nichts "
      "(§ 122 Abs. 1 Nr. 1 a und Nr. 3 ZPO); %s (§ 123 ZPO): %s",
      party, owed, value.c_str());
}

}  // namespace zeb::steps
