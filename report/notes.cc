#include "report/notes.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_options.h"

namespace zeb {
namespace {

// An entry is written as it stands, or as a printf format: one whose every
// "%s" is the currency of the rendering; the note on the payment order's
// minimum fee, with both columns' minimums, before the civil courts or the
// labour courts; the note on the editions of a reform; the number of a
// text note, counted as the notes are shown. A line feed follows each, but
// an entry that the next continues.
enum EntryKind { kPlain, kFormat, kMinimum, kLabourMinimum, kEditions, kNumber, kAssumedDays };

// The reports an entry belongs to: every report, that of 2013, the
// reforms'; those with a cost risk (-O), with or without the case around
// the lawsuit (-GK, -mahn ...); those with that case; those that show how
// a first instance ends (-ruecknahme ...); those with legal aid (-pkhK ...);
// those with an appeal taken as a decision (-berufungK ...); a divorce's
// with the court practice asked for (-kinder, -vermoegen).
enum EntryLaw {
  kEvery,
  kOnly2013,
  kOnlyReforms,
  kOnlyCostRisk,
  kCostRiskWithoutCase,
  kCostRiskWithCase,
  kOnlyCase,
  kOnlyEndings,
  kOnlyAid,
  kOnlyAppeal,
  kOnlyPractice,
  kAppealWithoutDays,
  kAppealWithDays,
  kOnlyDays,
};

// The courts an entry holds before, as bits: a note of the civil courts
// that does not hold before the labour courts or the family court is not
// shown there.
enum NoteCourts : unsigned {
  kCivilOnly = 1U,
  kLabourOnly = 2U,
  kBothCourts = kCivilOnly | kLabourOnly,
  kFamilyOnly = 4U,
  kEveryCourt = kBothCourts | kFamilyOnly,
};

struct NoteEntry {
  const char* text;
  EntryKind kind;
  EntryLaw law = kEvery;
  bool continued = false;  // the next entry goes on in the same line
  NoteCourts courts = kBothCourts;
};

// clang-format off

// The note on the case around the lawsuit, in both renderings.
#define CASE_NOTE_HTML                                                                             \
  "Um den Prozess (-GK, -GB, -mahn, -auftraggeberK, -auftraggeberB, -beweisK, -beweisB): Die vorgerichtliche Gesch&auml;ftsgeb&uuml;hr (Nr.&nbsp;2300 VV RVG) ist eine eigene Angelegenheit (&sect;&nbsp;17 RVG); sie wird zur H&auml;lfte, h&ouml;chstens mit 0,75, auf die Verfahrensgeb&uuml;hr des folgenden gerichtlichen Verfahrens angerechnet (Vorbem.&nbsp;3 Abs.&nbsp;4 VV RVG), nach einem Mahnverfahren zuerst auf dessen Verfahrensgeb&uuml;hr (Nr.&nbsp;3305, 3307), der Rest auf die der ersten Instanz. " \
  "Die Verfahrensgeb&uuml;hr des Mahnverfahrens wird ganz auf die der ersten Instanz angerechnet, seine Gerichtsgeb&uuml;hr auf die der ersten Instanz (KV GKG Nr.&nbsp;1210 Anm.&nbsp;1); keine Geb&uuml;hr sinkt unter 0. Die Auslagenpauschale jeder Angelegenheit betr&auml;gt 20&nbsp;%% ihrer Geb&uuml;hren vor der Anrechnung, h&ouml;chstens 20,00&nbsp;%s. " \
  "Vertritt ein Anwalt mehrere Personen, erh&ouml;ht sich seine Verfahrens- oder Gesch&auml;ftsgeb&uuml;hr f&uuml;r jede weitere um 0,3, zusammen h&ouml;chstens um 2,0 (Nr.&nbsp;1008 VV RVG); angerechnet wird die H&auml;lfte der so erh&ouml;hten Gesch&auml;ftsgeb&uuml;hr, h&ouml;chstens 0,75. Zeugen und Sachverst&auml;ndige (KV GKG Nr.&nbsp;9005) sind Gerichtskosten der ersten Instanz, vorgeschossen von der Partei, die den Beweis anbietet (&sect;&nbsp;17 Abs.&nbsp;1 GKG, &sect;&sect;&nbsp;379, 402 ZPO). " \
  "Im Ausgleich (-O) z&auml;hlen die Kosten des Mahnverfahrens zu denen des Rechtsstreits (&sect;&nbsp;696 Abs.&nbsp;1 Satz&nbsp;5 ZPO); die Anrechnung der Gesch&auml;ftsgeb&uuml;hr kann der Gegner nur geltend machen, wenn er eine der Geb&uuml;hren gezahlt hat, ein Titel &uuml;ber sie besteht oder beide im selben Verfahren verlangt werden (&sect;&nbsp;15a Abs.&nbsp;3 RVG): das Programm nimmt keines davon an. " \
  "Die Gesamtkosten mehrerer Instanzen z&auml;hlen hier alles, was die Parteien tragen: neben den Prozesskosten die vorgerichtlichen Gesch&auml;ftsgeb&uuml;hren, das Mahnverfahren und Zeugen und Sachverst&auml;ndige, die Anwaltskosten einer Partei, die Vorsteuer abzieht, ohne Umsatzsteuer; so ergeben die Anteile beider Parteien zusammen die Gesamtkosten. Was eine Partei in erster Instanz mit allem, was ihr vorausging, am Ende tr&auml;gt, zeigen die Zeilen &bdquo;tr&auml;gt insgesamt&ldquo; (-O)."
#define CASE_NOTE_TEXT                                                                             \
  "Um den Prozess (-GK, -GB, -mahn, -auftraggeberK, -auftraggeberB, -beweisK, -beweisB): Die vorgerichtliche Gesch\204ftsgeb\201hr (Nr. 2300 VV RVG) ist eine eigene\n" \
  "    Angelegenheit (\365 17 RVG); sie wird zur H\204lfte, h\224chstens mit 0,75, auf die Verfahrensgeb\201hr des folgenden gerichtlichen Verfahrens angerechnet (Vorbem. 3\n" \
  "    Abs. 4 VV RVG), nach einem Mahnverfahren zuerst auf dessen Verfahrensgeb\201hr (Nr. 3305, 3307), der Rest auf die der ersten Instanz. Die Verfahrensgeb\201hr des\n" \
  "    Mahnverfahrens wird ganz auf die der ersten Instanz angerechnet, seine Gerichtsgeb\201hr auf die der ersten Instanz (KV GKG Nr. 1210 Anm. 1); keine Geb\201hr\n" \
  "    sinkt unter 0. Die Auslagenpauschale jeder Angelegenheit betr\204gt 20 %% ihrer Geb\201hren vor der Anrechnung, h\224chstens 20,00 %s. Vertritt ein Anwalt mehrere\n" \
  "    Personen, erh\224ht sich seine Verfahrens- oder Gesch\204ftsgeb\201hr f\201r jede weitere um 0,3, zusammen h\224chstens um 2,0 (Nr. 1008 VV RVG); angerechnet wird die\n" \
  "    H\204lfte der so erh\224hten Gesch\204ftsgeb\201hr, h\224chstens 0,75. Zeugen und Sachverst\204ndige (KV GKG Nr. 9005) sind Gerichtskosten der ersten Instanz, vorgeschossen\n" \
  "    von der Partei, die den Beweis anbietet (\365 17 Abs. 1 GKG, \365\365 379, 402 ZPO). Im Ausgleich (-O) z\204hlen die Kosten des Mahnverfahrens zu denen des\n" \
  "    Rechtsstreits (\365 696 Abs. 1 Satz 5 ZPO); die Anrechnung der Gesch\204ftsgeb\201hr kann der Gegner nur geltend machen, wenn er eine der Geb\201hren gezahlt hat, ein\n" \
  "    Titel \201ber sie besteht oder beide im selben Verfahren verlangt werden (\365 15a Abs. 3 RVG): das Programm nimmt keines davon an. Die Gesamtkosten mehrerer\n" \
  "    Instanzen z\204hlen hier alles, was die Parteien tragen: neben den Prozesskosten die vorgerichtlichen Gesch\204ftsgeb\201hren, das Mahnverfahren und Zeugen und\n" \
  "    Sachverst\204ndige, die Anwaltskosten einer Partei, die Vorsteuer abzieht, ohne Umsatzsteuer; so ergeben die Anteile beider Parteien zusammen die Gesamtkosten.\n" \
  "    Was eine Partei in erster Instanz mit allem, was ihr vorausging, am Ende tr\204gt, zeigen die Zeilen \"tr\204gt insgesamt\" (-O)."

// The HTML rendering: an ordered list that the browser numbers, with lettered
// sub-lists in notes 2 and 9. Note 9 c is the target "#Mindest" of the
// payment-order row's footnote mark.
constexpr NoteEntry kHtmlNotes[] = {
    // 1: opens the notes block
    {"\n"
     "<br>\n"
     "<div class=\"anmerkung\">", kPlain, kEvery, false, kEveryCourt},
    // 2: heading and start of the numbered list
    {"<p>\n"
     "<b>Anmerkungen:</b>\n"
     "</p>\n"
     "\n"
     "<ol>", kPlain, kEvery, false, kEveryCourt},
    // before the labour courts: § 12a ArbGG first, their rates, no advances, the appeal's threshold
    {"<li>Vor den Arbeitsgerichten (-arbeit) tr&auml;gt in der ersten Instanz jede Partei ihren eigenen Anwalt, auch wenn sie gewinnt; der Anwalt muss darauf hinweisen, bevor er den "
     "Auftrag annimmt (&sect;&nbsp;12a Abs.&nbsp;1 ArbGG). Das gilt auch f&uuml;r seine Arbeit vor dem Prozess (BAG, 8 AZR 293/18). Die Gerichtsgeb&uuml;hren folgen derselben Tabelle "
     "(&sect;&nbsp;34 GKG) mit den S&auml;tzen des Teils 8 KV GKG: erste Instanz 2,0 (Nr.&nbsp;8210), Berufung vor dem Landesarbeitsgericht 3,2 (Nr.&nbsp;8220), Revision vor dem "
     "Bundesarbeitsgericht 4,0 (Nr.&nbsp;8230). Die Anw&auml;lte erhalten die Geb&uuml;hren wie vor den Zivilgerichten; vor dem Bundesarbeitsgericht gibt es keinen nur dort zugelassenen "
     "Anwalt (Nr.&nbsp;3206 und 3210 VV RVG). Ein gerichtlicher Vergleich, der die Instanz beendet, l&auml;sst ihre Gerichtsgeb&uuml;hr ganz entfallen (Vorbem.&nbsp;8 KV GKG). "
     "Vorsch&uuml;sse gibt es nicht (&sect;&nbsp;11 GKG): die Geb&uuml;hren werden erst am Ende f&auml;llig (&sect;&nbsp;6 Abs.&nbsp;3, &sect;&nbsp;9 GKG), und jede Partei erh&auml;lt "
     "die Rechnung &uuml;ber ihren Anteil (&sect;&nbsp;22 Abs.&nbsp;2, &sect;&nbsp;29 Nr.&nbsp;1 und 2 GKG). Die Berufung ist nur zul&auml;ssig, wenn ihr Wert 600&nbsp;%s &uuml;bersteigt "
     "(&sect;&nbsp;64 Abs.&nbsp;2 b ArbGG) oder es um die K&uuml;ndigung eines Arbeitsverh&auml;ltnisses geht (c). Eine K&uuml;ndigungsschutzklage ist h&ouml;chstens das Bruttogehalt "
     "eines Vierteljahres wert, eine Abfindung wird nicht hinzugerechnet (&sect;&nbsp;42 Abs.&nbsp;2 Satz&nbsp;1 GKG); die Anw&auml;lte rechnen mit demselben Wert (&sect;&nbsp;23 "
     "Abs.&nbsp;1 RVG).</li>", kFormat, kEvery, false, kLabourOnly},
    // before the family court: the divorce and its attached matters
    {"<li>Scheidung (-scheidung): Die Scheidung und ihre Folgesachen (Versorgungsausgleich, elterliche Sorge, Umgang, Unterhalt, Ehewohnung, Haushalt, G&uuml;terrecht) sind ein "
     "Verfahren (&sect;&nbsp;44 Abs.&nbsp;1 FamGKG): eine Gerichtsgeb&uuml;hr von 2,0 (KV FamGKG Nr.&nbsp;1110) auf die Summe der Werte, nach derselben Tabelle wie das GKG "
     "(&sect;&nbsp;28 FamGKG, Anlage 2), und f&uuml;r jeden Anwalt eine Angelegenheit (&sect;&nbsp;16 Nr.&nbsp;4 RVG): 1,3 (Nr.&nbsp;3100 VV RVG) und 1,2 (Nr.&nbsp;3104 VV RVG) "
     "auf die Summe, eine Auslagenpauschale und Umsatzsteuer; die Scheidung selbst bringt keine Einigungsgeb&uuml;hr (Nr.&nbsp;1000 VV RVG Anm. Abs.&nbsp;5). Der Wert der "
     "Scheidung ist das Nettoeinkommen beider Ehegatten in drei Monaten, mindestens 3.000&nbsp;%s, h&ouml;chstens 1.000.000&nbsp;%s (&sect;&nbsp;43 FamGKG); der "
     "Versorgungsausgleich 10&nbsp;%% dieses Einkommens f&uuml;r jedes Anrecht, mindestens 1.000&nbsp;%s (&sect;&nbsp;50 Abs.&nbsp;1 FamGKG); elterliche Sorge und Umgang je "
     "20&nbsp;%% des Werts der Scheidung, h&ouml;chstens 4.000&nbsp;%s bis 31.05.2025 und 5.000&nbsp;%s ab 01.06.2025, mehrere Kinder als eine Sache (&sect;&nbsp;44 Abs.&nbsp;2 "
     "FamGKG).</li>", kFormat, kEvery, false, kFamilyOnly},
    {"<li>Wer die Kosten tr&auml;gt: Sie werden gegeneinander aufgehoben (&sect;&nbsp;150 Abs.&nbsp;1 FamFG): jeder Ehegatte tr&auml;gt seinen Anwalt und die H&auml;lfte der "
     "Gerichtskosten, keiner erstattet dem anderen dessen Anwalt. Ein Antragsgegner, der der Scheidung zustimmt, braucht keinen Anwalt (&sect;&nbsp;114 Abs.&nbsp;4 Nr.&nbsp;3 "
     "FamFG): so rechnen die Zeilen, mit -anwaltB mit einem Anwalt auch f&uuml;r ihn. Den Antrag stellt das Gericht erst zu, wenn der Antragsteller die Geb&uuml;hr von 2,0 "
     "vorausgezahlt hat (&sect;&nbsp;14 Abs.&nbsp;1, &sect;&nbsp;9 Abs.&nbsp;1 FamGKG), berechnet nach dem Wert der Scheidung allein, ohne die Folgesachen. Am Ende wird die "
     "Geb&uuml;hr nach dem ganzen Wert h&auml;lftig geteilt: der Antragsgegner zahlt der Staatskasse, was noch fehlt, und erstattet dem Antragsteller, was dieser &uuml;ber "
     "seine H&auml;lfte hinaus gezahlt hat.</li>", kFormat, kEvery, false, kFamilyOnly},
    {"<li>Kinder und Verm&ouml;gen (-kinder, -vermoegen): Viele Gerichte, nicht das Gesetz und nicht alle Gerichte, ziehen f&uuml;r jedes Kind, dem die Ehegatten Unterhalt "
     "leisten, vom Einkommen im Monat einen Betrag ab, bevor sie es mit drei vervielfachen (oft 250&nbsp;%s), und rechnen einen Anteil des Nettoverm&ouml;gens &uuml;ber "
     "Freibetr&auml;gen hinzu (oft 5&nbsp;%% dessen, was 60.000&nbsp;%s je Ehegatte und 30.000&nbsp;%s je Kind &uuml;bersteigt). Das Programm rechnet so nur mit diesen Angaben; "
     "ohne sie rechnet es nach dem Gesetz allein.</li>", kFormat, kOnlyPractice, false, kFamilyOnly},
    {"<li>R&uuml;cknahme (-ruecknahme): Endet das ganze Verfahren durch R&uuml;cknahme des Scheidungsantrags vor dem Schluss der m&uuml;ndlichen Verhandlung, sinkt die "
     "Gerichtsgeb&uuml;hr auf 0,5 (KV FamGKG Nr.&nbsp;1111 Nr.&nbsp;1); ein Scheidungsbeschluss ohne Begr&uuml;ndung senkt sie nicht (Nr.&nbsp;1111 Nr.&nbsp;2). Die Zeilen "
     "nehmen an, dass noch kein Termin war: jeder Anwalt erh&auml;lt die Verfahrensgeb&uuml;hr von 1,3 (Nr.&nbsp;3100 VV RVG). Nach der R&uuml;cknahme tr&auml;gt der "
     "Antragsteller die Kosten (&sect;&nbsp;150 Abs.&nbsp;2 FamFG).</li>", kFormat, kOnlyEndings, false, kFamilyOnly},
    {"<li>Verfahrenskostenhilfe (-pkhK, -pkhB): Sie folgt den &sect;&sect;&nbsp;114 ff. ZPO (&sect;&nbsp;113 Abs.&nbsp;1, &sect;&nbsp;76 FamFG) und umfasst den "
     "Versorgungsausgleich (&sect;&nbsp;149 FamFG). Der beigeordnete Anwalt erh&auml;lt die Geb&uuml;hren des &sect;&nbsp;49 RVG aus der Staatskasse; die H&auml;lfte der "
     "Gerichtskosten eines Ehegatten mit Verfahrenskostenhilfe tr&auml;gt die Staatskasse, und er zahlt keinen Vorschuss (&sect;&nbsp;122 Abs.&nbsp;1 Nr.&nbsp;1 a ZPO). Hat der "
     "Antragsgegner Verfahrenskostenhilfe, rechnen die Zeilen nicht, wie der Antragsteller zur&uuml;ckerh&auml;lt, was er &uuml;ber seine H&auml;lfte hinaus vorgeschossen "
     "hat.</li>", kFormat, kOnlyAid, false, kFamilyOnly},
    {"<li>Fassungen und Grenzen: Die Gerichtsgeb&uuml;hren richten sich nach dem Tag, an dem das Verfahren anh&auml;ngig wurde (&sect;&nbsp;63 FamGKG), die Anwaltsgeb&uuml;hren "
     "nach dem Tag des Auftrags (&sect;&nbsp;60 Abs.&nbsp;1 RVG); die Spalten rechnen nach den Fassungen bis 31.05.2025 und ab 01.06.2025 mit 19&nbsp;%% Umsatzsteuer. Nicht "
     "berechnet sind das Rechtsmittel gegen den Scheidungsbeschluss, Familiensachen f&uuml;r sich allein, Vergleiche &uuml;ber Folgesachen und die Folgesachen Unterhalt, "
     "Ehewohnung, Haushalt und G&uuml;terrecht, die mit ihren eigenen Werten hinzuk&auml;men (&sect;&sect;&nbsp;35, 48, 51 FamGKG).</li>", kFormat, kEvery, false, kFamilyOnly},
    // 3: note 1
    {"<li>Die Angaben beziehen sich auf ein Verfahren vor Zivil- oder Verwaltungsgerichten (AG, LG, VG). In Straf-, Arbeits- und Sozialsachen gelten andere, in erstinstanzlichen Verfahren vor Gerichten h&ouml;herer Ordnung (OLG, BGH, OVG/VGH, BVwerwG) h&ouml;here Geb&uuml;hren.</li>", kPlain, kEvery, false, kCivilOnly},
    // 4: note 2, first part (its item stays open)
    {"<li>F&uuml;r Verfahren der Finanzgerichtsbarkeit gilt:", kPlain, kEvery, false, kCivilOnly},
    // 5: starts the lettered list of note 2
    {"<ol style=\"list-style-type:lower-alpha;\">", kPlain, kEvery, false, kCivilOnly},
    // 6: note 2 a
    {"<li>Vor den Finanzgerichten (FG) gelten dieselben Gerichts- und Anwaltskosten wie f&uuml;r Berufungsverfahren in der ordentlichen und der Verwaltungsgerichtsbarkeit. Es besteht kein Anwaltszwang (s.&nbsp;u.).</li>", kPlain, kEvery, false, kCivilOnly},
    // 7: note 2 b
    {"<li>Neben Rechtsanw&auml;lten sind auch Steuerberater vertretungsbefugt.</li>", kPlain, kEvery, false, kCivilOnly},
    // 8: note 2 c
    {"<li>Gegen Urteile des Finanzgerichts ist keine Berufung m&ouml;glich, jedoch unter den &uuml;blichen Voraussetzungen die Revision zum Bundesfinanzhof (BFH).</li>", kPlain, kEvery, false, kCivilOnly},
    // 9: ends the lettered list and note 2
    {"</ol>\n"
     "</li>", kPlain, kEvery, false, kCivilOnly},
    // 10: note 3
    {"<li>Das Programm gibt die Werte f&uuml;r Rechtsmittelverfahren unabh&auml;ngig davon aus, ob die Rechtsmittel zul&auml;ssig sind.</li>", kPlain, kEvery, false, kBothCourts},
    // 11: note 4
    {"<li>Anstelle der Auslagenpauschale (20&nbsp;%% der Geb&uuml;hren, h&ouml;chstens 20&nbsp;%s) kann der Anwalt auch die tats&auml;chlichen Auslagen verlangen.</li>", kFormat, kEvery, false, kEveryCourt},
    // 12: note 5
    {"<li>Daneben k&ouml;nnen u. a. noch Kosten f&uuml;r Sachverst&auml;ndigengutachten, Zeugen, Abschriften, Abwesenheitsgeld und Fahrtkosten sowie die Auslagen der Partei selbst anfallen.</li>", kPlain, kEvery, false, kEveryCourt},
    // the labour courts' payment order, target of the footnote mark of its row
    {"<li><sup><a name=\"Mindest\">1</a></sup> Mahnverfahren vor den Arbeitsgerichten: Der Mahnbescheid kostet keine Gerichtsgeb&uuml;hr; nur der Antrag auf den Vollstreckungsbescheid kostet 0,4 Geb&uuml;hren (KV GKG "
     "Nr.&nbsp;8100), mindestens&nbsp;%s&nbsp;%s (bis&nbsp;%s&nbsp;%s&nbsp;%s), die auf die Geb&uuml;hr der ersten Instanz angerechnet werden (Nr.&nbsp;8210 Anm. Abs.&nbsp;1). Folgt die "
     "Klage nach einem Widerspruch gegen den Mahnbescheid (-mahn), ist keine Gerichtsgeb&uuml;hr des Mahnverfahrens anzurechnen. Die Anw&auml;lte erhalten im Mahnverfahren dieselben "
     "Geb&uuml;hren wie vor den Zivilgerichten (Nr.&nbsp;3305, 3307 VV RVG), die auf die Verfahrensgeb&uuml;hr der ersten Instanz angerechnet werden.</li>", kLabourMinimum, kEvery, false, kLabourOnly},
    // 13: note 6
    {"<li>Wer den Proze&szlig; verliert, mu&szlig; die gesamten Proze&szlig;kosten einschlie&szlig;lich der notwendigen Auslagen der Gegenpartei tragen. Nicht erstattungsf&auml;hig sind jedoch Anwaltshonorare, soweit sie die gesetzlichen Werte &uuml;bersteigen.</li>", kPlain, kEvery, false, kCivilOnly},
    // 14: note 7
    {"<li>In Zivilsachen vom Landgericht aufw&auml;rts (in Familiensachen auch schon vor dem Amtsgericht) sowie in verwaltungsgerichtlichen Verfahren vom OVG/VGH aufw&auml;rts m&uuml;ssen sich die Parteien durch einen Rechtsanwalt oder einen Lehrer des Rechts an einer deutschen Hochschule vertreten lassen (Anwaltsprozesse). Die &uuml;brigen Prozesse (AG, VG) sind Parteiprozesse.</li>", kPlain, kOnly2013, false, kCivilOnly},
    // the same in a reform's report: who must have a lawyer today
    {"<li>Vor dem Landgericht und dem Oberlandesgericht m&uuml;ssen sich die Parteien durch einen Rechtsanwalt vertreten lassen, vor dem Bundesgerichtshof durch einen dort "
     "zugelassenen (&sect;&nbsp;78 Abs.&nbsp;1 ZPO), ebenso vor dem Oberverwaltungsgericht und dem Bundesverwaltungsgericht (&sect;&nbsp;67 Abs.&nbsp;4 VwGO) (Anwaltsprozesse). Vor "
     "dem Amtsgericht (&sect;&nbsp;79 Abs.&nbsp;1 ZPO) und dem Verwaltungsgericht (&sect;&nbsp;67 Abs.&nbsp;1 VwGO) kann eine Partei den Prozess selbst f&uuml;hren "
     "(Parteiprozesse).</li>", kPlain, kOnlyReforms, false, kCivilOnly},
    // 15: note 8
    {"<li>In Parteiprozessen herrscht kein Anwaltszwang, d.&nbsp;h. die Parteien k&ouml;nnen sich selbst vertreten. Anwaltsgeb&uuml;hren fallen dann entsprechend weniger oder gar nicht an.</li>", kPlain, kEvery, false, kCivilOnly},
    // 16: note 9, first part (its item stays open)
    {"<li>F&uuml;r Anspr&uuml;che auf Geldzahlung in inl&auml;ndischer W&auml;hrung ist das Mahnverfahren zul&auml;ssig, sofern der Anspruch nicht von einer Gegenleistung abh&auml;ngig ist oder die Gegenleistung bereits erbracht ist.", kPlain, kEvery, false, kCivilOnly},
    // 17: starts the lettered list of note 9
    {"<ol style=\"list-style-type:lower-alpha;\">", kPlain, kEvery, false, kCivilOnly},
    // 18: note 9 a
    {"<li>F&uuml;r das Mahnverfahren sind ausschlie&szlig;lich die Amtsgerichte zust&auml;ndig. Daher kann sich eine Partei (Antragsteller oder Antragsgegner) im Mahnverfahren auch bei Betr&auml;gen &uuml;ber 5000&nbsp;%s, f&uuml;r die im Klageverfahren die Landgerichte zust&auml;ndig sind, selbst vertreten.</li>", kFormat, kOnly2013, false, kCivilOnly},
    // 9 a of a reform: the local courts' limit since 01.01.2026
    {"<li>F&uuml;r das Mahnverfahren sind ausschlie&szlig;lich die Amtsgerichte zust&auml;ndig. Daher kann sich eine Partei (Antragsteller oder Antragsgegner) im Mahnverfahren auch bei Betr&auml;gen &uuml;ber 10.000&nbsp;%s, f&uuml;r die im Klageverfahren seit 01.01.2026 die Landgerichte zust&auml;ndig sind (&sect;&nbsp;23 Nr.&nbsp;1 GVG; vorher &uuml;ber 5.000&nbsp;%s), selbst vertreten.</li>", kFormat, kOnlyReforms, false, kCivilOnly},
    // 19: note 9 b
    {"<li>Zust&auml;ndig ist das Amtsgericht am Sitz des Anstrag<i>stellers</i>. In der Regel wird die Zust&auml;ndigkeit f&uuml;r mehrere Gerichtsbezirke oder f&uuml;r ein ganzes Bundesland einem zentralen Mahngericht &uuml;bertragen.</li>", kPlain, kOnly2013, false, kCivilOnly},
    // the same in a reform's report, spelt right
    {"<li>Zust&auml;ndig ist das Amtsgericht am Sitz des Antragstellers. In der Regel wird die Zust&auml;ndigkeit f&uuml;r mehrere Gerichtsbezirke oder f&uuml;r ein ganzes Bundesland einem zentralen Mahngericht &uuml;bertragen.</li>", kPlain, kOnlyReforms, false, kCivilOnly},
    // 20: note 9 c, target of the footnote mark of the payment-order row
    {"<li><sup><a name=\"Mindest\">1</a></sup> Die Mindestgeb&uuml;hr f&uuml;r das Mahnverfahren betr&auml;gt %s %s (bis %s %s %s).</li>", kMinimum, kEvery, false, kCivilOnly},
    // 21: note 9 d
    {"<li>Die Geb&uuml;hr f&uuml;r das Mahnverfahren wird in voller H&ouml;he auf die Geb&uuml;hren f&uuml;r ein anschlie&szlig;endes Proze&szlig;verfahren angerechnet.</li>", kPlain, kEvery, false, kCivilOnly},
    // 22: note 9 e
    {"<li>F&uuml;r den Antrag auf Erla&szlig; eines Mahnbescheides ist die Verwendung spezieller Vordrucke vorgeschrieben, die im Schreibwarenhandel erh&auml;ltlich sind. Daneben k&ouml;nnen die erforderlichen Angaben auch &uuml;ber das Internet eingeben und ausgedruckt an das zust&auml;ndige Mahngericht geschickt werden.</li>", kPlain, kOnly2013, false, kCivilOnly},
    // the same in a reform's report: how the application is filed today
    {"<li>Einen Antrag auf Erlass eines Mahnbescheids kann ein Rechtsanwalt, ebenso ein Inkassodienstleister, nur in einer nur maschinell lesbaren Form stellen "
     "(&sect;&nbsp;702 Abs.&nbsp;2 Satz&nbsp;2 ZPO); jeder andere kann den amtlichen Vordruck auf Papier oder online ausf&uuml;llen (&sect;&nbsp;703c ZPO).</li>", kPlain, kOnlyReforms, false, kCivilOnly},
    // 23: note 9 f
    {"<li>Wird mit der Durchf&uuml;hrung des Mahnverfahrens ein Rechtsanwalt beauftragt, erh&auml;lt dieser f&uuml;r die Vertretung des Anstragstellers eine, f&uuml;r die Vertretung des Antragsgegners eine halbe Geb&uuml;hr, die im Falle eines Proze&szlig;verfahrens auf die Verg&uuml;tung angerechnet werden.</li>", kPlain, kOnly2013, false, kCivilOnly},
    // the same in a reform's report, spelt right
    {"<li>Wird mit der Durchf&uuml;hrung des Mahnverfahrens ein Rechtsanwalt beauftragt, erh&auml;lt dieser f&uuml;r die Vertretung des Antragstellers eine, f&uuml;r die Vertretung des Antragsgegners eine halbe Geb&uuml;hr, die im Falle eines Proze&szlig;verfahrens auf die Verg&uuml;tung angerechnet werden.</li>", kPlain, kOnlyReforms, false, kCivilOnly},
    // 24: note 9 g
    {"<li>Auch in der Arbeitsgerichtsbarkeit gibt es ein Mahnverfahren, das sich im wesentlichen nach den Vorschriften der ZPO richtet.</li>", kPlain, kEvery, false, kCivilOnly},
    // 25: ends the lettered list and note 9
    {"</ol>\n"
     "</li>", kPlain, kEvery, false, kCivilOnly},
    // 26: note 10
    {"<li>Wird der Rechtsstreit durch einen Vergleich erledigt, erm&auml;&szlig;igen sich die Gerichtskosten um zwei Geb&uuml;hren auf 1,0 (Berufung: 2,0, Revision 3,0) Geb&uuml;hren. Daf&uuml;r erhalten die beteiligten Rechtsanw&auml;lte je eine Geb&uuml;hr (im Rechtsmittelverfahren 1,3 Geb&uuml;hren) zus&auml;tzlich, weshalb der Proze&szlig; insgesamt teurer werden kann als ein durch Urteil beendetes Verfahren. &Uuml;blicherweise werden bei einem Vergleich die Proze&szlig;kosten &bdquo;gegeneinander aufgehoben&ldquo;, d.&nbsp;h. jede Partei tr&auml;gt die H&auml;lfte der Gerichtskosten sowie ihre eigenen Auslagen und Anwaltskosten. (Wer auf einen Rechtsanwalt verzichtet, mu&szlig; sich also bei einem Vergleich nicht an den gegnerischen Anwaltskosten beteiligen.) Allerdings sind die Kosten bei einem Vergleich Teil der Verhandlungen, so da&szlig; auch eine andere Kostenverteilung in Betracht kommt, insbesondere, wenn eine Seite sich weitgehend durchsetzt.</li>", kPlain, kEvery, false, kCivilOnly},
    // 27: note 11
    {"<li>F&uuml;r die Gesamtkosten eines Verfahrens sind die Kosten aller Instanzen zusammenzurechnen.</li>", kPlain, kEvery, false, kBothCourts},
    // 28: note 12
    {"<li>Das Programm gibt die Kosten sowohl vor als auch nach Inkrafttreten der Erh&ouml;hungen zum 1.&nbsp;August&nbsp;2013 an. F&uuml;r Verfahren, die zu diesem Zeitpunkt bereits anh&auml;ngig waren, gilt die Kostenregelung in der bis 31.&nbsp;Juli&nbsp;2013 geltenden Fassung.</li>", kPlain, kOnly2013, false, kBothCourts},
    // 12 of a reform: which edition applies
    {"<li>Das Programm gibt die Kosten nach der bis %s und der ab %s geltenden Fassung an; die Fassung ab %s beruht auf dem %s. Welche Fassung gilt, richtet sich bei den Gerichtsgeb&uuml;hren nach dem Tag, an dem das Verfahren anh&auml;ngig wurde; f&uuml;r ein nach der &Auml;nderung eingelegtes Rechtsmittel gilt die neue Fassung (&sect;&nbsp;71 Abs.&nbsp;1 GKG). Die Anwaltsgeb&uuml;hren richten sich nach dem Tag, an dem der Auftrag erteilt wurde (&sect;&nbsp;60 Abs.&nbsp;1 RVG), die Umsatzsteuer nach dem Tag der Leistung: beide Spalten rechnen mit den heute geltenden 19&nbsp;%% (Nr.&nbsp;7008 VV RVG, &sect;&nbsp;12 Abs.&nbsp;1 UStG).</li>", kEditions, kOnlyReforms, false, kBothCourts},
    // 29: note 13
    {"<li>Bei Streitwerten &uuml;ber 2,1 Mrd.&nbsp;%s liefert das Programm nicht die gew&uuml;nschten Ergebnisse.</li>", kFormat, kOnly2013, false, kBothCourts},
    // 13 of a reform: the cap of the value
    {"<li>Der Streitwert z&auml;hlt h&ouml;chstens mit 30.000.000&nbsp;%s (&sect;&nbsp;39 Abs.&nbsp;2 GKG; &sect;&nbsp;22 Abs.&nbsp;2 RVG f&uuml;r einen Auftraggeber in derselben Angelegenheit); bei einem h&ouml;heren Streitwert rechnet das Programm mit diesem Wert.</li>", kFormat, kOnlyReforms, false, kBothCourts},
    // 14 with a cost risk: what its rows assume and leave out
    {"<li>Die Zeilen zur Kostenverteilung (-O) rechnen in jeder Instanz mit demselben Anteil, zu dem der Kl&auml;ger obsiegt: dem Endergebnis, nach dem das Rechtsmittelgericht &uuml;ber die Kosten beider Instanzen entscheidet, wenn es das Urteil &auml;ndert. Den Ausgleich (&sect;&nbsp;106 ZPO) zeigen sie f&uuml;r die erste Instanz, deren Gerichtsgeb&uuml;hr der Kl&auml;ger vorausgezahlt hat (&sect;&nbsp;12 Abs.&nbsp;1 GKG, &sect;&nbsp;22 Abs.&nbsp;1 GKG). ", kPlain, kOnlyCostRisk, true, kCivilOnly},
    {"Nicht eingerechnet sind die vorgerichtliche Gesch&auml;ftsgeb&uuml;hr des Anwalts (Nr.&nbsp;2300 VV RVG), die der Gewinner nur als Schaden verlangen kann, und Kosten f&uuml;r Zeugen, Sachverst&auml;ndige und Reisen. ", kPlain, kCostRiskWithoutCase, true, kCivilOnly},
    // the same sentence with the case around the lawsuit
    {"Die vorgerichtliche Gesch&auml;ftsgeb&uuml;hr des Anwalts (Nr.&nbsp;2300 VV RVG) erstattet der Gegner nicht: der Gewinner kann sie nur als Schaden verlangen; was davon jede Partei selbst tr&auml;gt, zeigen die Zeilen &bdquo;Nicht erstattet&ldquo;. Reisekosten sind nicht eingerechnet. ", kPlain, kCostRiskWithCase, true, kCivilOnly},
    {"War die Zuvielforderung einer Partei geringf&uuml;gig, kann das Gericht der anderen alle Kosten auferlegen (&sect;&nbsp;92 Abs.&nbsp;2 ZPO); das steht in seinem Ermessen, die Zeilen rechnen stets nach dem Anteil. "
     "In der ersten Instanz vor den Arbeitsgerichten werden Anwaltskosten nicht erstattet (&sect;&nbsp;12a Abs.&nbsp;1 ArbGG). Ohne Anwalt (-ohneK, -ohneB) kann eine Partei nur in der ersten Instanz auftreten: vor dem Amtsgericht (Geldforderungen bis 10.000&nbsp;%s, &sect;&nbsp;23 Nr.&nbsp;1 GVG) und vor dem Verwaltungsgericht (&sect;&nbsp;67 Abs.&nbsp;1 VwGO); vor dem Landgericht sowie in Berufung und Revision m&uuml;ssen sich beide Parteien durch einen Anwalt vertreten lassen (&sect;&nbsp;78 Abs.&nbsp;1 ZPO, &sect;&nbsp;67 Abs.&nbsp;4 VwGO). "
     "Wer Vorsteuer abzieht (-vorsteuerK, -vorsteuerB), tr&auml;gt und verlangt seine Anwaltskosten ohne Umsatzsteuer (&sect;&nbsp;104 Abs.&nbsp;2 Satz&nbsp;3 ZPO). Beim Vergleich gelten die Kosten als gegeneinander aufgehoben (&sect;&nbsp;98 ZPO). Kein Gesetz rundet die Anteile: das Programm rundet den Anteil des Kl&auml;gers auf den Cent, einen halben Cent aufw&auml;rts; der Beklagte tr&auml;gt den Rest.</li>", kFormat, kOnlyCostRisk, false, kCivilOnly},
    // the cost risk before the labour courts
    {"<li>Die Zeilen zur Kostenverteilung (-O) rechnen in jeder Instanz mit demselben Anteil, zu dem der Kl&auml;ger obsiegt: dem Endergebnis, nach dem das Rechtsmittelgericht &uuml;ber "
     "die Kosten beider Instanzen entscheidet, wenn es das Urteil &auml;ndert. In der ersten Instanz teilen sie nur die Gerichtskosten nach dem Anteil (&sect;&sect;&nbsp;91, 92 ZPO; nach "
     "einem Vergleich je zur H&auml;lfte, &sect;&nbsp;98 ZPO); ihre Anwaltskosten tr&auml;gt jede Partei selbst, wie die Zeilen &bdquo;Nicht erstattet (&sect;&nbsp;12a ArbGG)&ldquo; "
     "zeigen. Einen Ausgleich gezahlter Gerichtskosten gibt es nicht, denn niemand hat sie vorausgezahlt. Ab der Berufung erstattet der Verlierer dem Gewinner nach dem Anteil auch die "
     "Anwaltskosten (&sect;&sect;&nbsp;91, 92, 97 ZPO); den Ausgleich zeigen die Zeilen dann f&uuml;r die Anwaltskosten, ihren Anteil an den Gerichtskosten zahlt jede Partei selbst. War "
     "die Zuvielforderung einer Partei geringf&uuml;gig, kann das Gericht der anderen alle Kosten auferlegen (&sect;&nbsp;92 Abs.&nbsp;2 ZPO); das steht in seinem Ermessen, die Zeilen "
     "rechnen stets nach dem Anteil. Ohne Anwalt (-ohneK, -ohneB) hat eine Partei in der ersten Instanz keine Anwaltskosten; in Berufung und Revision rechnen die Zeilen f&uuml;r beide "
     "Parteien mit einem Anwalt. Wer Vorsteuer abzieht (-vorsteuerK, -vorsteuerB), tr&auml;gt und verlangt seine Anwaltskosten ohne Umsatzsteuer (&sect;&nbsp;104 Abs.&nbsp;2 Satz&nbsp;3 "
     "ZPO). Kein Gesetz rundet die Anteile: das Programm rundet den Anteil des Kl&auml;gers auf den Cent, einen halben Cent aufw&auml;rts; der Beklagte tr&auml;gt den Rest.</li>", kFormat, kOnlyCostRisk, false, kLabourOnly},
    // 15, or 14 without a cost risk: the case around the lawsuit
    {"<li>" CASE_NOTE_HTML "</li>", kFormat, kOnlyCase, false, kCivilOnly},
    // the case around a lawsuit before the labour courts
    {"<li>Um den Prozess (-GK, -GB, -mahn, -auftraggeberK, -auftraggeberB, -beweisK, -beweisB): Die vorgerichtliche Gesch&auml;ftsgeb&uuml;hr (Nr.&nbsp;2300 VV RVG) ist eine eigene "
     "Angelegenheit (&sect;&nbsp;17 RVG); sie wird zur H&auml;lfte, h&ouml;chstens mit 0,75, auf die Verfahrensgeb&uuml;hr des folgenden gerichtlichen Verfahrens angerechnet "
     "(Vorbem.&nbsp;3 Abs.&nbsp;4 VV RVG), nach einem Mahnverfahren zuerst auf dessen Verfahrensgeb&uuml;hr (Nr.&nbsp;3305, 3307), der Rest auf die der ersten Instanz. Die "
     "Verfahrensgeb&uuml;hr des Mahnverfahrens wird ganz auf die der ersten Instanz angerechnet; keine Geb&uuml;hr sinkt unter 0. Die Auslagenpauschale jeder Angelegenheit betr&auml;gt "
     "20&nbsp;%% ihrer Geb&uuml;hren vor der Anrechnung, h&ouml;chstens 20,00&nbsp;%s. Vertritt ein Anwalt mehrere Personen, erh&ouml;ht sich seine Verfahrens- oder "
     "Gesch&auml;ftsgeb&uuml;hr f&uuml;r jede weitere um 0,3, zusammen h&ouml;chstens um 2,0 (Nr.&nbsp;1008 VV RVG); angerechnet wird die H&auml;lfte der so erh&ouml;hten "
     "Gesch&auml;ftsgeb&uuml;hr, h&ouml;chstens 0,75. Zeugen und Sachverst&auml;ndige (KV GKG Nr.&nbsp;9005) sind Gerichtskosten der ersten Instanz; da die Vorschriften &uuml;ber "
     "Vorsch&uuml;sse vor den Arbeitsgerichten nicht gelten (&sect;&nbsp;11 GKG), rechnet das Programm sie ohne Vorschuss nach dem Anteil ab wie die Geb&uuml;hren. Ihre Anwaltskosten der "
     "ersten Instanz tr&auml;gt jede Partei selbst, auch die Gesch&auml;ftsgeb&uuml;hr und die des Mahnverfahrens (&sect;&nbsp;12a Abs.&nbsp;1 ArbGG). Die Gesamtkosten mehrerer Instanzen "
     "z&auml;hlen hier alles, was die Parteien tragen: neben den Prozesskosten die vorgerichtlichen Gesch&auml;ftsgeb&uuml;hren, das Mahnverfahren und Zeugen und Sachverst&auml;ndige, "
     "die Anwaltskosten einer Partei, die Vorsteuer abzieht, ohne Umsatzsteuer; so ergeben die Anteile beider Parteien zusammen die Gesamtkosten. Was eine Partei in erster Instanz mit "
     "allem, was ihr vorausging, am Ende tr&auml;gt, zeigen die Zeilen &bdquo;tr&auml;gt insgesamt&ldquo; (-O).</li>", kFormat, kOnlyCase, false, kLabourOnly},
    // after those: legal aid
    {"<li>Prozesskostenhilfe (-pkhK, -pkhB): Sie deckt nicht die Kosten des Gegners: wer verliert, erstattet dem Gegner dessen Anwaltskosten nach der Quote wie jeder andere (&sect;&nbsp;123 ZPO). Sie wird f&uuml;r jede Instanz bewilligt (&sect;&nbsp;119 Abs.&nbsp;1 ZPO); die Zeilen nehmen sie ohne Raten in jeder gezeigten Instanz an. Die Partei zahlt dann keine Gerichtskosten und keine Vorsch&uuml;sse (&sect;&nbsp;122 Abs.&nbsp;1 Nr.&nbsp;1 a ZPO; &sect;&nbsp;14 Nr.&nbsp;1 GKG), ihr Anwalt kann von ihr nichts verlangen (&sect;&nbsp;122 Abs.&nbsp;1 Nr.&nbsp;3 ZPO). Die Staatskasse zahlt ihm die Geb&uuml;hren des &sect;&nbsp;49 RVG, bis 4.000&nbsp;%s Wert die des &sect;&nbsp;13 RVG, mit einer Auslagenpauschale von 20&nbsp;%% dieser Geb&uuml;hren, h&ouml;chstens 20,00&nbsp;%s, und Umsatzsteuer. Vom Gegner, der verliert, kann er seine volle Verg&uuml;tung verlangen (&sect;&nbsp;126 ZPO); davon beh&auml;lt er zuerst den Unterschied zu dem, was die Staatskasse ihm zahlt, der Rest geht auf sie &uuml;ber (&sect;&nbsp;59 Abs.&nbsp;1 RVG). Die Parteien gleichen in jeder Instanz nur die Anwaltskosten aus. Die Gerichtskosten tr&auml;gt jede Partei ohne Prozesskostenhilfe nach ihrer Quote (&sect;&nbsp;125 ZPO), die einer Partei mit Prozesskostenhilfe die Staatskasse; dem Kl&auml;ger, der sie vorgeschossen hat, erstattet die Staatskasse den Anteil des Beklagten mit Prozesskostenhilfe (&sect;&nbsp;31 Abs.&nbsp;3 GKG). Beim Vergleich tr&auml;gt jede Partei die H&auml;lfte der Gerichtsgeb&uuml;hr (&sect;&nbsp;29 Nr.&nbsp;2 GKG) und ihren eigenen Anwalt; die H&auml;lfte eines Kl&auml;gers mit Prozesskostenhilfe bleibt bei der Staatskasse, der Beklagte zahlt seine (&sect;&nbsp;125 Abs.&nbsp;2 ZPO); die H&auml;lfte eines Beklagten mit Prozesskostenhilfe kann der Kl&auml;ger, der die Geb&uuml;hr vorgeschossen hat, von ihm verlangen (&sect;&nbsp;123 ZPO): die Zeilen nehmen an, dass das Gericht den Vergleich nicht mit der Feststellung nach &sect;&nbsp;31 Abs.&nbsp;4 GKG vorgeschlagen hat. Mit -O z&auml;hlen die Gesamtkosten mehrerer Instanzen die Gerichtskosten und was jeder Anwalt erh&auml;lt: so viel, wie Kl&auml;ger, Beklagter und Staatskasse zusammen tragen. Die vorgerichtliche Gesch&auml;ftsgeb&uuml;hr deckt die Prozesskostenhilfe nicht. Nicht berechnet werden Prozesskostenhilfe mit Raten (&sect;&nbsp;115 ZPO, &sect;&nbsp;50 RVG) und f&uuml;r einen Teil der Forderung, nach einem Mahnverfahren, neben dem Vorsteuerabzug, mit Zeugen und Sachverst&auml;ndigen und neben einer Gesch&auml;ftsgeb&uuml;hr der Partei mit Prozesskostenhilfe. Wird die Prozesskostenhilfe abgelehnt und folgt keine Klage, schuldet die Partei ihrem Anwalt eine Geb&uuml;hr von 1,0 (Nr.&nbsp;3335 VV RVG) nach dem Wert der Forderung (Abschnitt &bdquo;Prozesskostenhilfe &hellip; abgelehnt&ldquo;), 1,2 mehr mit einem Termin, 1,0 mehr mit einer Einigung, je mit Auslagenpauschale und Umsatzsteuer; eine Gerichtsgeb&uuml;hr f&auml;llt nicht an, und keine Seite erstattet der anderen etwas (&sect;&nbsp;118 Abs.&nbsp;1 Satz&nbsp;4 ZPO). Folgt die Klage, geht die Geb&uuml;hr in deren Verfahrensgeb&uuml;hr auf (&sect;&nbsp;16 Nr.&nbsp;2 RVG).</li>", kFormat, kOnlyAid, false, kCivilOnly},
    // legal aid before the labour courts
    {"<li>Prozesskostenhilfe (-pkhK, -pkhB): Vor den Arbeitsgerichten gelten die &sect;&sect;&nbsp;114 ff. ZPO (&sect;&nbsp;11a ArbGG); die Zeilen nehmen sie ohne Raten in jeder "
     "gezeigten Instanz an. Die Partei zahlt dann keine Gerichtskosten (&sect;&nbsp;122 Abs.&nbsp;1 Nr.&nbsp;1 a ZPO), ihr Anwalt kann von ihr nichts verlangen (&sect;&nbsp;122 "
     "Abs.&nbsp;1 Nr.&nbsp;3 ZPO); die Staatskasse zahlt ihm die Geb&uuml;hren des &sect;&nbsp;49 RVG, bis 4.000&nbsp;%s Wert die des &sect;&nbsp;13 RVG, mit einer Auslagenpauschale von "
     "20&nbsp;%% dieser Geb&uuml;hren, h&ouml;chstens 20,00&nbsp;%s, und Umsatzsteuer. In der ersten Instanz hat die Partei gegen den Gegner keinen Anspruch auf Erstattung "
     "(&sect;&nbsp;12a Abs.&nbsp;1 ArbGG): die Staatskasse tr&auml;gt die Verg&uuml;tung ihres Anwalts ganz und ihren Anteil an den Gerichtskosten. Ab der Berufung gelten die Regeln wie "
     "vor den Zivilgerichten: Die Prozesskostenhilfe deckt nicht die Kosten des Gegners; wer verliert, erstattet dem Gegner dessen Anwaltskosten nach der Quote wie jeder andere "
     "(&sect;&nbsp;123 ZPO). Vom Gegner, der verliert, kann der Anwalt seine volle Verg&uuml;tung verlangen (&sect;&nbsp;126 ZPO); davon beh&auml;lt er zuerst den Unterschied zu dem, was "
     "die Staatskasse ihm zahlt, der Rest geht auf sie &uuml;ber (&sect;&nbsp;59 Abs.&nbsp;1 RVG). Die Parteien gleichen nur die Anwaltskosten aus; die Gerichtskosten tr&auml;gt jede "
     "Partei ohne Prozesskostenhilfe nach ihrer Quote (&sect;&nbsp;125 ZPO), die einer Partei mit Prozesskostenhilfe die Staatskasse. Mit -O z&auml;hlen die Gesamtkosten mehrerer "
     "Instanzen die Gerichtskosten und was jeder Anwalt erh&auml;lt: so viel, wie Kl&auml;ger, Beklagter und Staatskasse zusammen tragen. Nicht berechnet werden Prozesskostenhilfe mit "
     "Raten (&sect;&nbsp;115 ZPO, &sect;&nbsp;50 RVG) und f&uuml;r einen Teil der Forderung, nach einem Mahnverfahren, neben dem Vorsteuerabzug, mit Zeugen und Sachverst&auml;ndigen und "
     "neben einer Gesch&auml;ftsgeb&uuml;hr der Partei mit Prozesskostenhilfe. Wird die Prozesskostenhilfe abgelehnt und folgt keine Klage, schuldet die Partei ihrem Anwalt eine "
     "Geb&uuml;hr von 1,0 (Nr.&nbsp;3335 VV RVG) nach dem Wert der Forderung (Abschnitt &bdquo;Prozesskostenhilfe &hellip; abgelehnt&ldquo;), 1,2 mehr mit einem Termin, 1,0 mehr mit "
     "einer Einigung, je mit Auslagenpauschale und Umsatzsteuer; eine Gerichtsgeb&uuml;hr f&auml;llt nicht an, und keine Seite erstattet der anderen etwas (&sect;&nbsp;118 Abs.&nbsp;1 "
     "Satz&nbsp;4 ZPO). Folgt die Klage, geht die Geb&uuml;hr in deren Verfahrensgeb&uuml;hr auf (&sect;&nbsp;16 Nr.&nbsp;2 RVG).</li>", kFormat, kOnlyAid, false, kLabourOnly},
    // then how the first instance ends
    {"<li>Wie der Prozess endet (-ruecknahme, -anerkenntnis, -versaeumnis): Die Zeilen der Klager&uuml;cknahme nehmen an, dass der Kl&auml;ger die Klage vor dem Schluss der m&uuml;ndlichen Verhandlung zur&uuml;cknimmt und keine streitige Kostenentscheidung nach &sect;&nbsp;269 Abs.&nbsp;3 Satz&nbsp;3 ZPO folgt; sonst bleibt es bei 3,0 Gerichtsgeb&uuml;hren. Die Geb&uuml;hr erm&auml;&szlig;igt sich auf 1,0 (KV GKG Nr.&nbsp;1211), die Kosten tr&auml;gt der Kl&auml;ger (&sect;&nbsp;269 Abs.&nbsp;3 Satz&nbsp;2 ZPO). Das Anerkenntnisurteil ergeht in diesen Zeilen ohne m&uuml;ndliche Verhandlung (&sect;&nbsp;307 ZPO): 1,0 Gerichtsgeb&uuml;hr; die Terminsgeb&uuml;hr entsteht auch so (Nr.&nbsp;3104 Anm. Abs.&nbsp;1 Nr.&nbsp;1 VV RVG), eine Einigungsgeb&uuml;hr nicht (Nr.&nbsp;1000 Anm. Abs.&nbsp;1 VV RVG). Die Kosten tr&auml;gt der Beklagte (&sect;&nbsp;91 ZPO); hat er keinen Anlass zur Klage gegeben und sofort anerkannt, tr&auml;gt sie der Kl&auml;ger (&sect;&nbsp;93 ZPO): das rechnet das Programm nicht. Das Vers&auml;umnisurteil ergeht in diesen Zeilen im schriftlichen Vorverfahren (&sect;&nbsp;331 Abs.&nbsp;3 ZPO) gegen einen Beklagten, der sich nicht verteidigt hat und keinen Anwalt bestellt: die Gerichtsgeb&uuml;hr bleibt bei 3,0, der Anwalt des Kl&auml;gers erh&auml;lt eine Terminsgeb&uuml;hr von 0,5 (Nr.&nbsp;3105 Anm. Abs.&nbsp;1 Nr.&nbsp;2 VV RVG); die Kosten tr&auml;gt der Beklagte (&sect;&nbsp;91 ZPO). Der Kl&auml;ger hat 3,0 Gerichtsgeb&uuml;hren vorausgezahlt (&sect;&nbsp;12 Abs.&nbsp;1 GKG); erm&auml;&szlig;igt sich die Geb&uuml;hr, zahlt der Staat ihm den Unterschied zur&uuml;ck, und der Ausgleich (-O) rechnet mit der erm&auml;&szlig;igten Geb&uuml;hr. Nach R&uuml;cknahme und Anerkenntnis erh&auml;lt der Anwalt des Beklagten in diesen Zeilen die Verfahrensgeb&uuml;hr von 1,3: er hat einen Schriftsatz mit Antr&auml;gen eingereicht; endete sein Auftrag vorher, erhielte er 0,8 (Nr.&nbsp;3101 VV RVG). Jedes Ende nimmt an, dass kein Beweis erhoben wurde: Kosten f&uuml;r Zeugen und Sachverst&auml;ndige (-beweisK, -beweisB) z&auml;hlen dort nicht. Die Gesamtkosten &uuml;ber die Instanzen rechnen mit dem streitigen Urteil.</li>", kPlain, kOnlyEndings, false, kCivilOnly},
    // how the first instance before the labour courts ends
    {"<li>Wie der Prozess endet (-ruecknahme, -anerkenntnis, -versaeumnis): Endet die erste Instanz ohne streitige Verhandlung, kostet sie keine Gerichtsgeb&uuml;hr (KV GKG Nr.&nbsp;8210 "
     "Anm. Abs.&nbsp;2); die G&uuml;teverhandlung (&sect;&nbsp;54 ArbGG) ist keine streitige Verhandlung. Die Zeilen der Klager&uuml;cknahme nehmen an, dass der Kl&auml;ger die Klage vor "
     "der streitigen Verhandlung zur&uuml;cknimmt, die des Anerkenntnisurteils, dass es in der G&uuml;teverhandlung ergeht. Ein Vers&auml;umnisurteil l&auml;sst die Geb&uuml;hr von 2,0 "
     "bestehen. Die Anwaltsgeb&uuml;hren sind die vor den Zivilgerichten: nach der R&uuml;cknahme die Verfahrensgeb&uuml;hr von 1,3 (Nr.&nbsp;3100 VV RVG), nach dem Anerkenntnis dazu die "
     "Terminsgeb&uuml;hr von 1,2 (Nr.&nbsp;3104 VV RVG); das Vers&auml;umnisurteil ergeht gegen einen Beklagten, der sich nicht verteidigt hat und keinen Anwalt bestellt, und der Anwalt "
     "des Kl&auml;gers erh&auml;lt eine Terminsgeb&uuml;hr von 0,5 (Nr.&nbsp;3105 VV RVG). Die Gerichtskosten tr&auml;gt nach einer R&uuml;cknahme der Kl&auml;ger (&sect;&nbsp;269 "
     "Abs.&nbsp;3 Satz&nbsp;2 ZPO), nach einem Anerkenntnis- oder Vers&auml;umnisurteil der Beklagte (&sect;&nbsp;91 ZPO); seinen Anwalt tr&auml;gt jede Partei selbst (&sect;&nbsp;12a "
     "Abs.&nbsp;1 ArbGG). Jedes Ende nimmt an, dass kein Beweis erhoben wurde. Die Gesamtkosten &uuml;ber die Instanzen rechnen mit dem streitigen Urteil.</li>", kPlain, kOnlyEndings, false, kLabourOnly},
    // then an appeal taken as a decision
    {"<li>Berufung als Entscheidung (-berufungK, -berufungB, -erfolg): Die Zeilen nehmen an, dass die Partei alles angreift, was sie in erster Instanz verloren hat, und der Gegner keine eigene Berufung einlegt; Berufungen beider Parteien rechnet das Programm nicht, ihre Werte w&uuml;rden zusammengerechnet (&sect;&nbsp;45 Abs.&nbsp;2 GKG). Der Wert der Berufung richtet sich nach den Antr&auml;gen dessen, der sie einlegt, ohne Antr&auml;ge nach dem, was er verloren hat (&sect;&nbsp;47 Abs.&nbsp;1 GKG; f&uuml;r die Anw&auml;lte &sect;&nbsp;23 Abs.&nbsp;1 RVG): hier nach allem, was er verloren hat.", kFormat, kOnlyAppeal, true, kCivilOnly},
    {" Jede Spalte rechnet beide Instanzen nach derselben Fassung; tats&auml;chlich richtet sich die Gerichtsgeb&uuml;hr der Berufung nach dem Tag, an dem sie eingelegt wird (&sect;&nbsp;71 Abs.&nbsp;1 Satz&nbsp;2 GKG), die Anwaltsgeb&uuml;hren nach dem Tag des Auftrags (&sect;&nbsp;60 Abs.&nbsp;1 RVG).", kFormat, kAppealWithoutDays, true, kCivilOnly},
    {" Die erste Spalte rechnet jede Instanz nach ihren Daten: die Gerichtsgeb&uuml;hr der Berufung nach dem Tag, an dem sie eingelegt wurde (&sect;&nbsp;71 Abs.&nbsp;1 Satz&nbsp;2 GKG), die Anwaltsgeb&uuml;hren nach dem Tag des Auftrags f&uuml;r die Berufung (&sect;&nbsp;60 Abs.&nbsp;1 RVG).", kFormat, kAppealWithDays, true, kCivilOnly},
    {" Bleibt die Berufung ohne Erfolg, tr&auml;gt ihre Kosten, wer sie eingelegt hat, und die Kostenentscheidung der ersten Instanz bleibt (&sect;&nbsp;97 Abs.&nbsp;1 ZPO). &Auml;ndert das Berufungsgericht das Urteil, entscheidet es &uuml;ber die Kosten beider Instanzen neu: die der ersten nach dem Endergebnis, die der Berufung nach ihrem Erfolg (&sect;&sect;&nbsp;91, 92 ZPO); so rechnen die Zeilen der Berufung und die Gesamtkosten, der Abschnitt der ersten Instanz zeigt ihr Urteil. Den Ausgleich der Berufung zeigen die Zeilen mit der Gerichtsgeb&uuml;hr, die der Berufungsf&uuml;hrer vorausgezahlt hat (&sect;&nbsp;22 Abs.&nbsp;1 GKG). Nimmt er die Berufung zur&uuml;ck, bevor sie begr&uuml;ndet ist, tr&auml;gt er ihre Kosten (&sect;&nbsp;516 Abs.&nbsp;3 ZPO): 1,0 Gerichtsgeb&uuml;hr (KV GKG Nr.&nbsp;1221), f&uuml;r seinen Anwalt die Verfahrensgeb&uuml;hr von 1,6 (Nr.&nbsp;3200 VV RVG), f&uuml;r den Anwalt des Gegners 1,1 (Nr.&nbsp;3201 VV RVG); hat dieser schon beantragt, sie zur&uuml;ckzuweisen, wird ihm ebenfalls nur 1,1 erstattet; eine Terminsgeb&uuml;hr entsteht nicht. Die Berufung ist nur zul&auml;ssig, wenn ihr Wert 1.000&nbsp;%s &uuml;bersteigt (f&uuml;r Entscheidungen, die ab 01.01.2026 verk&uuml;ndet werden; vorher 600&nbsp;%s, &sect;&nbsp;47 EGZPO) oder das Gericht erster Instanz sie zul&auml;sst (&sect;&nbsp;511 Abs.&nbsp;2 ZPO). &bdquo;Lohnt sich die Berufung?&ldquo; z&auml;hlt f&uuml;r die Partei, die sie einlegt, die Forderung und die Kosten zusammen. Mit dem Streitwert V1, dem Wert der Berufung V2 und allen Kosten T1 der ersten Instanz und T2 der Berufung lohnt sie sich ab dem Erfolg s* = T2 / (V2 + V2 / V1 &times; T1 + T2); da jede Quote linear vom Erfolg abh&auml;ngt, ist s* auch der erwartete Erfolg, ab dem sie sich lohnt.</li>", kFormat, kOnlyAppeal, false, kCivilOnly},
    // an appeal before the labour courts taken as a decision
    {"<li>Berufung als Entscheidung (-berufungK, -berufungB, -erfolg): Die Zeilen nehmen an, dass die Partei alles angreift, was sie in erster Instanz verloren hat, und der Gegner keine "
     "eigene Berufung einlegt; Berufungen beider Parteien rechnet das Programm nicht, ihre Werte w&uuml;rden zusammengerechnet (&sect;&nbsp;45 Abs.&nbsp;2 GKG). Der Wert der Berufung "
     "richtet sich nach den Antr&auml;gen dessen, der sie einlegt, ohne Antr&auml;ge nach dem, was er verloren hat (&sect;&nbsp;47 Abs.&nbsp;1 GKG; f&uuml;r die Anw&auml;lte "
     "&sect;&nbsp;23 Abs.&nbsp;1 RVG): hier nach allem, was er verloren hat.", kFormat, kOnlyAppeal, true, kLabourOnly},
    {" Jede Spalte rechnet beide Instanzen nach derselben Fassung; tats&auml;chlich richtet sich die "
     "Gerichtsgeb&uuml;hr der Berufung nach dem Tag, an dem sie eingelegt wird (&sect;&nbsp;71 Abs.&nbsp;1 Satz&nbsp;2 GKG), die Anwaltsgeb&uuml;hren nach dem Tag des Auftrags "
     "(&sect;&nbsp;60 Abs.&nbsp;1 RVG).", kFormat, kAppealWithoutDays, true, kLabourOnly},
    {" Die erste Spalte rechnet jede Instanz nach ihren Daten: die Gerichtsgeb&uuml;hr der Berufung nach dem Tag, an dem sie eingelegt wurde (&sect;&nbsp;71 Abs.&nbsp;1 Satz&nbsp;2 GKG), die Anwaltsgeb&uuml;hren nach dem Tag des Auftrags f&uuml;r die Berufung (&sect;&nbsp;60 Abs.&nbsp;1 RVG).", kFormat, kAppealWithDays, true, kLabourOnly},
    {" Bleibt die Berufung ohne Erfolg, tr&auml;gt ihre Kosten, wer sie eingelegt hat, und die Kostenentscheidung der ersten Instanz bleibt "
     "(&sect;&nbsp;97 Abs.&nbsp;1 ZPO). &Auml;ndert das Landesarbeitsgericht das Urteil, entscheidet es &uuml;ber die Kosten beider Instanzen neu: die der ersten nach dem Endergebnis, "
     "die der Berufung nach ihrem Erfolg (&sect;&sect;&nbsp;91, 92 ZPO); von den Kosten der ersten Instanz sind das nur die Gerichtskosten, denn seinen Anwalt tr&auml;gt dort jede Partei "
     "selbst (&sect;&nbsp;12a Abs.&nbsp;1 ArbGG). Die Gerichtsgeb&uuml;hr der Berufung hat niemand vorausgezahlt (&sect;&nbsp;11 GKG): den Ausgleich zeigen die Zeilen f&uuml;r die "
     "Anwaltskosten. Nimmt der Berufungsf&uuml;hrer die Berufung zur&uuml;ck, bevor sie begr&uuml;ndet ist, tr&auml;gt er ihre Kosten (&sect;&nbsp;516 Abs.&nbsp;3 ZPO): 0,8 "
     "Gerichtsgeb&uuml;hr (KV GKG Nr.&nbsp;8221), f&uuml;r seinen Anwalt die Verfahrensgeb&uuml;hr von 1,6 (Nr.&nbsp;3200 VV RVG), f&uuml;r den Anwalt des Gegners 1,1 (Nr.&nbsp;3201 VV "
     "RVG); eine Terminsgeb&uuml;hr entsteht nicht. Die Berufung ist nur zul&auml;ssig, wenn ihr Wert 600&nbsp;%s &uuml;bersteigt (&sect;&nbsp;64 Abs.&nbsp;2 b ArbGG) oder es um die "
     "K&uuml;ndigung eines Arbeitsverh&auml;ltnisses geht (c). &bdquo;Lohnt sich die Berufung?&ldquo; z&auml;hlt f&uuml;r die Partei, die sie einlegt, die Forderung und die Kosten "
     "zusammen, dazu ihre eigenen Anwaltskosten der ersten Instanz, die ihr niemand erstattet. Mit dem Streitwert V1, dem Wert der Berufung V2, den Gerichtskosten T1 der ersten Instanz "
     "und allen Kosten T2 der Berufung lohnt sie sich ab dem Erfolg s* = T2 / (V2 + V2 / V1 x T1 + T2); da jede Quote linear vom Erfolg abh&auml;ngt, ist s* auch der erwartete Erfolg, ab "
     "dem sie sich lohnt.</li>", kFormat, kOnlyAppeal, false, kLabourOnly},
    // a divorce by its dates
    {"<li>Daten des Falls (-anhaengig, -auftragK, -auftragB): Die erste Spalte rechnet jede Geb&uuml;hr nach der Fassung, die an ihrem Tag galt: bis %s die von 2021, "
     "ab %s die von 2025. Die Gerichtsgeb&uuml;hren richten sich nach dem Tag, an dem das Verfahren anh&auml;ngig wurde (&sect;&nbsp;63 Abs.&nbsp;1 FamGKG), die "
     "Anwaltsgeb&uuml;hren jedes Ehegatten nach dem Tag des unbedingten Auftrags (&sect;&nbsp;60 Abs.&nbsp;1 RVG), auch die des beigeordneten Anwalts. Das Programm rechnet "
     "die Werte nach der Fassung der Gerichtsgeb&uuml;hren.", kEditions, kOnlyDays, true, kFamilyOnly},
    {"", kAssumedDays, kOnlyDays, true, kFamilyOnly},
    {"</li>", kPlain, kOnlyDays, false, kFamilyOnly},
    // the case by its dates
    {"<li>Daten des Falls (-anhaengig, -auftragK, -auftragB, -vorgerichtK, -vorgerichtB, -berufungAm, -revisionAm): Die erste Spalte rechnet jede Geb&uuml;hr nach der "
     "Fassung, die an ihrem Tag galt: bis %s die von 2021, ab %s die von 2025. Die Gerichtsgeb&uuml;hren einer Instanz richten sich nach dem Tag, an dem sie "
     "anh&auml;ngig wurde, die einer Berufung oder Revision nach dem Tag ihrer Einlegung (&sect;&nbsp;71 Abs.&nbsp;1 GKG); die Anwaltsgeb&uuml;hren jeder Angelegenheit nach dem "
     "Tag des unbedingten Auftrags (&sect;&nbsp;60 Abs.&nbsp;1 RVG), auch die des beigeordneten Anwalts; die T&auml;tigkeit vor dem Prozess, das Mahnverfahren und jede "
     "Instanz sind eigene Angelegenheiten (&sect;&nbsp;17 RVG). Eine Geb&uuml;hr, die auf eine sp&auml;tere angerechnet wird, z&auml;hlt mit ihrem Betrag nach ihrer eigenen "
     "Fassung. Nach einem Mahnverfahren entscheidet nach der herrschenden Meinung der Tag des Antrags auf den Mahnbescheid &uuml;ber die Gerichtsgeb&uuml;hren des "
     "Mahnverfahrens und der Klage; eine Mindermeinung nimmt f&uuml;r die Klage den Tag der Abgabe an das Streitgericht (&sect;&nbsp;696 Abs.&nbsp;1 Satz&nbsp;4 ZPO). Das "
     "Programm folgt der herrschenden Meinung.", kEditions, kOnlyDays, true, kBothCourts},
    {"", kAssumedDays, kOnlyDays, true, kBothCourts},
    {"</li>", kPlain, kOnlyDays, false, kBothCourts},
    // 30: ends the list and the notes block
    {"</ol>\n"
     "</div>\n", kPlain, kEvery, false, kEveryCourt},
};

// The text rendering, in code page 850, broken at fixed places.
constexpr NoteEntry kTextNotes[] = {
    // 1: heading
    {"\n"
     "Anmerkungen:", kPlain, kEvery, false, kEveryCourt},
    // before the labour courts: § 12a ArbGG first, their rates, no advances, the appeal's threshold
    {"", kNumber, kEvery, true, kLabourOnly},
    {"Vor den Arbeitsgerichten (-arbeit) tr\204gt in der ersten Instanz jede Partei ihren eigenen Anwalt, auch wenn sie gewinnt; der Anwalt muss darauf\n"
     "    hinweisen, bevor er den Auftrag annimmt (\365 12a Abs. 1 ArbGG). Das gilt auch f\201r seine Arbeit vor dem Prozess (BAG, 8 AZR 293/18). Die\n"
     "    Gerichtsgeb\201hren folgen derselben Tabelle (\365 34 GKG) mit den S\204tzen des Teils 8 KV GKG: erste Instanz 2,0 (Nr. 8210), Berufung vor dem\n"
     "    Landesarbeitsgericht 3,2 (Nr. 8220), Revision vor dem Bundesarbeitsgericht 4,0 (Nr. 8230). Die Anw\204lte erhalten die Geb\201hren wie vor den\n"
     "    Zivilgerichten; vor dem Bundesarbeitsgericht gibt es keinen nur dort zugelassenen Anwalt (Nr. 3206 und 3210 VV RVG). Ein gerichtlicher Vergleich,\n"
     "    der die Instanz beendet, l\204sst ihre Gerichtsgeb\201hr ganz entfallen (Vorbem. 8 KV GKG). Vorsch\201sse gibt es nicht (\365 11 GKG): die Geb\201hren werden erst\n"
     "    am Ende f\204llig (\365 6 Abs. 3, \365 9 GKG), und jede Partei erh\204lt die Rechnung \201ber ihren Anteil (\365 22 Abs. 2, \365 29 Nr. 1 und 2 GKG). Die Berufung ist\n"
     "    nur zul\204ssig, wenn ihr Wert 600 %s \201bersteigt (\365 64 Abs. 2 b ArbGG) oder es um die K\201ndigung eines Arbeitsverh\204ltnisses geht (c). Eine\n"
     "    K\201ndigungsschutzklage ist h\224chstens das Bruttogehalt eines Vierteljahres wert, eine Abfindung wird nicht hinzugerechnet (\365 42 Abs. 2 Satz 1 GKG);\n"
     "    die Anw\204lte rechnen mit demselben Wert (\365 23 Abs. 1 RVG).", kFormat, kEvery, false, kLabourOnly},
    // before the family court: the divorce and its attached matters
    {"", kNumber, kEvery, true, kFamilyOnly},
    {"Scheidung (-scheidung): Die Scheidung und ihre Folgesachen (Versorgungsausgleich, elterliche Sorge, Umgang, Unterhalt, Ehewohnung, Haushalt, G\201terrecht)\n"
     "    sind ein Verfahren (\365 44 Abs. 1 FamGKG): eine Gerichtsgeb\201hr von 2,0 (KV FamGKG Nr. 1110) auf die Summe der Werte, nach derselben Tabelle wie das GKG\n"
     "    (\365 28 FamGKG, Anlage 2), und f\201r jeden Anwalt eine Angelegenheit (\365 16 Nr. 4 RVG): 1,3 (Nr. 3100 VV RVG) und 1,2 (Nr. 3104 VV RVG) auf die Summe, eine\n"
     "    Auslagenpauschale und Umsatzsteuer; die Scheidung selbst bringt keine Einigungsgeb\201hr (Nr. 1000 VV RVG Anm. Abs. 5). Der Wert der Scheidung ist das\n"
     "    Nettoeinkommen beider Ehegatten in drei Monaten, mindestens 3.000 %s, h\224chstens 1.000.000 %s (\365 43 FamGKG); der Versorgungsausgleich 10 %% dieses\n"
     "    Einkommens f\201r jedes Anrecht, mindestens 1.000 %s (\365 50 Abs. 1 FamGKG); elterliche Sorge und Umgang je 20 %% des Werts der Scheidung, h\224chstens 4.000 %s\n"
     "    bis 31.05.2025 und 5.000 %s ab 01.06.2025, mehrere Kinder als eine Sache (\365 44 Abs. 2 FamGKG).", kFormat, kEvery, false, kFamilyOnly},
    {"", kNumber, kEvery, true, kFamilyOnly},
    {"Wer die Kosten tr\204gt: Sie werden gegeneinander aufgehoben (\365 150 Abs. 1 FamFG): jeder Ehegatte tr\204gt seinen Anwalt und die H\204lfte der Gerichtskosten,\n"
     "    keiner erstattet dem anderen dessen Anwalt. Ein Antragsgegner, der der Scheidung zustimmt, braucht keinen Anwalt (\365 114 Abs. 4 Nr. 3 FamFG): so rechnen\n"
     "    die Zeilen, mit -anwaltB mit einem Anwalt auch f\201r ihn. Den Antrag stellt das Gericht erst zu, wenn der Antragsteller die Geb\201hr von 2,0 vorausgezahlt\n"
     "    hat (\365 14 Abs. 1, \365 9 Abs. 1 FamGKG), berechnet nach dem Wert der Scheidung allein, ohne die Folgesachen. Am Ende wird die Geb\201hr nach dem ganzen Wert\n"
     "    h\204lftig geteilt: der Antragsgegner zahlt der Staatskasse, was noch fehlt, und erstattet dem Antragsteller, was dieser \201ber seine H\204lfte hinaus gezahlt\n"
     "    hat.", kFormat, kEvery, false, kFamilyOnly},
    {"", kNumber, kOnlyPractice, true, kFamilyOnly},
    {"Kinder und Verm\224gen (-kinder, -vermoegen): Viele Gerichte, nicht das Gesetz und nicht alle Gerichte, ziehen f\201r jedes Kind, dem die Ehegatten Unterhalt\n"
     "    leisten, vom Einkommen im Monat einen Betrag ab, bevor sie es mit drei vervielfachen (oft 250 %s), und rechnen einen Anteil des Nettoverm\224gens \201ber\n"
     "    Freibetr\204gen hinzu (oft 5 %% dessen, was 60.000 %s je Ehegatte und 30.000 %s je Kind \201bersteigt). Das Programm rechnet so nur mit diesen Angaben; ohne\n"
     "    sie rechnet es nach dem Gesetz allein.", kFormat, kOnlyPractice, false, kFamilyOnly},
    {"", kNumber, kOnlyEndings, true, kFamilyOnly},
    {"R\201cknahme (-ruecknahme): Endet das ganze Verfahren durch R\201cknahme des Scheidungsantrags vor dem Schluss der m\201ndlichen Verhandlung, sinkt die\n"
     "    Gerichtsgeb\201hr auf 0,5 (KV FamGKG Nr. 1111 Nr. 1); ein Scheidungsbeschluss ohne Begr\201ndung senkt sie nicht (Nr. 1111 Nr. 2). Die Zeilen nehmen an, dass\n"
     "    noch kein Termin war: jeder Anwalt erh\204lt die Verfahrensgeb\201hr von 1,3 (Nr. 3100 VV RVG). Nach der R\201cknahme tr\204gt der Antragsteller die Kosten (\365 150\n"
     "    Abs. 2 FamFG).", kFormat, kOnlyEndings, false, kFamilyOnly},
    {"", kNumber, kOnlyAid, true, kFamilyOnly},
    {"Verfahrenskostenhilfe (-pkhK, -pkhB): Sie folgt den \365\365 114 ff. ZPO (\365 113 Abs. 1, \365 76 FamFG) und umfasst den Versorgungsausgleich (\365 149 FamFG). Der\n"
     "    beigeordnete Anwalt erh\204lt die Geb\201hren des \365 49 RVG aus der Staatskasse; die H\204lfte der Gerichtskosten eines Ehegatten mit Verfahrenskostenhilfe tr\204gt\n"
     "    die Staatskasse, und er zahlt keinen Vorschuss (\365 122 Abs. 1 Nr. 1 a ZPO). Hat der Antragsgegner Verfahrenskostenhilfe, rechnen die Zeilen nicht, wie der\n"
     "    Antragsteller zur\201ckerh\204lt, was er \201ber seine H\204lfte hinaus vorgeschossen hat.", kFormat, kOnlyAid, false, kFamilyOnly},
    {"", kNumber, kEvery, true, kFamilyOnly},
    {"Fassungen und Grenzen: Die Gerichtsgeb\201hren richten sich nach dem Tag, an dem das Verfahren anh\204ngig wurde (\365 63 FamGKG), die Anwaltsgeb\201hren nach dem\n"
     "    Tag des Auftrags (\365 60 Abs. 1 RVG); die Spalten rechnen nach den Fassungen bis 31.05.2025 und ab 01.06.2025 mit 19 %% Umsatzsteuer. Nicht berechnet sind\n"
     "    das Rechtsmittel gegen den Scheidungsbeschluss, Familiensachen f\201r sich allein, Vergleiche \201ber Folgesachen und die Folgesachen Unterhalt, Ehewohnung,\n"
     "    Haushalt und G\201terrecht, die mit ihren eigenen Werten hinzuk\204men (\365\365 35, 48, 51 FamGKG).", kFormat, kEvery, false, kFamilyOnly},
    // 2: note 1
    {"", kNumber, kEvery, true, kCivilOnly},
    {"Die Angaben beziehen sich auf ein Verfahren vor Zivil- oder Verwaltungsgerichten (AG, LG, VG).\n"
     "    In Straf-, Arbeits- und Sozialsachen gelten andere, in erstinstanzlichen Verfahren vor Gerichten h\224herer Ordnung (OLG, BGH, OVG/VGH, BVwerwG) h\224here Geb\201hren.", kPlain, kEvery, false, kCivilOnly},
    // 3: note 2
    {"", kNumber, kEvery, true, kCivilOnly},
    {"F\201r Verfahren der Finanzgerichtsbarkeit gilt:", kPlain, kEvery, false, kCivilOnly},
    // 4: note 2 a
    {"    a) Vor den Finanzgerichten (FG) gelten dieselben Gerichts- und Anwaltskosten wie f\201r Berufungsverfahren in der ordentlichen und der Verwaltungsgerichtsbarkeit.\n"
     "       Es besteht kein Anwaltszwang (s. u.).", kPlain, kEvery, false, kCivilOnly},
    // 5: note 2 b
    {"    b) Neben Rechtsanw\204lten sind auch Steuerberater vertretungsbefugt.", kPlain, kEvery, false, kCivilOnly},
    // 6: note 2 c
    {"    c) Gegen Urteile des Finanzgerichts ist keine Berufung m\224glich, jedoch unter den \201blichen Voraussetzungen die Revision zum Bundesfinanzhof (BFH).", kPlain, kEvery, false, kCivilOnly},
    // 7: note 3
    {"", kNumber, kEvery, true, kBothCourts},
    {"Das Programm gibt die Werte f\201r Rechtsmittelverfahren unabh\204ngig davon aus, ob die Rechtsmittel zul\204ssig sind.", kPlain, kEvery, false, kBothCourts},
    // 8: note 4
    {"", kNumber, kEvery, true, kEveryCourt},
    {"Anstelle der Auslagenpauschale (20 %% der Geb\201hren, h\224chstens 20 %s) kann der Anwalt auch die tats\204chlichen Auslagen verlangen.", kFormat, kEvery, false, kEveryCourt},
    // 9: note 5
    {"", kNumber, kEvery, true, kEveryCourt},
    {"Daneben k\224nnen u. a. noch Kosten f\201r Sachverst\204ndigengutachten, Zeugen, Abschriften, Abwesenheitsgeld und Fahrtkosten\n"
     "    sowie die Auslagen der Partei selbst anfallen.", kPlain, kEvery, false, kEveryCourt},
    // the labour courts' payment order, target of the footnote mark of its row
    {"", kNumber, kEvery, true, kLabourOnly},
    {"1) Mahnverfahren vor den Arbeitsgerichten: Der Mahnbescheid kostet keine Gerichtsgeb\201hr; nur der Antrag auf den Vollstreckungsbescheid kostet 0,4\n"
     "    Geb\201hren (KV GKG Nr. 8100), mindestens %s %s (bis %s %s %s), die auf die Geb\201hr der ersten Instanz angerechnet werden (Nr. 8210\n"
     "    Anm. Abs. 1). Folgt die Klage nach einem Widerspruch gegen den Mahnbescheid (-mahn), ist keine Gerichtsgeb\201hr des Mahnverfahrens anzurechnen. Die\n"
     "    Anw\204lte erhalten im Mahnverfahren dieselben Geb\201hren wie vor den Zivilgerichten (Nr. 3305, 3307 VV RVG), die auf die Verfahrensgeb\201hr der ersten\n"
     "    Instanz angerechnet werden.", kLabourMinimum, kEvery, false, kLabourOnly},
    // 10: note 6
    {"", kNumber, kEvery, true, kCivilOnly},
    {"Wer den Proze\341 verliert, mu\341 die gesamten Proze\341kosten einschlie\341lich der notwendigen Auslagen der Gegenpartei tragen.\n"
     "    Nicht erstattungsf\204hig sind jedoch Anwaltshonorare, soweit sie die gesetzlichen Werte \201bersteigen.", kPlain, kEvery, false, kCivilOnly},
    // 11: note 7
    {"", kNumber, kEvery, true, kCivilOnly},
    {"In Zivilsachen vom Landgericht aufw\204rts (in Familiensachen auch schon vor dem Amtsgericht) sowie in verwaltungsgerichtlichen Verfahren vom OVG/VGH aufw\204rts\n"
     "    m\201ssen sich die Parteien durch einen Rechtsanwalt oder einen Lehrer des Rechts an einer deutschen Hochschule vertreten lassen (Anwaltsprozesse).\n"
     "    Die \201brigen Prozesse (AG, VG) sind Parteiprozesse.", kPlain, kOnly2013, false, kCivilOnly},
    // the same in a reform's report: who must have a lawyer today
    {"Vor dem Landgericht und dem Oberlandesgericht m\201ssen sich die Parteien durch einen Rechtsanwalt vertreten lassen, vor dem Bundesgerichtshof durch einen\n"
     "    dort zugelassenen (\365 78 Abs. 1 ZPO), ebenso vor dem Oberverwaltungsgericht und dem Bundesverwaltungsgericht (\365 67 Abs. 4 VwGO) (Anwaltsprozesse). Vor dem\n"
     "    Amtsgericht (\365 79 Abs. 1 ZPO) und dem Verwaltungsgericht (\365 67 Abs. 1 VwGO) kann eine Partei den Prozess selbst f\201hren (Parteiprozesse).", kPlain, kOnlyReforms, false, kCivilOnly},
    // 12: note 8
    {"", kNumber, kEvery, true, kCivilOnly},
    {"In Parteiprozessen herrscht kein Anwaltszwang, d. h. die Parteien k\224nnen sich selbst vertreten.\n"
     "    Anwaltsgeb\201hren fallen dann entsprechend weniger oder gar nicht an.", kPlain, kEvery, false, kCivilOnly},
    // 13: note 9
    {"", kNumber, kEvery, true, kCivilOnly},
    {"F\201r Anspr\201che auf Geldzahlung in inl\204ndischer W\204hrung ist das Mahnverfahren zul\204ssig, sofern der Anspruch nicht von einer Gegenleistung abh\204ngig ist\n"
     "    oder die Gegenleistung bereits erbracht ist.", kPlain, kEvery, false, kCivilOnly},
    // 14: note 9 a
    {"    a) F\201r das Mahnverfahren sind ausschlie\341lich die Amtsgerichte zust\204ndig. Daher kann sich eine Partei (Antragsteller oder Antragsgegner) im Mahnverfahren\n"
     "       auch bei Betr\204gen \201ber 5000 %s, f\201r die im Klageverfahren die Landgerichte zust\204ndig sind, selbst vertreten.", kFormat, kOnly2013, false, kCivilOnly},
    // 9 a of a reform: the local courts' limit since 01.01.2026
    {"    a) F\201r das Mahnverfahren sind ausschlie\341lich die Amtsgerichte zust\204ndig. Daher kann sich eine Partei (Antragsteller oder Antragsgegner) im Mahnverfahren\n"
     "       auch bei Betr\204gen \201ber 10.000 %s, f\201r die im Klageverfahren seit 01.01.2026 die Landgerichte zust\204ndig sind (\365 23 Nr. 1 GVG; vorher \201ber 5.000 %s),\n"
     "       selbst vertreten.", kFormat, kOnlyReforms, false, kCivilOnly},
    // 15: note 9 b
    {"    b) Zust\204ndig ist das Amtsgericht am Sitz des Anstragstellers. In der Regel wird die Zust\204ndigkeit f\201r mehrere Gerichtsbezirke oder f\201r ein ganzes Bundesland\n"
     "       einem zentralen Mahngericht \201bertragen.", kPlain, kOnly2013, false, kCivilOnly},
    // the same in a reform's report, spelt right
    {"    b) Zust\204ndig ist das Amtsgericht am Sitz des Antragstellers. In der Regel wird die Zust\204ndigkeit f\201r mehrere Gerichtsbezirke oder f\201r ein ganzes Bundesland\n"
     "       einem zentralen Mahngericht \201bertragen.", kPlain, kOnlyReforms, false, kCivilOnly},
    // 16: note 9 c, target of the footnote mark of the payment-order row
    {"    c) 1) Die Mindestgeb\201hr f\201r das Mahnverfahren betr\204gt %s %s (bis %s %s %s).", kMinimum, kEvery, false, kCivilOnly},
    // 17: note 9 d
    {"    d) Die Geb\201hr f\201r das Mahnverfahren wird in voller H\224he auf die Geb\201hren f\201r ein anschlie\341endes Proze\341verfahren angerechnet.", kPlain, kEvery, false, kCivilOnly},
    // 18: note 9 e
    {"    e) F\201r den Antrag auf Erla\341 eines Mahnbescheides ist die Verwendung spezieller Vordrucke vorgeschrieben, die im Schreibwarenhandel erh\204ltlich sind.\n"
     "       Daneben k\224nnen die erforderlichen Angaben auch \201ber das Internet eingeben und ausgedruckt an das zust\204ndige Mahngericht geschickt werden.", kPlain, kOnly2013, false, kCivilOnly},
    // the same in a reform's report: how the application is filed today
    {"    e) Einen Antrag auf Erlass eines Mahnbescheids kann ein Rechtsanwalt, ebenso ein Inkassodienstleister, nur in einer nur maschinell lesbaren Form stellen\n"
     "       (\365 702 Abs. 2 Satz 2 ZPO); jeder andere kann den amtlichen Vordruck auf Papier oder online ausf\201llen (\365 703c ZPO).", kPlain, kOnlyReforms, false, kCivilOnly},
    // 19: note 9 f
    {"    f) Wird mit der Durchf\201hrung des Mahnverfahrens ein Rechtsanwalt beauftragt, erh\204lt dieser f\201r die Vertretung des Anstragstellers eine,\n"
     "       f\201r die Vertretung des Antragsgegners eine halbe Geb\201hr, die im Falle eines Proze\341verfahrens auf die Verg\201tung angerechnet werden.", kPlain, kOnly2013, false, kCivilOnly},
    // the same in a reform's report, spelt right
    {"    f) Wird mit der Durchf\201hrung des Mahnverfahrens ein Rechtsanwalt beauftragt, erh\204lt dieser f\201r die Vertretung des Antragstellers eine,\n"
     "       f\201r die Vertretung des Antragsgegners eine halbe Geb\201hr, die im Falle eines Proze\341verfahrens auf die Verg\201tung angerechnet werden.", kPlain, kOnlyReforms, false, kCivilOnly},
    // 20: note 9 g
    {"    g) Auch in der Arbeitsgerichtsbarkeit gibt es ein Mahnverfahren, das sich im wesentlichen nach den Vorschriften der ZPO richtet.", kPlain, kEvery, false, kCivilOnly},
    // 21: note 10
    {"", kNumber, kEvery, true, kCivilOnly},
    {"Wird der Rechtsstreit durch einen Vergleich erledigt, erm\204\341igen sich die Gerichtskosten um zwei Geb\201hren auf 1,0 (Berufung: 2,0, Revision 3,0) Geb\201hren.\n"
     "    Daf\201r erhalten die beteiligten Rechtsanw\204lte je eine Geb\201hr (im Rechtsmittelverfahren 1,3 Geb\201hren) zus\204tzlich, weshalb der Proze\341 insgesamt teurer werden kann\n"
     "    als ein durch Urteil beendetes Verfahren. \232blicherweise werden bei einem Vergleich die Proze\341kosten \"gegeneinander aufgehoben\", d. h. jede Partei tr\204gt die H\204lfte\n"
     "    der Gerichtskosten sowie ihre eigenen Auslagen und Anwaltskosten. (Wer auf einen Rechtsanwalt verzichtet, mu\341 sich also bei einem Vergleich nicht an den\n"
     "    gegnerischen Anwaltskosten beteiligen.) Allerdings sind die Kosten bei einem Vergleich Teil der Verhandlungen, so da\341 auch eine andere Kostenverteilung\n"
     "    in Betracht kommt, insbesondere, wenn eine Seite sich weitgehend durchsetzt.", kPlain, kEvery, false, kCivilOnly},
    // 22: note 11
    {"", kNumber, kEvery, true, kBothCourts},
    {"F\201r die Gesamtkosten eines Verfahrens sind die Kosten aller Instanzen zusammenzurechnen.", kPlain, kEvery, false, kBothCourts},
    // 23: note 12
    {"", kNumber, kOnly2013, true, kBothCourts},
    {"Das Programm gibt die Kosten sowohl vor als auch nach Inkrafttreten der Erh\224hungen zum 1. August 2013 an.\n"
     "    F\201r Verfahren, die zu diesem Zeitpunkt bereits anh\204ngig waren, gilt die Kostenregelung in der bis 31. Juli 2013 geltenden Fassung.", kPlain, kOnly2013, false, kBothCourts},
    // 12 of a reform: which edition applies
    {"", kNumber, kOnlyReforms, true, kBothCourts},
    {"Das Programm gibt die Kosten nach der bis %s und der ab %s geltenden Fassung an; die Fassung ab %s beruht auf dem\n"
     "    %s. Welche Fassung gilt, richtet sich bei den Gerichtsgeb\201hren nach dem Tag, an dem das Verfahren anh\204ngig wurde;\n"
     "    f\201r ein nach der \216nderung eingelegtes Rechtsmittel gilt die neue Fassung (\365 71 Abs. 1 GKG). Die Anwaltsgeb\201hren richten sich nach dem Tag, an dem\n"
     "    der Auftrag erteilt wurde (\365 60 Abs. 1 RVG), die Umsatzsteuer nach dem Tag der Leistung: beide Spalten rechnen mit den heute geltenden 19 %%\n"
     "    (Nr. 7008 VV RVG, \365 12 Abs. 1 UStG).", kEditions, kOnlyReforms, false, kBothCourts},
    // 24: note 13
    {"", kNumber, kOnly2013, true, kBothCourts},
    {"Bei Streitwerten \201ber 2,1 Mrd. %s liefert das Programm nicht die gew\201nschten Ergebnisse.", kFormat, kOnly2013, false, kBothCourts},
    // 13 of a reform: the cap of the value
    {"", kNumber, kOnlyReforms, true, kBothCourts},
    {"Der Streitwert z\204hlt h\224chstens mit 30.000.000 %s (\365 39 Abs. 2 GKG; \365 22 Abs. 2 RVG f\201r einen Auftraggeber in derselben Angelegenheit);\n"
     "    bei einem h\224heren Streitwert rechnet das Programm mit diesem Wert.", kFormat, kOnlyReforms, false, kBothCourts},
    // 14 with a cost risk: what its rows assume and leave out
    {"", kNumber, kOnlyCostRisk, true, kCivilOnly},
    {"Die Zeilen zur Kostenverteilung (-O) rechnen in jeder Instanz mit demselben Anteil, zu dem der Kl\204ger obsiegt: dem Endergebnis, nach dem das\n"
     "    Rechtsmittelgericht \201ber die Kosten beider Instanzen entscheidet, wenn es das Urteil \204ndert. Den Ausgleich (\365 106 ZPO) zeigen sie f\201r die erste Instanz,\n"
     "    deren Gerichtsgeb\201hr der Kl\204ger vorausgezahlt hat (\365 12 Abs. 1 GKG, \365 22 Abs. 1 GKG). ", kPlain, kOnlyCostRisk, true, kCivilOnly},
    {"Nicht eingerechnet sind die vorgerichtliche Gesch\204ftsgeb\201hr\n"
     "    des Anwalts (Nr. 2300 VV RVG), die der Gewinner nur als Schaden verlangen kann, und Kosten f\201r Zeugen, Sachverst\204ndige und Reisen. ", kPlain, kCostRiskWithoutCase, true, kCivilOnly},
    // the same sentence with the case around the lawsuit
    {"Die vorgerichtliche Gesch\204ftsgeb\201hr des Anwalts\n"
     "    (Nr. 2300 VV RVG) erstattet der Gegner nicht: der Gewinner kann sie nur als Schaden verlangen; was davon jede Partei selbst tr\204gt, zeigen die Zeilen\n"
     "    \"Nicht erstattet\". Reisekosten sind nicht eingerechnet. ", kPlain, kCostRiskWithCase, true, kCivilOnly},
    {"War die\n"
     "    Zuvielforderung einer Partei geringf\201gig, kann das Gericht der anderen alle Kosten auferlegen (\365 92 Abs. 2 ZPO); das steht in seinem Ermessen, die Zeilen\n"
     "    rechnen stets nach dem Anteil. In der ersten Instanz vor den Arbeitsgerichten werden Anwaltskosten nicht erstattet (\365 12a Abs. 1 ArbGG).\n"
     "    Ohne Anwalt (-ohneK, -ohneB) kann eine Partei nur in der ersten Instanz auftreten: vor dem Amtsgericht (Geldforderungen bis 10.000 %s, \365 23 Nr. 1 GVG)\n"
     "    und vor dem Verwaltungsgericht (\365 67 Abs. 1 VwGO); vor dem Landgericht sowie in Berufung und Revision m\201ssen sich beide Parteien durch einen Anwalt\n"
     "    vertreten lassen (\365 78 Abs. 1 ZPO, \365 67 Abs. 4 VwGO). Wer Vorsteuer abzieht (-vorsteuerK, -vorsteuerB), tr\204gt und verlangt seine Anwaltskosten\n"
     "    ohne Umsatzsteuer (\365 104 Abs. 2 Satz 3 ZPO). Beim Vergleich gelten die Kosten als gegeneinander aufgehoben (\365 98 ZPO). Kein Gesetz rundet die Anteile:\n"
     "    das Programm rundet den Anteil des Kl\204gers auf den Cent, einen halben Cent aufw\204rts; der Beklagte tr\204gt den Rest.", kFormat, kOnlyCostRisk, false, kCivilOnly},
    // the cost risk before the labour courts
    {"", kNumber, kOnlyCostRisk, true, kLabourOnly},
    {"Die Zeilen zur Kostenverteilung (-O) rechnen in jeder Instanz mit demselben Anteil, zu dem der Kl\204ger obsiegt: dem Endergebnis, nach dem das\n"
     "    Rechtsmittelgericht \201ber die Kosten beider Instanzen entscheidet, wenn es das Urteil \204ndert. In der ersten Instanz teilen sie nur die Gerichtskosten\n"
     "    nach dem Anteil (\365\365 91, 92 ZPO; nach einem Vergleich je zur H\204lfte, \365 98 ZPO); ihre Anwaltskosten tr\204gt jede Partei selbst, wie die Zeilen \"Nicht\n"
     "    erstattet (\365 12a ArbGG)\" zeigen. Einen Ausgleich gezahlter Gerichtskosten gibt es nicht, denn niemand hat sie vorausgezahlt. Ab der Berufung\n"
     "    erstattet der Verlierer dem Gewinner nach dem Anteil auch die Anwaltskosten (\365\365 91, 92, 97 ZPO); den Ausgleich zeigen die Zeilen dann f\201r die\n"
     "    Anwaltskosten, ihren Anteil an den Gerichtskosten zahlt jede Partei selbst. War die Zuvielforderung einer Partei geringf\201gig, kann das Gericht der\n"
     "    anderen alle Kosten auferlegen (\365 92 Abs. 2 ZPO); das steht in seinem Ermessen, die Zeilen rechnen stets nach dem Anteil. Ohne Anwalt (-ohneK,\n"
     "    -ohneB) hat eine Partei in der ersten Instanz keine Anwaltskosten; in Berufung und Revision rechnen die Zeilen f\201r beide Parteien mit einem Anwalt.\n"
     "    Wer Vorsteuer abzieht (-vorsteuerK, -vorsteuerB), tr\204gt und verlangt seine Anwaltskosten ohne Umsatzsteuer (\365 104 Abs. 2 Satz 3 ZPO). Kein Gesetz\n"
     "    rundet die Anteile: das Programm rundet den Anteil des Kl\204gers auf den Cent, einen halben Cent aufw\204rts; der Beklagte tr\204gt den Rest.", kFormat, kOnlyCostRisk, false, kLabourOnly},
    // the case around the lawsuit
    {"", kNumber, kOnlyCase, true, kCivilOnly},
    {CASE_NOTE_TEXT, kFormat, kOnlyCase, false, kCivilOnly},
    // the case around a lawsuit before the labour courts
    {"", kNumber, kOnlyCase, true, kLabourOnly},
    {"Um den Prozess (-GK, -GB, -mahn, -auftraggeberK, -auftraggeberB, -beweisK, -beweisB): Die vorgerichtliche Gesch\204ftsgeb\201hr (Nr. 2300 VV RVG) ist eine\n"
     "    eigene Angelegenheit (\365 17 RVG); sie wird zur H\204lfte, h\224chstens mit 0,75, auf die Verfahrensgeb\201hr des folgenden gerichtlichen Verfahrens\n"
     "    angerechnet (Vorbem. 3 Abs. 4 VV RVG), nach einem Mahnverfahren zuerst auf dessen Verfahrensgeb\201hr (Nr. 3305, 3307), der Rest auf die der ersten\n"
     "    Instanz. Die Verfahrensgeb\201hr des Mahnverfahrens wird ganz auf die der ersten Instanz angerechnet; keine Geb\201hr sinkt unter 0. Die Auslagenpauschale\n"
     "    jeder Angelegenheit betr\204gt 20 %% ihrer Geb\201hren vor der Anrechnung, h\224chstens 20,00 %s. Vertritt ein Anwalt mehrere Personen, erh\224ht sich seine\n"
     "    Verfahrens- oder Gesch\204ftsgeb\201hr f\201r jede weitere um 0,3, zusammen h\224chstens um 2,0 (Nr. 1008 VV RVG); angerechnet wird die H\204lfte der so erh\224hten\n"
     "    Gesch\204ftsgeb\201hr, h\224chstens 0,75. Zeugen und Sachverst\204ndige (KV GKG Nr. 9005) sind Gerichtskosten der ersten Instanz; da die Vorschriften \201ber\n"
     "    Vorsch\201sse vor den Arbeitsgerichten nicht gelten (\365 11 GKG), rechnet das Programm sie ohne Vorschuss nach dem Anteil ab wie die Geb\201hren. Ihre\n"
     "    Anwaltskosten der ersten Instanz tr\204gt jede Partei selbst, auch die Gesch\204ftsgeb\201hr und die des Mahnverfahrens (\365 12a Abs. 1 ArbGG). Die\n"
     "    Gesamtkosten mehrerer Instanzen z\204hlen hier alles, was die Parteien tragen: neben den Prozesskosten die vorgerichtlichen Gesch\204ftsgeb\201hren, das\n"
     "    Mahnverfahren und Zeugen und Sachverst\204ndige, die Anwaltskosten einer Partei, die Vorsteuer abzieht, ohne Umsatzsteuer; so ergeben die Anteile\n"
     "    beider Parteien zusammen die Gesamtkosten. Was eine Partei in erster Instanz mit allem, was ihr vorausging, am Ende tr\204gt, zeigen die Zeilen \"tr\204gt\n"
     "    insgesamt\" (-O).", kFormat, kOnlyCase, false, kLabourOnly},
    // legal aid
    {"", kNumber, kOnlyAid, true, kCivilOnly},
    {"Prozesskostenhilfe (-pkhK, -pkhB): Sie deckt nicht die Kosten des Gegners: wer verliert, erstattet dem Gegner dessen Anwaltskosten nach der Quote wie jeder\n"
     "    andere (\365 123 ZPO). Sie wird f\201r jede Instanz bewilligt (\365 119 Abs. 1 ZPO); die Zeilen nehmen sie ohne Raten in jeder gezeigten Instanz an. Die Partei zahlt\n"
     "    dann keine Gerichtskosten und keine Vorsch\201sse (\365 122 Abs. 1 Nr. 1 a ZPO; \365 14 Nr. 1 GKG), ihr Anwalt kann von ihr nichts verlangen (\365 122 Abs. 1 Nr. 3\n"
     "    ZPO). Die Staatskasse zahlt ihm die Geb\201hren des \365 49 RVG, bis 4.000 %s Wert die des \365 13 RVG, mit einer Auslagenpauschale von 20 %% dieser Geb\201hren,\n"
     "    h\224chstens 20,00 %s, und Umsatzsteuer. Vom Gegner, der verliert, kann er seine volle Verg\201tung verlangen (\365 126 ZPO); davon beh\204lt er zuerst den Unterschied\n"
     "    zu dem, was die Staatskasse ihm zahlt, der Rest geht auf sie \201ber (\365 59 Abs. 1 RVG). Die Parteien gleichen in jeder Instanz nur die Anwaltskosten aus. Die\n"
     "    Gerichtskosten tr\204gt jede Partei ohne Prozesskostenhilfe nach ihrer Quote (\365 125 ZPO), die einer Partei mit Prozesskostenhilfe die Staatskasse; dem Kl\204ger,\n"
     "    der sie vorgeschossen hat, erstattet die Staatskasse den Anteil des Beklagten mit Prozesskostenhilfe (\365 31 Abs. 3 GKG). Beim Vergleich tr\204gt jede Partei die\n"
     "    H\204lfte der Gerichtsgeb\201hr (\365 29 Nr. 2 GKG) und ihren eigenen Anwalt; die H\204lfte eines Kl\204gers mit Prozesskostenhilfe bleibt bei der Staatskasse, der\n"
     "    Beklagte zahlt seine (\365 125 Abs. 2 ZPO); die H\204lfte eines Beklagten mit Prozesskostenhilfe kann der Kl\204ger, der die Geb\201hr vorgeschossen hat, von ihm\n"
     "    verlangen (\365 123 ZPO): die Zeilen nehmen an, dass das Gericht den Vergleich nicht mit der Feststellung nach \365 31 Abs. 4 GKG vorgeschlagen hat. Mit -O z\204hlen\n"
     "    die Gesamtkosten mehrerer Instanzen die Gerichtskosten und was jeder Anwalt erh\204lt: so viel, wie Kl\204ger, Beklagter und Staatskasse zusammen tragen. Die\n"
     "    vorgerichtliche Gesch\204ftsgeb\201hr deckt die Prozesskostenhilfe nicht. Nicht berechnet werden Prozesskostenhilfe mit Raten (\365 115 ZPO, \365 50 RVG) und f\201r einen\n"
     "    Teil der Forderung, nach einem Mahnverfahren, neben dem Vorsteuerabzug, mit Zeugen und Sachverst\204ndigen und neben einer Gesch\204ftsgeb\201hr der Partei mit\n"
     "    Prozesskostenhilfe. Wird die Prozesskostenhilfe abgelehnt und folgt keine Klage, schuldet die Partei ihrem Anwalt eine Geb\201hr von 1,0 (Nr. 3335 VV RVG) nach\n"
     "    dem Wert der Forderung (Abschnitt \"Prozesskostenhilfe ... abgelehnt\"), 1,2 mehr mit einem Termin, 1,0 mehr mit einer Einigung, je mit\n"
     "    Auslagenpauschale und Umsatzsteuer; eine Gerichtsgeb\201hr f\204llt nicht an, und keine Seite erstattet der anderen etwas (\365 118 Abs. 1 Satz 4 ZPO). Folgt die\n"
     "    Klage, geht die Geb\201hr in deren Verfahrensgeb\201hr auf (\365 16 Nr. 2 RVG).", kFormat, kOnlyAid, false, kCivilOnly},
    // legal aid before the labour courts
    {"", kNumber, kOnlyAid, true, kLabourOnly},
    {"Prozesskostenhilfe (-pkhK, -pkhB): Vor den Arbeitsgerichten gelten die \365\365 114 ff. ZPO (\365 11a ArbGG); die Zeilen nehmen sie ohne Raten in jeder\n"
     "    gezeigten Instanz an. Die Partei zahlt dann keine Gerichtskosten (\365 122 Abs. 1 Nr. 1 a ZPO), ihr Anwalt kann von ihr nichts verlangen (\365 122 Abs. 1\n"
     "    Nr. 3 ZPO); die Staatskasse zahlt ihm die Geb\201hren des \365 49 RVG, bis 4.000 %s Wert die des \365 13 RVG, mit einer Auslagenpauschale von 20 %% dieser\n"
     "    Geb\201hren, h\224chstens 20,00 %s, und Umsatzsteuer. In der ersten Instanz hat die Partei gegen den Gegner keinen Anspruch auf Erstattung (\365 12a Abs. 1\n"
     "    ArbGG): die Staatskasse tr\204gt die Verg\201tung ihres Anwalts ganz und ihren Anteil an den Gerichtskosten. Ab der Berufung gelten die Regeln wie vor den\n"
     "    Zivilgerichten: Die Prozesskostenhilfe deckt nicht die Kosten des Gegners; wer verliert, erstattet dem Gegner dessen Anwaltskosten nach der Quote\n"
     "    wie jeder andere (\365 123 ZPO). Vom Gegner, der verliert, kann der Anwalt seine volle Verg\201tung verlangen (\365 126 ZPO); davon beh\204lt er zuerst den\n"
     "    Unterschied zu dem, was die Staatskasse ihm zahlt, der Rest geht auf sie \201ber (\365 59 Abs. 1 RVG). Die Parteien gleichen nur die Anwaltskosten aus;\n"
     "    die Gerichtskosten tr\204gt jede Partei ohne Prozesskostenhilfe nach ihrer Quote (\365 125 ZPO), die einer Partei mit Prozesskostenhilfe die Staatskasse.\n"
     "    Mit -O z\204hlen die Gesamtkosten mehrerer Instanzen die Gerichtskosten und was jeder Anwalt erh\204lt: so viel, wie Kl\204ger, Beklagter und Staatskasse\n"
     "    zusammen tragen. Nicht berechnet werden Prozesskostenhilfe mit Raten (\365 115 ZPO, \365 50 RVG) und f\201r einen Teil der Forderung, nach einem\n"
     "    Mahnverfahren, neben dem Vorsteuerabzug, mit Zeugen und Sachverst\204ndigen und neben einer Gesch\204ftsgeb\201hr der Partei mit Prozesskostenhilfe. Wird die\n"
     "    Prozesskostenhilfe abgelehnt und folgt keine Klage, schuldet die Partei ihrem Anwalt eine Geb\201hr von 1,0 (Nr. 3335 VV RVG) nach dem Wert der\n"
     "    Forderung (Abschnitt \"Prozesskostenhilfe ... abgelehnt\"), 1,2 mehr mit einem Termin, 1,0 mehr mit einer Einigung, je mit Auslagenpauschale\n"
     "    und Umsatzsteuer; eine Gerichtsgeb\201hr f\204llt nicht an, und keine Seite erstattet der anderen etwas (\365 118 Abs. 1 Satz 4 ZPO). Folgt die Klage, geht\n"
     "    die Geb\201hr in deren Verfahrensgeb\201hr auf (\365 16 Nr. 2 RVG).", kFormat, kOnlyAid, false, kLabourOnly},
    // how the first instance ends
    {"", kNumber, kOnlyEndings, true, kCivilOnly},
    {"Wie der Prozess endet (-ruecknahme, -anerkenntnis, -versaeumnis): Die Zeilen der Klager\201cknahme nehmen an, dass der Kl\204ger die Klage vor dem Schluss der\n"
     "    m\201ndlichen Verhandlung zur\201cknimmt und keine streitige Kostenentscheidung nach \365 269 Abs. 3 Satz 3 ZPO folgt; sonst bleibt es bei 3,0 Gerichtsgeb\201hren. Die\n"
     "    Geb\201hr erm\204\341igt sich auf 1,0 (KV GKG Nr. 1211), die Kosten tr\204gt der Kl\204ger (\365 269 Abs. 3 Satz 2 ZPO). Das Anerkenntnisurteil ergeht in diesen Zeilen ohne\n"
     "    m\201ndliche Verhandlung (\365 307 ZPO): 1,0 Gerichtsgeb\201hr; die Terminsgeb\201hr entsteht auch so (Nr. 3104 Anm. Abs. 1 Nr. 1 VV RVG), eine Einigungsgeb\201hr nicht\n"
     "    (Nr. 1000 Anm. Abs. 1 VV RVG). Die Kosten tr\204gt der Beklagte (\365 91 ZPO); hat er keinen Anlass zur Klage gegeben und sofort anerkannt, tr\204gt sie der Kl\204ger\n"
     "    (\365 93 ZPO): das rechnet das Programm nicht. Das Vers\204umnisurteil ergeht in diesen Zeilen im schriftlichen Vorverfahren (\365 331 Abs. 3 ZPO) gegen einen\n"
     "    Beklagten, der sich nicht verteidigt hat und keinen Anwalt bestellt: die Gerichtsgeb\201hr bleibt bei 3,0, der Anwalt des Kl\204gers erh\204lt eine Terminsgeb\201hr von\n"
     "    0,5 (Nr. 3105 Anm. Abs. 1 Nr. 2 VV RVG); die Kosten tr\204gt der Beklagte (\365 91 ZPO). Der Kl\204ger hat 3,0 Gerichtsgeb\201hren vorausgezahlt (\365 12 Abs. 1 GKG);\n"
     "    erm\204\341igt sich die Geb\201hr, zahlt der Staat ihm den Unterschied zur\201ck, und der Ausgleich (-O) rechnet mit der erm\204\341igten Geb\201hr. Nach R\201cknahme und\n"
     "    Anerkenntnis erh\204lt der Anwalt des Beklagten in diesen Zeilen die Verfahrensgeb\201hr von 1,3: er hat einen Schriftsatz mit Antr\204gen eingereicht; endete sein\n"
     "    Auftrag vorher, erhielte er 0,8 (Nr. 3101 VV RVG). Jedes Ende nimmt an, dass kein Beweis erhoben wurde: Kosten f\201r Zeugen und Sachverst\204ndige (-beweisK,\n"
     "    -beweisB) z\204hlen dort nicht. Die Gesamtkosten \201ber die Instanzen rechnen mit dem streitigen Urteil.", kPlain, kOnlyEndings, false, kCivilOnly},
    // how the first instance before the labour courts ends
    {"", kNumber, kOnlyEndings, true, kLabourOnly},
    {"Wie der Prozess endet (-ruecknahme, -anerkenntnis, -versaeumnis): Endet die erste Instanz ohne streitige Verhandlung, kostet sie keine\n"
     "    Gerichtsgeb\201hr (KV GKG Nr. 8210 Anm. Abs. 2); die G\201teverhandlung (\365 54 ArbGG) ist keine streitige Verhandlung. Die Zeilen der Klager\201cknahme nehmen\n"
     "    an, dass der Kl\204ger die Klage vor der streitigen Verhandlung zur\201cknimmt, die des Anerkenntnisurteils, dass es in der G\201teverhandlung ergeht. Ein\n"
     "    Vers\204umnisurteil l\204sst die Geb\201hr von 2,0 bestehen. Die Anwaltsgeb\201hren sind die vor den Zivilgerichten: nach der R\201cknahme die Verfahrensgeb\201hr von\n"
     "    1,3 (Nr. 3100 VV RVG), nach dem Anerkenntnis dazu die Terminsgeb\201hr von 1,2 (Nr. 3104 VV RVG); das Vers\204umnisurteil ergeht gegen einen Beklagten,\n"
     "    der sich nicht verteidigt hat und keinen Anwalt bestellt, und der Anwalt des Kl\204gers erh\204lt eine Terminsgeb\201hr von 0,5 (Nr. 3105 VV RVG). Die\n"
     "    Gerichtskosten tr\204gt nach einer R\201cknahme der Kl\204ger (\365 269 Abs. 3 Satz 2 ZPO), nach einem Anerkenntnis- oder Vers\204umnisurteil der Beklagte (\365 91\n"
     "    ZPO); seinen Anwalt tr\204gt jede Partei selbst (\365 12a Abs. 1 ArbGG). Jedes Ende nimmt an, dass kein Beweis erhoben wurde. Die Gesamtkosten \201ber die\n"
     "    Instanzen rechnen mit dem streitigen Urteil.", kPlain, kOnlyEndings, false, kLabourOnly},
    // an appeal taken as a decision
    {"", kNumber, kOnlyAppeal, true, kCivilOnly},
    {"Berufung als Entscheidung (-berufungK, -berufungB, -erfolg): Die Zeilen nehmen an, dass die Partei alles angreift, was sie in erster Instanz verloren\n"
     "    hat, und der Gegner keine eigene Berufung einlegt; Berufungen beider Parteien rechnet das Programm nicht, ihre Werte w\201rden zusammengerechnet (\365 45 Abs. 2\n"
     "    GKG). Der Wert der Berufung richtet sich nach den Antr\204gen dessen, der sie einlegt, ohne Antr\204ge nach dem, was er verloren hat (\365 47 Abs. 1 GKG; f\201r die\n"
     "    Anw\204lte \365 23 Abs. 1 RVG): hier nach allem, was er verloren hat.", kFormat, kOnlyAppeal, true, kCivilOnly},
    {" Jede Spalte rechnet beide Instanzen nach derselben Fassung; tats\204chlich richtet sich die\n"
     "    Gerichtsgeb\201hr der Berufung nach dem Tag, an dem sie eingelegt wird (\365 71 Abs. 1 Satz 2 GKG), die Anwaltsgeb\201hren nach dem Tag des Auftrags (\365 60 Abs. 1\n"
     "    RVG).", kFormat, kAppealWithoutDays, true, kCivilOnly},
    {" Die erste Spalte rechnet jede Instanz nach ihren Daten: die Gerichtsgeb\201hr der Berufung nach dem\n"
     "    Tag, an dem sie eingelegt wurde (\365 71 Abs. 1 Satz 2 GKG), die Anwaltsgeb\201hren nach dem Tag des Auftrags f\201r die Berufung (\365 60 Abs. 1\n"
     "    RVG).", kFormat, kAppealWithDays, true, kCivilOnly},
    {" Bleibt die Berufung ohne Erfolg, tr\204gt ihre Kosten, wer sie eingelegt hat, und die Kostenentscheidung der ersten Instanz bleibt (\365 97 Abs. 1 ZPO).\n"
     "    \216ndert das Berufungsgericht das Urteil, entscheidet es \201ber die Kosten beider Instanzen neu: die der ersten nach dem Endergebnis, die der Berufung nach\n"
     "    ihrem Erfolg (\365\365 91, 92 ZPO); so rechnen die Zeilen der Berufung und die Gesamtkosten, der Abschnitt der ersten Instanz zeigt ihr Urteil. Den Ausgleich der\n"
     "    Berufung zeigen die Zeilen mit der Gerichtsgeb\201hr, die der Berufungsf\201hrer vorausgezahlt hat (\365 22 Abs. 1 GKG). Nimmt er die Berufung zur\201ck, bevor sie\n"
     "    begr\201ndet ist, tr\204gt er ihre Kosten (\365 516 Abs. 3 ZPO): 1,0 Gerichtsgeb\201hr (KV GKG Nr. 1221), f\201r seinen Anwalt die Verfahrensgeb\201hr von 1,6 (Nr. 3200 VV\n"
     "    RVG), f\201r den Anwalt des Gegners 1,1 (Nr. 3201 VV RVG); hat dieser schon beantragt, sie zur\201ckzuweisen, wird ihm ebenfalls nur 1,1 erstattet; eine\n"
     "    Terminsgeb\201hr entsteht nicht. Die Berufung ist nur zul\204ssig, wenn ihr Wert 1.000 %s \201bersteigt (f\201r Entscheidungen, die ab 01.01.2026 verk\201ndet werden;\n"
     "    vorher 600 %s, \365 47 EGZPO) oder das Gericht erster Instanz sie zul\204sst (\365 511 Abs. 2 ZPO). \"Lohnt sich die Berufung?\" z\204hlt f\201r die Partei, die sie einlegt,\n"
     "    die Forderung und die Kosten zusammen. Mit dem Streitwert V1, dem Wert der Berufung V2 und allen Kosten T1 der ersten Instanz und T2 der Berufung lohnt sie\n"
     "    sich ab dem Erfolg s* = T2 / (V2 + V2 / V1 x T1 + T2); da jede Quote linear vom Erfolg abh\204ngt, ist s* auch der erwartete Erfolg, ab dem sie sich lohnt.", kFormat, kOnlyAppeal, false, kCivilOnly},
    // an appeal before the labour courts taken as a decision
    {"", kNumber, kOnlyAppeal, true, kLabourOnly},
    {"Berufung als Entscheidung (-berufungK, -berufungB, -erfolg): Die Zeilen nehmen an, dass die Partei alles angreift, was sie in erster Instanz\n"
     "    verloren hat, und der Gegner keine eigene Berufung einlegt; Berufungen beider Parteien rechnet das Programm nicht, ihre Werte w\201rden\n"
     "    zusammengerechnet (\365 45 Abs. 2 GKG). Der Wert der Berufung richtet sich nach den Antr\204gen dessen, der sie einlegt, ohne Antr\204ge nach dem, was er\n"
     "    verloren hat (\365 47 Abs. 1 GKG; f\201r die Anw\204lte \365 23 Abs. 1 RVG): hier nach allem, was er verloren hat.", kFormat, kOnlyAppeal, true, kLabourOnly},
    {" Jede Spalte rechnet beide Instanzen nach\n"
     "    derselben Fassung; tats\204chlich richtet sich die Gerichtsgeb\201hr der Berufung nach dem Tag, an dem sie eingelegt wird (\365 71 Abs. 1 Satz 2 GKG), die\n"
     "    Anwaltsgeb\201hren nach dem Tag des Auftrags (\365 60 Abs. 1 RVG).", kFormat, kAppealWithoutDays, true, kLabourOnly},
    {" Die erste Spalte rechnet jede Instanz nach ihren\n"
     "    Daten: die Gerichtsgeb\201hr der Berufung nach dem Tag, an dem sie eingelegt wurde (\365 71 Abs. 1 Satz 2 GKG), die Anwaltsgeb\201hren nach dem\n"
     "    Tag des Auftrags f\201r die Berufung (\365 60 Abs. 1 RVG).", kFormat, kAppealWithDays, true, kLabourOnly},
    {" Bleibt die Berufung ohne Erfolg, tr\204gt ihre Kosten, wer sie eingelegt hat, und die\n"
     "    Kostenentscheidung der ersten Instanz bleibt (\365 97 Abs. 1 ZPO). \216ndert das Landesarbeitsgericht das Urteil, entscheidet es \201ber die Kosten beider\n"
     "    Instanzen neu: die der ersten nach dem Endergebnis, die der Berufung nach ihrem Erfolg (\365\365 91, 92 ZPO); von den Kosten der ersten Instanz sind das\n"
     "    nur die Gerichtskosten, denn seinen Anwalt tr\204gt dort jede Partei selbst (\365 12a Abs. 1 ArbGG). Die Gerichtsgeb\201hr der Berufung hat niemand\n"
     "    vorausgezahlt (\365 11 GKG): den Ausgleich zeigen die Zeilen f\201r die Anwaltskosten. Nimmt der Berufungsf\201hrer die Berufung zur\201ck, bevor sie begr\201ndet\n"
     "    ist, tr\204gt er ihre Kosten (\365 516 Abs. 3 ZPO): 0,8 Gerichtsgeb\201hr (KV GKG Nr. 8221), f\201r seinen Anwalt die Verfahrensgeb\201hr von 1,6 (Nr. 3200 VV\n"
     "    RVG), f\201r den Anwalt des Gegners 1,1 (Nr. 3201 VV RVG); eine Terminsgeb\201hr entsteht nicht. Die Berufung ist nur zul\204ssig, wenn ihr Wert 600 %s\n"
     "    \201bersteigt (\365 64 Abs. 2 b ArbGG) oder es um die K\201ndigung eines Arbeitsverh\204ltnisses geht (c). \"Lohnt sich die Berufung?\" z\204hlt f\201r die Partei, die\n"
     "    sie einlegt, die Forderung und die Kosten zusammen, dazu ihre eigenen Anwaltskosten der ersten Instanz, die ihr niemand erstattet. Mit dem\n"
     "    Streitwert V1, dem Wert der Berufung V2, den Gerichtskosten T1 der ersten Instanz und allen Kosten T2 der Berufung lohnt sie sich ab dem Erfolg s* =\n"
     "    T2 / (V2 + V2 / V1 x T1 + T2); da jede Quote linear vom Erfolg abh\204ngt, ist s* auch der erwartete Erfolg, ab dem sie sich lohnt.", kFormat, kOnlyAppeal, false, kLabourOnly},
    // the case by its dates
    {"", kNumber, kOnlyDays, true, kBothCourts},
    {"Daten des Falls (-anhaengig, -auftragK, -auftragB, -vorgerichtK, -vorgerichtB, -berufungAm, -revisionAm): Die erste Spalte rechnet jede Geb\201hr nach der\n"
     "    Fassung, die an ihrem Tag galt: bis %s die von 2021, ab %s die von 2025. Die Gerichtsgeb\201hren einer Instanz richten sich nach dem Tag, an\n"
     "    dem sie anh\204ngig wurde, die einer Berufung oder Revision nach dem Tag ihrer Einlegung (\365 71 Abs. 1 GKG); die Anwaltsgeb\201hren jeder Angelegenheit nach\n"
     "    dem Tag des unbedingten Auftrags (\365 60 Abs. 1 RVG), auch die des beigeordneten Anwalts; die T\204tigkeit vor dem Prozess, das Mahnverfahren und jede\n"
     "    Instanz sind eigene Angelegenheiten (\365 17 RVG). Eine Geb\201hr, die auf eine sp\204tere angerechnet wird, z\204hlt mit ihrem Betrag nach ihrer eigenen\n"
     "    Fassung. Nach einem Mahnverfahren entscheidet nach der herrschenden Meinung der Tag des Antrags auf den Mahnbescheid \201ber die Gerichtsgeb\201hren des\n"
     "    Mahnverfahrens und der Klage; eine Mindermeinung nimmt f\201r die Klage den Tag der Abgabe an das Streitgericht (\365 696 Abs. 1 Satz 4 ZPO). Das\n"
     "    Programm folgt der herrschenden Meinung.", kEditions, kOnlyDays, true, kBothCourts},
    {"", kAssumedDays, kOnlyDays, false, kBothCourts},
    // a divorce by its dates
    {"", kNumber, kOnlyDays, true, kFamilyOnly},
    {"Daten des Falls (-anhaengig, -auftragK, -auftragB): Die erste Spalte rechnet jede Geb\201hr nach der Fassung, die an ihrem Tag galt: bis %s die von\n"
     "    2021, ab %s die von 2025. Die Gerichtsgeb\201hren richten sich nach dem Tag, an dem das Verfahren anh\204ngig wurde (\365 63 Abs. 1 FamGKG), die\n"
     "    Anwaltsgeb\201hren jedes Ehegatten nach dem Tag des unbedingten Auftrags (\365 60 Abs. 1 RVG), auch die des beigeordneten Anwalts. Das Programm rechnet\n"
     "    die Werte nach der Fassung der Gerichtsgeb\201hren.", kEditions, kOnlyDays, true, kFamilyOnly},
    {"", kAssumedDays, kOnlyDays, false, kFamilyOnly},
};

// clang-format on

// The act that brought a reform's new edition, in both renderings.
struct ReformAct {
  Reform reform;
  const char* text;
  const char* html;
};

constexpr ReformAct kReformActs[] = {
    {Reform::Of2021, "Kostenrechts\204nderungsgesetz 2021 (BGBl. I 2020, 3229)",
     "Kostenrechts&auml;nderungsgesetz 2021 (BGBl. I 2020, 3229)"},
    {Reform::Of2025,
     "Kosten- und Betreuerverg\201tungsrechts\204nderungsgesetz 2025 (BGBl. 2025 I Nr. 109)",
     "Kosten- und Betreuerverg&uuml;tungsrechts&auml;nderungsgesetz 2025 (BGBl. 2025 I "
     "Nr.&nbsp;109)"},
};

// A payment order's minimum: "38,00".
// The days of the case that were not given and what they were taken as,
// after the note on the case by its dates: "Ohne eigenen Tag angenommen:
// ..."; nothing where every day that counts was given.
std::string assumedDays(const ReportOptions& options, const char* inForceFrom, bool html) {
  const CaseDays& days = options.days;
  const auto date = [](const std::optional<Day>& day) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", day->day, day->month, day->year);
    return std::string(text);
  };
  const bool divorce = options.court == Court::Family;
  const char* sides[] = {divorce ? "Antragstellers"
                         : html  ? "Kl&auml;gers"
                                 : "Kl\204gers",
                         divorce ? "Antragsgegners" : "Beklagten"};
  const char* lawsuit = divorce ? " das Verfahren" : " die Klage";
  const std::array<int, 2> business = {options.claimantCase.businessFeeTenths,
                                       options.defendantCase.businessFeeTenths};
  std::vector<std::string> assumed;
  for (std::size_t side = 0; side < 2; ++side) {
    // A mandate not given is the pending day's; a pre-trial one the
    // mandate's for the lawsuit.
    const std::optional<Day> mandate = days.mandateOf(side);
    // A divorce's respondent without a lawyer has no mandate.
    const bool lawyer = !divorce || side == 0 || options.divorce.respondentLawyer;
    if (!days.mandate[side] && lawyer) {
      assumed.push_back(std::string("Auftrag des ") + sides[side] +
                        (html ? " f&uuml;r" : " f\201r") + lawsuit + " am Tag der Anh" +
                        (html ? "&auml;" : "\204") + "ngigkeit, " + date(mandate));
    }
    if (business[side] != 0 && !days.pretrial[side]) {
      assumed.push_back(std::string("Auftrag des ") + sides[side] + " vor dem Prozess am Tag des " +
                        "Auftrags f" + (html ? "&uuml;" : "\201") + "r die Klage, " +
                        date(mandate));
    }
  }
  // An appeal or a revision without its day: one filed under the law in force.
  if (options.showAppeal && !days.appeal && !divorce) {
    assumed.push_back(std::string("Berufung nach dem Recht ab ") + inForceFrom);
  }
  if (options.showRevision && !days.revision && !divorce) {
    assumed.push_back(std::string("Revision nach dem Recht ab ") + inForceFrom);
  }
  if (assumed.empty()) return "";
  std::string text =
      html ? " Ohne eigenen Tag angenommen: " : "\n    Ohne eigenen Tag angenommen: ";
  for (std::size_t i = 0; i < assumed.size(); ++i) text += (i == 0 ? "" : "; ") + assumed[i];
  return text + ".";
}

std::string minimumText(Cents minimum) {
  const std::int64_t cents = minimum.count;
  std::string text = std::to_string(cents / 100) + ",";
  text += static_cast<char>('0' + cents % 100 / 10);
  text += static_cast<char>('0' + cents % 10);
  return text;
}

// `format` with each "%s" replaced by the next of `arguments` and "%%" by
// "%": the formats of the notes know no other conversion.
void putFilled(Buffer& out, std::string_view format,
               std::initializer_list<std::string_view> arguments) {
  const std::string_view* argument = arguments.begin();
  for (std::size_t at = 0; at < format.size();) {
    const std::size_t percent = std::min(format.find('%', at), format.size());
    out.put(format.substr(at, percent - at));
    if (percent == format.size()) break;
    if (format.substr(percent, 2) == "%s" && argument != arguments.end()) {
      out.put(*argument++);
    } else {
      out.put('%');
    }
    at = percent + 2;
  }
}

template <std::size_t N>
void writeEntries(Buffer& out, const NoteEntry (&entries)[N], const ReportOptions& options,
                  std::string_view currency, bool html) {
  const Reform reform = options.reform;
  const Edition& before = editionOf(reform, Schedule::Old);
  const Edition& after = editionOf(reform, Schedule::New);
  const char* act = "";
  for (const ReformAct& entry : kReformActs) {
    if (entry.reform == reform) act = html ? entry.html : entry.text;
  }
  const EntryLaw skipped = reform == Reform::Of2013 ? kOnlyReforms : kOnly2013;
  // The note on the cost risk goes with its rows: a payment order alone has
  // none.
  const bool costRisk = options.shareWon.has_value() &&
                        (options.showFirstInstance || options.showAppeal || options.showRevision);
  const bool around = options.aroundTheLawsuit;
  const bool endings = reform != Reform::Of2013 && options.anyEnding() && options.showFirstInstance;
  int number = 1;
  const unsigned court = options.court == Court::Labour   ? kLabourOnly
                         : options.court == Court::Family ? kFamilyOnly
                                                          : kCivilOnly;
  const auto shown = [&](EntryLaw law) {
    switch (law) {
      case kEvery:
        return true;
      case kOnly2013:
      case kOnlyReforms:
        return law != skipped;
      case kOnlyCostRisk:
        return costRisk;
      case kCostRiskWithoutCase:
        return costRisk && !around;
      case kCostRiskWithCase:
        return costRisk && around;
      case kOnlyCase:
        return around;
      case kOnlyAid:
        return reform != Reform::Of2013 && options.legalAid();
      case kOnlyAppeal:
        return reform != Reform::Of2013 && options.appellant.has_value();
      case kOnlyPractice:
        return options.divorce.children.has_value() || options.divorce.assets.has_value();
      case kAppealWithoutDays:
      case kAppealWithDays:
        return reform != Reform::Of2013 && options.appellant.has_value() &&
               options.days.given() == (law == kAppealWithDays);
      case kOnlyDays:
        return options.days.given();
      case kOnlyEndings:
        break;
    }
    return endings;
  };
  // The formats are the constants above, each with the arguments of its kind.
  for (const NoteEntry& entry : entries) {
    if (!shown(entry.law) || (entry.courts & court) == 0U) continue;
    switch (entry.kind) {
      case kPlain:
        out.put(std::string_view(entry.text));
        break;
      case kFormat:
        putFilled(out, entry.text, {currency, currency, currency, currency, currency});
        break;
      case kMinimum:
        putFilled(out, entry.text,
                  {minimumText(after.paymentOrderMinimum), currency, before.inForceUntil,
                   minimumText(before.paymentOrderMinimum), currency});
        break;
      case kLabourMinimum:
        putFilled(out, entry.text,
                  {minimumText(after.labourPaymentOrderMinimum), currency, before.inForceUntil,
                   minimumText(before.labourPaymentOrderMinimum), currency});
        break;
      case kEditions:
        putFilled(out, entry.text,
                  {before.inForceUntil, after.inForceFrom, after.inForceFrom, act});
        break;
      case kAssumedDays:
        out.put(assumedDays(options, after.inForceFrom, html));
        break;
      case kNumber:
        out.integer(number++, 2);
        out.put(". ");
        break;
    }
    if (!entry.continued) out.put('\n');
  }
}

}  // namespace

void writeNotes(Buffer& out, const ReportOptions& options, OutputMode mode) {
  if (mode == OutputMode::Html) {
    writeEntries(out, kHtmlNotes, options, htmlCurrency(options), true);
  } else {
    writeEntries(out, kTextNotes, options, kEuroWord, false);
  }
}

}  // namespace zeb
