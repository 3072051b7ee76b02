// The figures view ("Übersicht"): a block per section of the report, each
// row's label over its two amounts and the change, and under each row the
// way to its values, opened by its button and made at its first opening.
// A change of the form changes what differs: rows that stay (by their
// keys) keep their elements, so that the browser lays out only what is new.
import { wayButtonName } from "./keys.js";
import { changeOf, euros } from "./numbers.js";
import { escapeHtml } from "./text.js";
import { dateOf, wayHtml } from "./ways.js";

// The figures' rows in blocks: the base rows, then one block per section,
// a variant's sub-heading as an item of its own.
function blocksOf(figures) {
  const blocks = [{ key: "header", title: "Streitwert und einfache Gebühren", items: [] }];
  let heading = 0;
  figures.rows.forEach((row, index) => {
    for (; heading < figures.headings.length && figures.headings[heading].row === index; ++heading) {
      const { level, label, key } = figures.headings[heading];
      if (level === 1) blocks.push({ key, title: label, items: [] });
      else blocks[blocks.length - 1].items.push({ variant: label, key });
    }
    blocks[blocks.length - 1].items.push({ row, index });
  });
  return blocks.filter((block) => block.items.length > 0);
}

// Elements made from HTML: the rows of a table, or anything else.
function elementsOf(html, inTable) {
  const template = document.createElement("template");
  template.innerHTML = inTable ? `<table><tbody>${html}</tbody></table>` : html;
  return inTable ? Array.from(template.content.firstChild.tBodies[0].rows) : Array.from(template.content.children);
}

// Puts `elements` into `parent` in this order, from its first child on,
// moving only those out of place; returns the child after them.
function place(parent, elements, cursor) {
  for (const element of elements) {
    if (element === cursor) cursor = cursor.nextElementSibling;
    else parent.insertBefore(element, cursor);
  }
  return cursor;
}

// The view in `container`. `onNote(event)` is called for any other click
// in it, such as one on a link to a note.
export function createFiguresView(container, onNote) {
  let serial = 0; // makes the ids of the elements made
  let blocks = new Map(); // the blocks on screen, by their section's key and the law
  let rowsByWay = new Map(); // the rows on screen, by the id of their way's row
  let notesShown = null;
  let notesBox = null;
  let ways = null; // () => figures with every row's way

  function makeBlock(title, before, after) {
    const id = "b" + ++serial;
    // A slash between two long words is where the heading may break.
    const heading = escapeHtml(title).replace(/\//g, "/<wbr>");
    const [element] = elementsOf(`<section class="block" aria-labelledby="${id}"><h2 id="${id}">${heading}</h2>` +
      `<table class="zahlen"><thead><tr><th scope="col" id="${id}a">${before}</th><th scope="col" id="${id}n">${after}</th>` +
      `<th scope="col" id="${id}v">Veränderung</th></tr></thead><tbody></tbody></table></section>`, false);
    return { id, element, body: element.querySelector("tbody"), rows: new Map(), remarks: "" };
  }

  // The HTML of a new row of `block`: its label (with its note's mark) over
  // its values, each value a cell of its own, and its way's row, empty
  // until opened; or of a variant's sub-heading. Label and values come
  // later.
  function rowHtml(block, item, id) {
    if (item.variant) return `<tr class="variante"><th colspan="3" scope="colgroup">${escapeHtml(item.variant)}</th></tr>`;
    const values = item.row.basis === 0 ? `<td colspan="3" class="einzeln" headers="${id}"></td>`
      : `<td headers="${id} ${block.id}a"></td><td headers="${id} ${block.id}n"></td><td headers="${id} ${block.id}v"></td>`;
    const toggle = `<button type="button" class="weg-knopf" aria-expanded="false" aria-controls="${id}w">Rechenweg</button>`;
    return `<tr class="position"><th colspan="3" id="${id}"><span></span>${toggle}</th></tr>` +
      `<tr class="werte">${values}</tr><tr class="rechenweg" id="${id}w" hidden></tr>`;
  }

  function openWay(shown) {
    const { derivation } = ways().rows[shown.index];
    shown.way.innerHTML = `<td colspan="3">${wayHtml(derivation, shown.before, shown.after)}</td>`;
  }

  // Shows `items` in `block`: rows that stay (the judgement's rows when the
  // settlement comes or goes) keep their elements and get their label and
  // values anew; the others come or go.
  function showItems(block, items, mark, before, after) {
    const made = [];
    const shownItems = items.map((item) => {
      // A row that shows one value has other cells than one that compares two.
      const key = item.variant ? item.key : `${item.row.key}\u0000${item.row.basis === 0}`;
      let shown = block.rows.get(key);
      if (!shown) {
        shown = { html: rowHtml(block, item, "r" + ++serial), size: item.variant ? 1 : 3, label: "", values: "" };
        made.push(shown);
      }
      return { key, item, shown };
    });
    // The new rows, made at once: a variant's heading one table row, a
    // figure's three.
    const elements = made.length > 0 ? elementsOf(made.map((shown) => shown.html).join(""), true) : [];
    for (const shown of made) {
      shown.elements = elements.splice(0, shown.size);
      if (shown.size === 3) {
        [, { cells: shown.cells }, shown.way] = shown.elements;
        [shown.labelCell, shown.toggle] = shown.elements[0].cells[0].children;
      }
      delete shown.html;
    }
    const rows = new Map();
    let cursor = block.body.firstElementChild;
    for (const { key, item, shown } of shownItems) {
      rows.set(key, shown);
      cursor = place(block.body, shown.elements, cursor);
      if (item.variant) continue;
      const { row } = item;
      // The label may change where the row stays (a party's share); each
      // button is named by its block and row, so that a screen reader tells
      // them apart.
      const labelHtml = escapeHtml(row.label) + (row.note ? mark(row.note) : "");
      if (labelHtml !== shown.label) {
        shown.labelCell.innerHTML = shown.label = labelHtml;
        shown.toggle.setAttribute("aria-label", wayButtonName(row));
      }
      const values = row.basis === 0 ? [euros(row.old)] : [euros(row.old), euros(row.new), changeOf(row)];
      if (values.join("\u0000") !== shown.values) {
        values.forEach((text, i) => (shown.cells[i].textContent = text));
        shown.values = values.join("\u0000");
      }
      Object.assign(shown, { index: item.index, before, after });
      // The way of the values shown: made anew where it is open.
      if (shown.way.hasChildNodes()) {
        if (shown.way.hidden) shown.way.textContent = "";
        else openWay(shown);
      }
      rowsByWay.set(shown.way.id, shown);
    }
    for (const [key, shown] of block.rows) if (!rows.has(key)) shown.elements.forEach((element) => element.remove());
    block.rows = rows;
  }

  container.addEventListener("click", (event) => {
    const toggle = event.target.closest?.("button.weg-knopf");
    if (!toggle) {
      onNote(event);
      return;
    }
    const shown = rowsByWay.get(toggle.getAttribute("aria-controls"));
    const open = toggle.getAttribute("aria-expanded") !== "true";
    if (open && !shown.way.hasChildNodes()) openWay(shown);
    toggle.setAttribute("aria-expanded", String(open));
    shown.way.hidden = !open;
  });

  function clear() {
    container.textContent = "";
    blocks = new Map();
    rowsByWay = new Map();
    notesBox = notesShown = ways = null;
  }

  return {
    // Shows `figures` (zeb.figures without the ways); `withWays()` gives
    // them with every row's way. `notes` is the notes element of the HTML
    // report, or null without notes.
    show(figures, withWays, notes) {
      // The note on the payment order's minimum fee is the HTML report's "Mindest".
      const mark = notes ? (n) => `<sup><a href="#Mindest" class="fussnote" aria-label="Anmerkung ${n}">${n}</a></sup>`
        : (n) => `<sup>${n}</sup>`;
      const [before, after] = figures.columns.map(dateOf);
      ways = withWays;
      rowsByWay = new Map();
      const shownBlocks = new Map();
      const order = [];
      blocksOf(figures).forEach(({ key: section, title, items }, b) => {
        const key = `${before}\u0000${after}\u0000${section}`;
        const block = blocks.get(key) ?? makeBlock(title, before, after);
        showItems(block, items, mark, before, after);
        // A line on the amount (its cap) stands under the first block.
        const remarks = b === 0 ? figures.remarks.map((remark) => `<p class="anmerkung-zeile">${escapeHtml(remark)}</p>`).join("") : "";
        if (remarks !== block.remarks) {
          block.element.querySelectorAll(".anmerkung-zeile").forEach((line) => line.remove());
          block.element.insertAdjacentHTML("beforeend", remarks);
          block.remarks = remarks;
        }
        shownBlocks.set(key, block);
        order.push(block.element);
      });
      for (const [key, block] of blocks) if (!shownBlocks.has(key)) block.element.remove();
      blocks = shownBlocks;
      if (notes !== notesShown) {
        notesBox?.remove();
        notesBox = null;
        if (notes) {
          notesBox = document.createElement("details");
          notesBox.className = "anmerkungen";
          notesBox.innerHTML = "<summary>Anmerkungen</summary>";
          notesBox.append(notes.cloneNode(true));
        }
        notesShown = notes;
      }
      place(container, notesBox ? [...order, notesBox] : order, container.firstElementChild);
    },
    clear,
  };
}
