// The three browsers of the page's tests, all from Debian's packages and
// offline, behind one small page API (the names Playwright gives them):
// Chromium and Firefox ESR through puppeteer-core, WebKitGTK's MiniBrowser
// through selenium-webdriver and WebKitWebDriver on an Xvfb display.
import puppeteer from "puppeteer-core";
import { Builder, By, Key } from "selenium-webdriver";
import { spawn } from "node:child_process";
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { createServer } from "node:net";
import { tmpdir } from "node:os";
import path from "node:path";

// Every browser writes into its home: a scratch folder, not the user's.
const home = mkdtempSync(path.join(tmpdir(), "zeb-browsers-"));
process.env.HOME = home;
process.on("exit", () => rmSync(home, { recursive: true, force: true }));
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// What a page offers on top of its driver's few primitives.
class Page {
  errors = []; // the page's uncaught errors, where the driver reports them
  requests = []; // what the page asked of the network, where the driver reports it
  keyboard = { type: (text) => this.type(text), press: (key) => this.press(key) };
  waitForTimeout(ms) { return sleep(ms); }
  // Waits for the page's script, which the page unpacks first, and its
  // engine.
  async ready() {
    await this.waitForFunction(() => window.zeb !== undefined);
    await this.evaluate(() => zeb.ready);
  }
  async waitForFunction(fn, arg) {
    for (let tries = 0; tries < 500; ++tries, await sleep(20)) {
      const value = await this.evaluate(fn, arg);
      if (value) return value;
    }
    throw new Error("waitForFunction timed out: " + fn);
  }
  textContent(selector) { return this.evaluate((s) => document.querySelector(s).textContent, selector); }
  getAttribute(selector, name) { return this.evaluate(([s, n]) => document.querySelector(s).getAttribute(n), [selector, name]); }
  inputValue(selector) { return this.evaluate((s) => document.querySelector(s).value, selector); }
  focus(selector) { return this.evaluate((s) => document.querySelector(s).focus(), selector); }
  // Replaces the field's text key by key, as a user types.
  async fill(selector, text) {
    await this.evaluate((s) => document.querySelector(s).select(), selector);
    await (text === "" ? this.press("Backspace") : this.type(text));
  }
  async setChecked(selector, checked) {
    if ((await this.evaluate((s) => document.querySelector(s).checked, selector)) !== checked) await this.click(selector);
  }
  check(selector) { return this.setChecked(selector, true); }
  // The browser's back and forward buttons.
  goBack() { return this.evaluate(() => history.back()); }
  goForward() { return this.evaluate(() => history.forward()); }
}

class PuppeteerPage extends Page {
  constructor(page) {
    super();
    this.page = page;
    page.on("pageerror", (error) => this.errors.push(error.message));
    page.on("request", (request) => /^(file|blob|data|about):/.test(request.url()) || this.requests.push(request.url()));
  }
  goto(url) { return this.page.goto(url); }
  evaluate(fn, arg) { return this.page.evaluate(fn, arg); }
  click(selector) { return this.page.click(selector); }
  type(text) { return this.page.keyboard.type(text); }
  press(key) { return this.page.keyboard.press(key); }
  selectOption(selector, value) { return this.page.select(selector, value); }
  async clickInFrame(frame, selector) { await (await (await this.page.$(frame)).contentFrame()).click(selector); }
  screenshot(options) { return this.page.screenshot(options); }
  setViewportSize(size) { return this.page.setViewport(size); }
  pdf() { return this.page.pdf({ format: "A4", preferCSSPageSize: true }); }
  close() { return this.page.close(); }
}

const kKeys = { Enter: Key.ENTER, Tab: Key.TAB, Backspace: Key.BACK_SPACE, ArrowRight: Key.ARROW_RIGHT };

class SeleniumPage extends Page {
  constructor(driver) {
    super();
    this.driver = driver;
  }
  goto(url) { return this.driver.get(url); }
  async evaluate(fn, arg) {
    const result = await this.driver.executeAsyncScript(`const done = arguments[arguments.length - 1];
      Promise.resolve().then(() => (${fn})(arguments[0])).then((v) => done({ v }), (e) => done({ e: String(e) }));`, arg ?? null);
    if ("e" in result) throw new Error(result.e);
    return result.v;
  }
  async click(selector) { await (await this.driver.findElement(By.css(selector))).click(); }
  type(text) { return this.driver.switchTo().activeElement().sendKeys(text); }
  press(key) { return this.driver.switchTo().activeElement().sendKeys(kKeys[key]); }
  selectOption(selector, value) { return this.click(`${selector} option[value="${value}"]`); }
  async clickInFrame(frame, selector) {
    await this.driver.switchTo().frame(await this.driver.findElement(By.css(frame)));
    await this.click(selector);
    await this.driver.switchTo().defaultContent();
  }
  setViewportSize(size) { return this.driver.manage().window().setRect(size); }
  async screenshot({ path: file } = {}) {
    // WebKit takes the last frame it painted: two frames on, that is the
    // page as it stands.
    await this.evaluate(() => new Promise((painted) => requestAnimationFrame(() => requestAnimationFrame(painted))));
    const png = Buffer.from(await this.driver.takeScreenshot(), "base64");
    if (file) writeFileSync(file, png);
    return png;
  }
  close() {}
}

// A page of `browser` at the size `viewport`.
async function newPage(browser, viewport) {
  const page = browser.newPage ? new PuppeteerPage(await browser.newPage()) : new SeleniumPage(browser);
  await page.setViewportSize(viewport);
  if (page.driver) await page.driver.get("about:blank"); // one window: the next address loads afresh
  return page;
}

// WebKit wants a display: Xvfb picks a free one and names it on a pipe. The
// driver and the display are stopped by their process ids.
async function launchWebKit() {
  const xvfb = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "1600x1200x24", "-nolisten", "tcp"], { stdio: ["ignore", "ignore", "ignore", "pipe"] });
  const display = await new Promise((resolve) => xvfb.stdio[3].once("data", (data) => resolve(String(data).trim())));
  const port = await new Promise((resolve) => {
    const server = createServer().listen(0, "127.0.0.1", () => {
      const { port: free } = server.address();
      server.close(() => resolve(free));
    });
  });
  const server = spawn("WebKitWebDriver", ["--port=" + port], { env: { ...process.env, DISPLAY: ":" + display }, stdio: "ignore" });
  const stop = () => [server, xvfb].forEach((child) => child.kill());
  try {
    for (let tries = 0; !(await fetch(`http://127.0.0.1:${port}/status`).then((r) => r.ok, () => false)); ++tries) {
      if (tries > 200) throw new Error("WebKitWebDriver did not start");
      await sleep(50);
    }
    const driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
      browserName: "MiniBrowser",
      "webkitgtk:browserOptions": { binary: "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser", args: ["--automation"] },
    }).build();
    return { newPage: (viewport) => newPage(driver, viewport), close: () => driver.quit().finally(stop) };
  } catch (error) {
    stop();
    throw error;
  }
}

// `name` is chromium, firefox or webkit.
export async function launch(name) {
  if (name === "webkit") return launchWebKit();
  const browser = await puppeteer.launch(name === "firefox"
    ? { browser: "firefox", executablePath: "/usr/bin/firefox-esr" }
    : {
        browser: "chrome", executablePath: "/usr/bin/chromium",
        args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
          "--disable-component-update", "--disable-sync"],
      });
  return { newPage: (viewport) => newPage(browser, viewport), close: () => browser.close() };
}
