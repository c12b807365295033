// Plays the three kinds of movie pdf2swf writes in Ruffle (a Flash player) inside headless
// Chromium and checks what the player shows: frame 1 against the page as pdftoppm draws it,
// and that the controls (arrow keys, viewer buttons) turn to the next page.
// Not part of the test suite: it needs Chromium and Ruffle (see run-player-check.sh).
// Usage: node player-check.mjs <pdf2swf> <rfxview.swf> <fixture.pdf> <output folder>
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import { launchBrowser, openMovie, startServer } from "./rufflestage.mjs";

const [tool, viewer, pdf, outDir] = process.argv.slice(2);
fs.mkdirSync(outDir, { recursive: true });
const DPI = 72;

function convert(name, args) {
  const out = path.join(outDir, `${name}.swf`);
  execFileSync(tool, [pdf, "-o", out, "-s", "poly2bitmap", "-p", "1-3", "-s", `zoom=${DPI}`, ...args], { stdio: "ignore" });
  return out;
}

const movies = {
  autoplay: convert("autoplay", ["-s", "framerate=1"]),
  simpleviewer: convert("simpleviewer", ["-s", "simpleviewer", "-t"]),
  viewer: convert("viewer", ["-B", viewer]),
};
execFileSync("pdftoppm", ["-png", "-r", String(DPI), "-f", "1", "-l", "3", "-cropbox", pdf, path.join(outDir, "reference")]);
const server = await startServer(outDir);

// Mean absolute difference (0..1) between a screenshot region and an image of the same size.
function difference(shot, x, y, w, h, reference) {
  const crop = path.join(outDir, "crop.png");
  execFileSync("convert", [shot, "-crop", `${w}x${h}+${x}+${y}`, "+repage", crop]);
  try {
    execFileSync("compare", ["-metric", "MAE", crop, reference, "null:"], { stdio: "pipe" });
    return 0;
  } catch (e) {
    // compare exits 1 when the images differ; it prints "absolute (normalised)".
    const m = /\(([\d.e-]+)\)/.exec(e.stderr.toString());
    if (!m) throw new Error(`compare failed: ${e.stderr}`);
    return Number(m[1]);
  }
}

const browser = await launchBrowser();
const results = [];
let failed = false;
function check(what, ok, detail) {
  results.push(`${ok ? "ok  " : "FAIL"} ${what}${detail ? ` (${detail})` : ""}`);
  if (!ok) failed = true;
}

const referencePages = fs.readdirSync(outDir).filter((f) => f.startsWith("reference")).sort().map((f) => path.join(outDir, f));
for (const [name, movie] of Object.entries(movies)) {
  const { page, w, h } = await openMovie(browser, server.base, movie);
  const pageWidth = Number(execFileSync("identify", ["-format", "%w", referencePages[0]]).toString());
  const pageHeight = Number(execFileSync("identify", ["-format", "%h", referencePages[0]]).toString());
  const left = Math.floor((w - pageWidth) / 2);
  const frame1 = path.join(outDir, `${name}-frame1.png`);
  if (name === "autoplay") {
    // One page per second: page 1 must show, then page 2 (the player shows frame 1 after one
    // frame interval, so watch for a while).
    const seen = [];
    for (let t = 0; t < 24 && !(seen.includes(1) && seen.includes(2)); t++) {
      await page.waitForTimeout(250);
      await page.screenshot({ path: frame1 + ".tmp.png" });
      for (const p of [1, 2]) {
        if (!seen.includes(p) && difference(frame1 + ".tmp.png", left, 0, pageWidth, pageHeight, referencePages[p - 1]) < 0.01) {
          seen.push(p);
          if (p === 1) fs.copyFileSync(frame1 + ".tmp.png", frame1);
        }
      }
    }
    fs.rmSync(frame1 + ".tmp.png", { force: true });
    check(`${name}: frame 1 shows page 1, then the movie plays on to page 2`, seen[0] === 1 && seen[1] === 2,
          `pages seen in order: ${seen.join(", ")}`);
  } else {
    await page.waitForTimeout(4000);
    await page.screenshot({ path: frame1 });
    const d1 = difference(frame1, left, 0, pageWidth, pageHeight, referencePages[0]);
    // Buttons of the simple viewer lie over the page: they may add a little difference.
    check(`${name}: frame 1 shows page 1`, d1 < 0.03, `mean difference ${d1.toFixed(4)}`);
  }

  if (name !== "autoplay") {
    if (name === "simpleviewer") {
      // The next button sits at the right edge, half-way down the page.
      const x = w - 4 - 16, y = pageHeight / 2;
      await page.mouse.move(x, y);
      await page.waitForTimeout(300);
      await page.mouse.down();
      await page.waitForTimeout(100);
      await page.mouse.up();
    } else {
      // The viewer bar is centred below the page; "next" is the third button.
      const x = (w - 320) / 2 + 248 + 14, y = pageHeight + 16;
      await page.mouse.move(x, y);
      await page.waitForTimeout(300);
      await page.mouse.down();
      await page.waitForTimeout(100);
      await page.mouse.up();
    }
    await page.waitForTimeout(1500);
    const frame2 = path.join(outDir, `${name}-after-next.png`);
    await page.screenshot({ path: frame2 });
    const d2 = difference(frame2, left, 0, pageWidth, pageHeight, referencePages[1]);
    check(`${name}: the next control shows page 2`, d2 < 0.03, `mean difference ${d2.toFixed(4)}`);

    let expectedPage;
    if (name === "simpleviewer") {
      await page.keyboard.press("ArrowLeft");
      expectedPage = 1;
    } else {
      // "last" is the fourth button of the bar.
      await page.mouse.move((w - 320) / 2 + 284 + 14, pageHeight + 16);
      await page.waitForTimeout(300);
      await page.mouse.down();
      await page.waitForTimeout(100);
      await page.mouse.up();
      expectedPage = 3;
    }
    await page.waitForTimeout(1500);
    const frame3 = path.join(outDir, `${name}-after-${name === "simpleviewer" ? "left-arrow" : "last"}.png`);
    await page.screenshot({ path: frame3 });
    const d3 = difference(frame3, left, 0, pageWidth, pageHeight, referencePages[expectedPage - 1]);
    check(`${name}: ${name === "simpleviewer" ? "the left arrow key" : "the last control"} shows page ${expectedPage}`,
          d3 < 0.03, `mean difference ${d3.toFixed(4)}`);
  }
  await page.close();
}
await browser.close();
server.close();
console.log(results.join("\n"));
process.exit(failed ? 1 : 0);
