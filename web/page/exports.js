// What leaves the page: a printout of the report on screen, and files to
// save.

// Printing shows the report on screen alone (the style sheet's print rules
// hide the rest). The text report prints across an A4 page turned
// sideways; an HTML report prints from a copy of its table and notes with
// its style sheet in the page itself, where printing runs over pages.
export function createPrintCopy(copyElement) {
  const pageFormat = document.head.appendChild(document.createElement("style"));
  const root = copyElement.attachShadow({ mode: "open" });
  let format = "";
  return {
    // The report of the view `view`; `html` the HTML report, if that is it.
    show(view, html) {
      const wanted = view === "text" ? "@page { size: A4 landscape; }" : "@page { size: A4; }";
      // A change of the rule costs the whole page its style: only then.
      if (wanted !== format) pageFormat.textContent = format = wanted;
      root.innerHTML = html ?? "";
      if (html !== undefined) {
        const style = document.createElement("style");
        style.textContent = ":host{display:block;font:10pt Arial,sans-serif;color:#000}";
        root.prepend(style);
      }
    },
    clear() {
      root.innerHTML = "";
    },
  };
}

// Hands `content` to the browser to save as the file `name`.
export function download(name, type, content) {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([content], { type }));
  link.download = name;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}
