// Frame 1 of converted movies as a real player (Ruffle in headless Chromium) shows it, against
// the same page as pdftoppm renders it at the same resolution.
//
// Metric: both pictures are smoothed with a 3x3 box blur (so that anti-aliasing and sub-pixel
// placement of edges count little, while a glyph out of place, mis-scaled or missing counts in
// full), then the mean absolute difference per colour channel is taken, in 0-255 units, over
// the inked area: the pixels that are not white (below 250 in some channel) in either
// smoothed picture. Pages with little ink thus count as much as full ones. For scale, the
// same metric between the reference and itself moved by one pixel is printed too. A glyph or
// picture missing in a corner hardly moves a page's mean, so the worst 16x16 tile (the mean
// over its pixels, tiles with ink only) is printed as well.
//
// Usage: node frame-compare.mjs <pdf2swf> <output folder> <case>...
// where each case is name=<name>,pdf=<file>,page=<n>,dpi=<d>[,args=<switch switch ...>]
// Prints one line per case: "<name>=<difference> tile=<worst tile> at=<its x,y> shifted=<difference
// of the moved reference> size=<width>x<height>", or "<name>=error <why>".
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import { launchBrowser, openMovie, showMovie, stageSize, startServer } from "./rufflestage.mjs";

const [tool, outDir, ...caseArgs] = process.argv.slice(2);
fs.mkdirSync(outDir, { recursive: true });

function parseCase(text) {
  const c = {};
  for (const part of text.split(",")) {
    const eq = part.indexOf("=");
    c[part.slice(0, eq)] = part.slice(eq + 1);
  }
  c.args = c.args ? c.args.split(" ") : [];
  return c;
}

// Binary PPM (P6) as written by ImageMagick: { width, height, rgb }.
function readPpm(bytes) {
  let pos = 0;
  const fields = [];
  while (fields.length < 4) {
    while (/\s/.test(String.fromCharCode(bytes[pos]))) pos++;
    let start = pos;
    while (!/\s/.test(String.fromCharCode(bytes[pos]))) pos++;
    fields.push(bytes.subarray(start, pos).toString("latin1"));
  }
  pos++;
  if (fields[0] !== "P6" || fields[3] !== "255") throw new Error("not a binary PPM");
  return { width: Number(fields[1]), height: Number(fields[2]), rgb: bytes.subarray(pos) };
}

function picture(file, crop) {
  const args = [file];
  if (crop) args.push("-crop", `${crop.w}x${crop.h}+${crop.x}+${crop.y}`, "+repage");
  return readPpm(execFileSync("convert", [...args, "-alpha", "off", "ppm:-"], { maxBuffer: 1 << 30 }));
}

function boxBlur(p) {
  const { width: w, height: h, rgb } = p;
  const out = new Float32Array(w * h * 3);
  for (let y = 0; y < h; y++)
    for (let x = 0; x < w; x++)
      for (let c = 0; c < 3; c++) {
        let sum = 0, n = 0;
        for (let dy = -1; dy <= 1; dy++)
          for (let dx = -1; dx <= 1; dx++) {
            const xx = x + dx, yy = y + dy;
            if (xx < 0 || yy < 0 || xx >= w || yy >= h) continue;
            sum += rgb[(yy * w + xx) * 3 + c];
            n++;
          }
        out[(y * w + x) * 3 + c] = sum / n;
      }
  return out;
}

const TILE = 16;

// { mean, worstTile } of the smoothed pictures' difference over the inked area.
export function blurredDifference(a, b) {
  const w = Math.min(a.width, b.width), h = Math.min(a.height, b.height);
  const ba = boxBlur(cropTo(a, w, h)), bb = boxBlur(cropTo(b, w, h));
  const tilesX = Math.ceil(w / TILE);
  const tileSum = new Float64Array(tilesX * Math.ceil(h / TILE));
  const tileInk = new Uint8Array(tileSum.length);
  let sum = 0, count = 0;
  for (let y = 0; y < h; y++)
    for (let x = 0; x < w; x++) {
      const i = (y * w + x) * 3;
      let ink = false, d = 0;
      for (let c = 0; c < 3; c++) {
        ink ||= ba[i + c] < 250 || bb[i + c] < 250;
        d += Math.abs(ba[i + c] - bb[i + c]);
      }
      const tile = Math.floor(y / TILE) * tilesX + Math.floor(x / TILE);
      tileSum[tile] += d / 3;
      if (!ink) continue;
      tileInk[tile] = 1;
      sum += d / 3;
      count++;
    }
  let worst = 0, worstAt = 0;
  for (let t = 0; t < tileSum.length; t++)
    if (tileInk[t] && tileSum[t] / (TILE * TILE) > worst) {
      worst = tileSum[t] / (TILE * TILE);
      worstAt = t;
    }
  return { mean: count ? sum / count : 0, worstTile: worst,
           worstTileAt: [(worstAt % tilesX) * TILE, Math.floor(worstAt / tilesX) * TILE] };
}

// The picture moved right by one pixel (the first column repeated).
function shifted(p) {
  const rgb = Buffer.alloc(p.rgb.length);
  for (let y = 0; y < p.height; y++) {
    const row = y * p.width * 3;
    p.rgb.copy(rgb, row + 3, row, row + (p.width - 1) * 3);
    p.rgb.copy(rgb, row, row, row + 3);
  }
  return { width: p.width, height: p.height, rgb };
}

function cropTo(p, w, h) {
  if (p.width === w && p.height === h) return p;
  const rgb = Buffer.alloc(w * h * 3);
  for (let y = 0; y < h; y++) p.rgb.copy(rgb, y * w * 3, y * p.width * 3, y * p.width * 3 + w * 3);
  return { width: w, height: h, rgb };
}

const cases = caseArgs.map(parseCase);
const server = await startServer(outDir);
const browser = await launchBrowser();
let page;
try {
  for (const c of cases) {
    try {
      const movie = path.join(outDir, `${c.name}.swf`);
      execFileSync(tool, [c.pdf, "-o", movie, "-p", `${c.page}-${c.page}`, "-s", `zoom=${c.dpi}`, ...c.args], { stdio: "pipe" });
      const refBase = path.join(outDir, `${c.name}-pdftoppm`);
      execFileSync("pdftoppm", ["-png", "-r", c.dpi, "-f", c.page, "-l", c.page, "-cropbox", "-singlefile", c.pdf, refBase]);
      const reference = picture(`${refBase}.png`);
      const { w, h } = stageSize(movie);
      if (page) await showMovie(page, movie, w, h);
      else ({ page } = await openMovie(browser, server.base, movie));
      await page.waitForTimeout(1500);
      const shot = path.join(outDir, `${c.name}-ruffle.png`);
      await page.screenshot({ path: shot });
      // The tool rounds the page size to whole pixels, pdftoppm may take one more: compare
      // the common area.
      const width = Math.min(w, reference.width), height = Math.min(h, reference.height);
      const shown = picture(shot, { x: 0, y: 0, w: width, h: height });
      const d = blurredDifference(shown, reference);
      const control = blurredDifference(shifted(reference), reference);
      console.log(`${c.name}=${d.mean.toFixed(3)} tile=${d.worstTile.toFixed(3)} at=${d.worstTileAt.join(",")} ` +
                  `shifted=${control.mean.toFixed(3)} size=${width}x${height}`);
    } catch (e) {
      console.log(`${c.name}=error ${String(e.message ?? e).split("\n")[0]}`);
    }
  }
} finally {
  await browser.close();
  server.close();
}
