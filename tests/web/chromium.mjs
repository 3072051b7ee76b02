// Debian's Chromium (package chromium), headless, started as the machine
// allows: as root without the sandbox, and without the background
// connections that a closed network refuses.
import { chromium } from "playwright-core";

export function launchChromium() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    args: [
      "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
    ],
  });
}
