// What the page says of the law it computes: the editions, their VAT, and
// which of them applies to a case, or how the case's dates choose them.
import { byCaseDates } from "./laws.js";

const kReforms = {
  2025: { dates: ["31.05.2025", "01.06.2025"], act: "Kosten- und Betreuervergütungsrechtsänderungsgesetz 2025" },
  2021: { dates: ["31.12.2020", "01.01.2021"], act: "Kostenrechtsänderungsgesetz 2021" },
};

// The note for the law `law` and the court `court` (values of the form),
// as HTML: a divorce's court fees follow the FamGKG, whose table is the
// GKG's.
export function lawNoteHtml(law, court) {
  const reform = kReforms[law];
  const family = court === "familie";
  const [before, after] = kReforms[2025].dates;
  if (byCaseDates(law)) {
    return "<strong>Rechtsstand:</strong> Gerechnet wird jede Gebühr nach der Fassung, die an ihrem Tag galt: bis " +
      `${before} die von 2021, ab ${after} die von 2025 (${kReforms[2025].act}), mit 19&nbsp;% Umsatzsteuer. ` +
      "Die Gerichtsgebühren richten sich nach dem Tag, an dem das Verfahren anhängig wurde" +
      (family ? " (§&nbsp;63 Abs.&nbsp;1 FamGKG)" : ", die einer Berufung nach dem Tag ihrer Einlegung (§&nbsp;71 Abs.&nbsp;1 GKG)") +
      ", die Anwaltsgebühren " +
      `nach dem Tag des Auftrags (§&nbsp;60 Abs.&nbsp;1 RVG). Daneben steht die Spalte des Rechts ab ${after}.`;
  }
  return "<strong>Rechtsstand:</strong> " + (reform
    ? `Gerechnet wird mit den Gebührentabellen des ${family ? "FamGKG" : "GKG"} und des RVG in der bis ${reform.dates[0]} ` +
      `und der ab ${reform.dates[1]} geltenden Fassung (${reform.act}) und mit 19&nbsp;% Umsatzsteuer. Welche Fassung ` +
      "für einen Fall gilt, richtet sich bei den Gerichtsgebühren nach dem Tag, an dem das Verfahren anhängig " +
      `wurde (§&nbsp;${family ? "63 FamGKG" : "71 GKG"}), bei den Anwaltsgebühren nach dem Tag des Auftrags (§&nbsp;60 RVG).`
    : "Gerechnet wird mit den Gebührentabellen in der bis 31.07.2013 und der ab 01.08.2013 geltenden Fassung " +
      "und mit 16&nbsp;% Umsatzsteuer, wie das Programm ohne <code>-2021</code> oder <code>-2025</code> rechnet. " +
      "Die Gebühren wurden 2021 und 2025 geändert; das geltende Recht wählen Sie oben unter „Recht“.");
}
