import { test } from "node:test";
import assert from "node:assert/strict";
import { aidConflict, appealError, appealWords, argumentsOf, fragmentOf, furtherSet, stateFromFragment } from "./address.js";
import { parseAmount } from "./amount.js";

test("an address gives the argument vector of its report", () => {
  const cases = [
    ["#darstellung=text&streitwert=5.000&verfahren=klage&hinweise=nein", ["5000", "-k", "-A"]],
    ["#streitwert=25000&verfahren=revision&euro=zeichen", ["25000", "-r", "-E", "-h"]],
    // Unknown values take the defaults; an address without the law is one
    // made before the page knew the reforms, and keeps its report of 2013.
    ["#streitwert=700&verfahren=bundesgericht&darstellung=pdf", ["700", "-h"]],
    ["#streitwert=5000&recht=2025&darstellung=text", ["5000", "-2025"]],
    ["#streitwert=5000&recht=2021&rechenweg=ja&vergleich=ja&darstellung=html", ["5000", "-2021", "-V", "-W", "-h"]],
    // Who bears the costs: with a share, under a reform alone.
    ["#streitwert=1&recht=2025&obsiegen=3/4&ohne=beklagter&vorsteuer=beide&darstellung=text",
      ["1", "-2025", "-O3/4", "-ohneB", "-vorsteuerK", "-vorsteuerB"]],
    ["#streitwert=1&recht=2025&ohne=beide&darstellung=text", ["1", "-2025"]],
    ["#streitwert=1&obsiegen=60&darstellung=text", ["1"]],
    // The defendant expects its share: the claimant wins the rest.
    ["#streitwert=10000&recht=2025&rolle=beklagter&obsiegen=40&ohne=klaeger&darstellung=text",
      ["10000", "-2025", "-O60", "-ohneK"]],
    ["#streitwert=10000&recht=2025&rolle=beklagter&obsiegen=1/3&darstellung=text", ["10000", "-2025", "-O2/3"]],
    // How the first instance ends: known endings once each, in the order of
    // the report, under a reform alone.
    ["#streitwert=10000&recht=2025&ende=versaeumnis,ruecknahme,vergleich,versaeumnis&darstellung=text",
      ["10000", "-2025", "-ruecknahme", "-versaeumnis"]],
    ["#streitwert=10000&recht=2021&obsiegen=60&mahn=ja&ende=anerkenntnis&darstellung=text",
      ["10000", "-2021", "-O60", "-mahn", "-anerkenntnis"]],
    ["#streitwert=10000&ende=ruecknahme&darstellung=text", ["10000"]],
    // Legal aid: known sides once each, under the law of 2025 alone.
    ["#streitwert=10000&recht=2025&obsiegen=60&pkh=beklagter,x,klaeger&darstellung=text",
      ["10000", "-2025", "-O60", "-pkhK", "-pkhB"]],
    ["#streitwert=10000&recht=2021&pkh=klaeger&darstellung=text", ["10000", "-2021"]],
    // A divorce: no amount; the law of 2025 where the address names none.
    ["#gericht=familie&streitwert=5000&nettoK=3.000,50&nettoB=0&anrechte=04&sorge=ja&anwaltB=nein" +
      "&ende=ruecknahme,versaeumnis&pkh=beklagter&darstellung=html",
    ["-scheidung", "-2025", "-nettoK3000,50", "-nettoB0", "-anrechte4", "-sorge", "-ruecknahme", "-pkhB", "-h"]],
    ["#gericht=familie&nettoK=3000&nettoB=2000&kinder=2&vermoegen=100.000&umgang=ja&anwaltB=ja&rechenweg=ja&darstellung=text",
      ["-scheidung", "-2025", "-nettoK3000", "-nettoB2000", "-kinder2", "-vermoegen100000", "-umgang", "-anwaltB", "-W"]],
    // Without both incomes, no words yet.
    ["#gericht=familie&nettoK=3000&darstellung=text", []],
    // The case by its dates: the law of 2025 with the days as the engine
    // takes them; the day of the lawsuit chooses this law; a divorce has
    // no appeal's day.
    ["#streitwert=10000&recht=daten&obsiegen=60&anhaengig=15.3.2024&auftrag-beklagter=01.04.2024&berufungam=10.01.2026" +
      "&darstellung=text", ["10000", "-2025", "-anhaengig15.03.2024", "-auftragB01.04.2024", "-berufungAm10.01.2026", "-O60"]],
    ["#streitwert=9000&gericht=arbeit&anhaengig=20.06.2025&pkh=klaeger&darstellung=text",
      ["9000", "-2025", "-arbeit", "-anhaengig20.06.2025", "-pkhK"]],
    ["#gericht=familie&nettoK=3000&nettoB=2000&anhaengig=20.05.2025&auftrag-klaeger=10.06.2025&berufungam=1.1.2026" +
      "&darstellung=text", ["-scheidung", "-2025", "-nettoK3000", "-nettoB2000", "-anhaengig20.05.2025", "-auftragK10.06.2025"]],
    ["#streitwert=10000&recht=2021&anhaengig=&darstellung=text", ["10000", "-2025"]],
  ];
  for (const [fragment, words] of cases) {
    const state = stateFromFragment(fragment, false);
    assert.deepEqual(argumentsOf(state, parseAmount(state.streitwert).digits, state.darstellung === "html"), words, fragment);
  }
  // A fresh page computes today's law and answers first, on every screen.
  assert.deepEqual([stateFromFragment("", true).recht, stateFromFragment("", true).darstellung], ["2025", "antwort"]);
});

test("the address holds the form: the amount's digits, or the text while it is no amount", () => {
  const state = stateFromFragment("#streitwert=5.000+€&recht=2025", false);
  assert.equal(fragmentOf(state, "5000"),
    "#streitwert=5000&recht=2025&verfahren=alle&vergleich=nein&hinweise=ja&euro=wort&rechenweg=nein&darstellung=antwort");
  assert.match(fragmentOf({ ...state, streitwert: " 5000 Dollar " }, null), /^#streitwert=5000\+Dollar&recht=2025&/);
  assert.match(fragmentOf({ ...state, obsiegen: "33.33 %", ohne: "klaeger" }, "5000"), /&obsiegen=33,33&ohne=klaeger$/);
  assert.match(fragmentOf({ ...state, rolle: "beklagter", obsiegen: "40" }, "5000"), /&rolle=beklagter&obsiegen=40$/);
  assert.equal(fragmentOf({ ...state, streitwert: "  " }, null), "");
  assert.match(fragmentOf(stateFromFragment("#streitwert=5000&recht=2025&ende=versaeumnis,,x,anerkenntnis", false),
    "5000"), /&ende=anerkenntnis,versaeumnis$/);
  assert.match(fragmentOf({ ...state, pkh: "klaeger,beklagter" }, "5000"), /&pkh=klaeger,beklagter$/);
  assert.match(fragmentOf({ ...state, berufung: " 33.33 % " }, "5000"), /&berufung=33,33$/);
  assert.match(fragmentOf({ ...state, berufung: "zwei" }, "5000"), /&berufung=zwei$/);
  // A divorce's address: no amount, the fields as typed, a fallback view.
  const divorce = "#gericht=familie&recht=2025&verfahren=alle&vergleich=nein&hinweise=ja&euro=wort&rechenweg=nein" +
    "&darstellung=antwort&rolle=beklagter&nettoK=3.000&nettoB=x&sorge=ja&ende=ruecknahme&pkh=klaeger";
  assert.equal(fragmentOf(stateFromFragment(divorce + "&streitwert=5000", false), null), divorce);
  assert.equal(stateFromFragment("#gericht=familie&darstellung=diagramm", false).darstellung, "antwort");
  // The days of a case by its dates as the engine takes them, or as typed;
  // the day of the lawsuit even while empty, since it chooses the law.
  assert.match(fragmentOf({ ...state, recht: "daten", anhaengig: " 1.3.2024", berufungam: "bald" }, "5000"),
    /&recht=daten&.*&anhaengig=01.03.2024&berufungam=bald$/);
  assert.match(fragmentOf({ ...state, recht: "daten" }, "5000"), /&anhaengig=$/);
  assert.doesNotMatch(fragmentOf({ ...state, anhaengig: "01.03.2024" }, "5000"), /anhaengig/);
});

test("the user's own appeal: its word by the role, its success where it is a share", () => {
  const words = (fragment) => {
    const state = stateFromFragment("#streitwert=1&recht=2025&" + fragment, false);
    return [appealWords(state), appealError(state)];
  };
  assert.deepEqual(words("obsiegen=60"), [["-berufungK"], undefined]);
  assert.deepEqual(words("rolle=beklagter&obsiegen=40&berufung=50"), [["-berufungB", "-erfolg50"], undefined]);
  assert.deepEqual(words("berufung=1/3"), [["-berufungK", "-erfolg1/3"], undefined]);
  assert.deepEqual(words("berufung=12,5%"), [["-berufungK", "-erfolg12,5"], undefined]);
  for (const bad of ["120", "1/0", "abc"]) assert.match(words("berufung=" + bad)[1], /Erfolg der Berufung/, bad);
  // An address keeps the success as written.
  assert.equal(stateFromFragment("#streitwert=1&berufung=50", false).berufung, "50");
});

test("legal aid refuses what is not computed with it, for the aided side, under the law of 2025", () => {
  const conflict = (fragment) =>
    aidConflict(stateFromFragment("#streitwert=1&" + (fragment.includes("recht=") ? "" : "recht=2025&") + fragment, false))?.error;
  const cases = [
    ["pkh=klaeger&ohne=klaeger", /Kläger einen Anwalt: bitte „Kläger mit Anwalt“/],
    ["pkh=klaeger,beklagter&ohne=beklagter", /Beklagte einen Anwalt: bitte „Beklagter mit Anwalt“/],
    ["pkh=beklagter&vorsteuer=klaeger", /Vorsteuerabzug/],
    ["pkh=beklagter&mahn=ja", /Mahnverfahren/],
    ["pkh=beklagter&beweis-klaeger=100", /Zeugen und Sachverständige/],
    ["pkh=klaeger&geschaeftsgebuehr-klaeger=1,3", /Geschäftsgebühr/],
    // The other side's lawyer, business fee; no aid; the law of 2021.
    ["pkh=klaeger&ohne=beklagter&geschaeftsgebuehr-beklagter=1,3", undefined],
    ["ohne=klaeger&mahn=ja", undefined],
    ["pkh=klaeger&ohne=klaeger&recht=2021", undefined],
  ];
  for (const [fragment, error] of cases) {
    if (error) assert.match(conflict(fragment), error, fragment);
    else assert.equal(conflict(fragment), undefined, fragment);
  }
});

test("the summary of Weitere Angaben names what an address sets there, in the order of the group", () => {
  const cases = [
    ["#streitwert=1&recht=2025&obsiegen=60", ""],
    ["#streitwert=1&recht=2025&pkh=klaeger&berufung=50", "Prozesskostenhilfe: Kläger · Berufung: 50 %"],
    ["#streitwert=1&recht=2025&berufung=1/3&pkh=beklagter,klaeger", "Prozesskostenhilfe: beide · Berufung: 1/3"],
    ["#streitwert=1&recht=2025&verfahren=klage&vergleich=ja&ende=versaeumnis,ruecknahme&vorsteuer=beklagter",
      "Nur erste Instanz · Prozeßvergleich · Ende: Klagerücknahme, Versäumnisurteil · Vorsteuer: Beklagter"],
    ["#streitwert=1&recht=2025&geschaeftsgebuehr-beklagter=1,3&mahn=ja&auftraggeber-klaeger=3&hinweise=nein&euro=zeichen",
      "Geschäftsgebühr Beklagter: 1,3 · Mahnverfahren · Auftraggeber Kläger: 3 · ohne Hinweise · Euro-Zeichen"],
    ["#gericht=familie&nettoK=1&nettoB=1&anrechte=2&umgang=ja&anwaltB=ja&vermoegen=5000&ende=ruecknahme&pkh=klaeger,beklagter",
      "Umgang · Anwalt des Antragsgegners · Vermögen: 5000 € · Rücknahme · Verfahrenskostenhilfe: beide"],
  ];
  for (const [fragment, text] of cases) assert.equal(furtherSet(stateFromFragment(fragment, false)), text, fragment);
});
