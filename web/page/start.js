// The one script the page carries as it is: it unpacks the page's script
// (main.js and what it imports, gzipped, in basE91, as the engine travels:
// a third of its size) and runs it. `window.zeb` is there once it has run.
import { unpack } from "./base91.js";

/* global zebPageScript */
unpack(zebPageScript).then(
  (bytes) => {
    const script = document.createElement("script");
    script.textContent = new TextDecoder().decode(bytes);
    document.body.append(script);
  },
  (error) => {
    const message = document.createElement("p");
    message.className = "fehler";
    message.textContent = "Die Seite ließ sich nicht entpacken: " + error;
    document.querySelector("main").prepend(message);
  }
);
