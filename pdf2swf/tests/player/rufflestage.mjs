// Shared by the player scripts: a local web server with Ruffle (a Flash player) and a page
// that shows one movie at its own stage size in the top-left corner, in headless Chromium.
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { chromium } from "playwright-core";

const here = path.dirname(fileURLToPath(import.meta.url));

const PAGE = `<!doctype html><html><body style="margin:0;background:#888">
<div id="stage"></div>
<script>
window.RufflePlayer = window.RufflePlayer || {};
window.RufflePlayer.config = { autoplay: "on", unmuteOverlay: "hidden", splashScreen: false, letterbox: "off",
                               contextMenu: "off", quality: "best", scale: "noScale", forceScale: true,
                               preferredRenderer: "%RENDERER%" };
</script>
<script src="/ruffle/ruffle.js"></script>
<script>
window.startMovie = async (movie, w, h) => {
  document.getElementById("stage").replaceChildren();
  const player = window.RufflePlayer.newest().createPlayer();
  player.id = "player";
  player.style.width = w + "px";
  player.style.height = h + "px";
  document.getElementById("stage").appendChild(player);
  const api = typeof player.ruffle === "function" ? player.ruffle() : player;
  await api.load({ url: movie, allowScriptAccess: false });
};
</script></body></html>`;

// Serves the player and the files of movieDir under /movies/. Returns { base, close }.
export async function startServer(movieDir) {
  const ruffleDir = path.join(here, "node_modules", "@ruffle-rs", "ruffle");
  const server = http.createServer((req, res) => {
    const url = new URL(req.url, "http://localhost");
    if (url.pathname === "/") {
      res.setHeader("Content-Type", "text/html");
      res.end(PAGE.replace("%RENDERER%", process.env.RUFFLE_RENDERER ?? "canvas"));
      return;
    }
    let file;
    if (url.pathname.startsWith("/ruffle/")) file = path.join(ruffleDir, url.pathname.slice(8));
    else if (url.pathname.startsWith("/movies/")) file = path.join(movieDir, decodeURIComponent(url.pathname.slice(8)));
    if (!file || !fs.existsSync(file)) {
      res.statusCode = 404;
      res.end();
      return;
    }
    const types = { ".js": "text/javascript", ".wasm": "application/wasm", ".swf": "application/x-shockwave-flash" };
    res.setHeader("Content-Type", types[path.extname(file)] ?? "application/octet-stream");
    fs.createReadStream(file).pipe(res);
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return { base: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}

export async function launchBrowser() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    args: ["--no-sandbox", "--use-gl=swiftshader", "--enable-unsafe-swiftshader"],
  });
}

// Stage size in pixels, as the independent reader sees it.
export function stageSize(movie) {
  const summary = JSON.parse(execFileSync("node", [path.join(here, "..", "swfcheck", "swfcheck.mjs"), movie]).toString());
  return { w: summary.stageWidthPixels, h: summary.stageHeightPixels };
}

// Opens a browser page showing the movie (a file of the served folder) at its stage size.
export async function openMovie(browser, base, movie) {
  const { w, h } = stageSize(movie);
  const page = await browser.newPage({ viewport: { width: w + 40, height: h + 40 }, deviceScaleFactor: 1 });
  await page.goto(base);
  await showMovie(page, movie, w, h);
  return { page, w, h };
}

// Replaces what the page shows by another movie (the player stays loaded).
export async function showMovie(page, movie, w, h) {
  await page.setViewportSize({ width: w + 40, height: h + 40 });
  await page.evaluate(([m, w, h]) => window.startMovie(m, w, h), [`/movies/${encodeURIComponent(path.basename(movie))}`, w, h]);
}
