// The HTML report in a frame of its own, before `next` in `parent`: a new
// frame for every report, since a frame that navigates again adds an entry
// to the window's history. It is as tall as its report, whatever the
// width, so that the page scrolls and not a box in it; wide tables still
// scroll sideways. A link in the report moves the page to its note.
import { followNote } from "./notes.js";

export function createReportFrame(parent, next) {
  let frame = null;

  function show(html) {
    const fresh = document.createElement("iframe");
    fresh.id = "bericht";
    fresh.title = "Bericht";
    if (frame) fresh.style.height = frame.style.height;
    fresh.srcdoc = html;
    fresh.addEventListener("load", () => {
      const report = fresh.contentDocument;
      if (!report || !report.documentElement) return;
      // The report's height, a sideways scrollbar's and the frame's borders.
      const fit = () => {
        const root = report.documentElement;
        const scrollbar = fresh.contentWindow.innerHeight - root.clientHeight;
        const borders = fresh.offsetHeight - fresh.clientHeight;
        fresh.style.height = Math.ceil(root.getBoundingClientRect().height) + scrollbar + borders + "px";
      };
      new fresh.contentWindow.ResizeObserver(fit).observe(report.documentElement);
      report.addEventListener("click", (event) => followNote(event, report, (note) => {
        const top = fresh.getBoundingClientRect().top + note.getBoundingClientRect().top;
        window.scrollTo({ top: window.scrollY + top - 16, behavior: "instant" });
      }));
    });
    if (frame) frame.replaceWith(fresh);
    else parent.insertBefore(fresh, next);
    frame = fresh;
  }

  function remove() {
    frame?.remove();
    frame = null;
  }

  return { show, remove };
}
