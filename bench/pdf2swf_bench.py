#!/usr/bin/env python3
"""Speed, size and memory of the converter tool, side by side: text as fonts (the default),
the raster-only mode (-s rasteronly) and `pdftoppm -png`, measured in the same run.

Converts every fixture PDF, plus one long document made of fixture pages, at 72 and 150 dpi
with the three on the same pages, and prints per document: wall times, pages per second and
output bytes per page of each, the time ratios (pdf2swf / pdftoppm, fonts / raster-only,
lower is better) and the peak memory (resident set) of the default mode. Ends with the goals:
- the plain text document (the fixture with the most pages) at most 6 KB per page at both
  resolutions;
- text as fonts at least as fast as the raster-only mode (all documents, each resolution);
- time ratio against pdftoppm below 0.5 at both resolutions;
- peak memory below 200 MB on the long document;
- with --player: no page loses content against the raster-only mode. Every page of every
  fixture is shown in a real player (Ruffle in Chromium, see pdf2swf/tests/player) and
  compared with pdftoppm's rendering, which the raster-only mode reproduces pixel for pixel:
  the worst 16x16 tile of the blurred difference must stay below 20 (0-255 units; a missing
  glyph gives far more, anti-aliasing about 3-8).

Usage: bench/pdf2swf_bench.py [--build build] [--fixtures DIR] [--long-pages 300] [--repeat 3]
                              [--player]
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def run_measured(args):
    """Runs args; returns (seconds, peak resident KB). Raises on failure."""
    start = time.perf_counter()
    proc = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(proc.pid, 0)
    seconds = time.perf_counter() - start
    err = proc.stderr.read().decode(errors="replace")
    proc.stderr.close()
    proc.returncode = os.waitstatus_to_exitcode(status)
    if proc.returncode != 0:
        raise RuntimeError(f"{args[0]} failed ({proc.returncode}): {err.strip()}")
    return seconds, usage.ru_maxrss


def page_count(pdf):
    out = subprocess.run(["pdfinfo", str(pdf)], capture_output=True, text=True, check=True).stdout
    return int(next(line.split()[-1] for line in out.splitlines() if line.startswith("Pages:")))


def folder_bytes(folder):
    return sum(f.stat().st_size for f in Path(folder).iterdir())


def measure(tool, pdf, pages, dpi, repeat, work):
    """Median of repeat runs for each program; returns a result row."""
    swf = work / "out.swf"
    raster_swf = work / "raster.swf"
    png_dir = work / "png"
    times = {"fonts": [], "raster": [], "pdftoppm": []}
    peaks = []
    common = ["-s", "poly2bitmap", "-p", f"1-{pages}", "-s", f"zoom={dpi}"]
    for _ in range(repeat):
        t, peak = run_measured([str(tool), str(pdf), "-o", str(swf), *common])
        times["fonts"].append(t)
        peaks.append(peak)
        t, _ = run_measured([str(tool), str(pdf), "-o", str(raster_swf), *common, "-s", "rasteronly"])
        times["raster"].append(t)
        shutil.rmtree(png_dir, ignore_errors=True)
        png_dir.mkdir()
        t, _ = run_measured(["pdftoppm", "-png", "-r", str(dpi), "-f", "1", "-l", str(pages), str(pdf),
                             str(png_dir / "p")])
        times["pdftoppm"].append(t)
    seconds = {k: statistics.median(v) for k, v in times.items()}
    return {
        "doc": pdf.name, "pages": pages, "dpi": dpi, "s": seconds,
        "peak_mb": max(peaks) / 1024,
        "bytes_per_page": {"fonts": swf.stat().st_size / pages, "raster": raster_swf.stat().st_size / pages,
                           "pdftoppm": folder_bytes(png_dir) / pages},
    }


def player_check(tool, fixtures, work):
    """Worst tile difference per document and resolution, every page shown in Ruffle."""
    script = ROOT / "pdf2swf" / "tests" / "player" / "frame-compare.mjs"
    cases = []
    for dpi in (72, 150):
        for pdf in fixtures:
            for page in range(1, page_count(pdf) + 1):
                cases.append(f"name={pdf.stem}@{dpi}#{page},pdf={pdf},page={page},dpi={dpi}")
    out = subprocess.run(["node", str(script), str(tool), str(work / "player"), *cases], capture_output=True, text=True)
    worst = {}
    for line in out.stdout.splitlines():
        m = re.match(r"(.+)@(\d+)#(\d+)=([\d.]+) tile=([\d.]+)", line)
        if not m:
            print(f"  player: {line}")
            worst[("error", 0)] = (float("inf"), line)
            continue
        key = (m.group(1), int(m.group(2)))
        tile = float(m.group(5))
        if tile >= worst.get(key, (-1, ""))[0]:
            worst[key] = (tile, f"page {m.group(3)}")
    return worst


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=str(ROOT / "build"))
    parser.add_argument("--fixtures", default=str(ROOT.parent / "shared" / "fixtures" / "pdf"))
    parser.add_argument("--long-pages", type=int, default=300)
    parser.add_argument("--repeat", type=int, default=3, help="runs per short document (median taken)")
    parser.add_argument("--player", action="store_true",
                        help="also show every fixture page in Ruffle (needs chromium and pdf2swf/tests/player's npm packages)")
    args = parser.parse_args()

    tool = Path(args.build) / "app" / "pdf2swf"
    for needed in (tool,):
        if not needed.exists():
            sys.exit(f"missing {needed}: build first (cmake --build --preset default)")
    for program in ("pdftoppm", "pdfinfo", "qpdf"):
        if not shutil.which(program):
            sys.exit(f"missing {program} (poppler-utils, qpdf)")
    fixtures = sorted(Path(args.fixtures).glob("*.pdf"))

    with tempfile.TemporaryDirectory(prefix="pdf2swf-bench-") as tmp:
        work = Path(tmp)
        # The long document: fixture pages repeated up to the wanted count.
        source = max(fixtures, key=page_count)
        copies = -(-args.long_pages // page_count(source))
        repeated = work / "repeated.pdf"
        long_pdf = work / f"long-{args.long_pages}.pdf"
        subprocess.run(["qpdf", "--empty", "--pages", *([str(source)] * copies), "--", str(repeated)], check=True)
        subprocess.run(["qpdf", "--empty", "--pages", str(repeated), f"1-{args.long_pages}", "--", str(long_pdf)],
                       check=True)

        print(f"pdf2swf (text as fonts, and -s rasteronly) against pdftoppm -png, same pages, same run; "
              f"{os.cpu_count()} cores")
        header = (f"{'document':<28} {'pages':>5} {'dpi':>4} | {'seconds fonts/raster/ppm':>24} | "
                  f"{'pages/s fonts/raster/ppm':>24} | {'bytes/page fonts/raster/png':>29} | {'fonts/ppm':>9} "
                  f"{'fonts/raster':>12} {'peak MB':>8}")
        print(header)
        print("-" * len(header))
        rows = []
        for dpi in (72, 150):
            for pdf in fixtures + [long_pdf]:
                pages = page_count(pdf)
                row = measure(tool, pdf, pages, dpi, 1 if pdf == long_pdf else args.repeat, work)
                rows.append(row)
                s, b = row["s"], row["bytes_per_page"]
                print(f"{row['doc']:<28} {pages:>5} {dpi:>4} | {s['fonts']:>7.3f} {s['raster']:>7.3f} {s['pdftoppm']:>8.3f} | "
                      f"{pages / s['fonts']:>7.1f} {pages / s['raster']:>7.1f} {pages / s['pdftoppm']:>8.1f} | "
                      f"{b['fonts']:>9.0f} {b['raster']:>9.0f} {b['pdftoppm']:>9.0f} | "
                      f"{s['fonts'] / s['pdftoppm']:>9.3f} {s['fonts'] / s['raster']:>12.3f} {row['peak_mb']:>8.1f}",
                      flush=True)

        print()
        ok = True

        def goal(text, good):
            nonlocal ok
            ok &= good
            print(f"goal: {text}: {'met' if good else 'MISSED'}")

        text_doc = source.name
        for dpi in (72, 150):
            row = next(r for r in rows if r["dpi"] == dpi and r["doc"] == text_doc)
            per_page = row["bytes_per_page"]["fonts"]
            goal(f"{text_doc} at {dpi} dpi, {per_page / 1024:.2f} KB per page <= 6 KB (raster-only "
                 f"{row['bytes_per_page']['raster'] / 1024:.1f} KB)", per_page <= 6 * 1024)
        for dpi in (72, 150):
            at = [r for r in rows if r["dpi"] == dpi]
            fonts = sum(r["s"]["fonts"] for r in at)
            raster = sum(r["s"]["raster"] for r in at)
            goal(f"all documents at {dpi} dpi, text as fonts {fonts:.2f} s <= raster-only {raster:.2f} s "
                 f"(ratio {fonts / raster:.3f})", fonts <= raster)
        for dpi in (72, 150):
            at = [r for r in rows if r["dpi"] == dpi]
            ratio = sum(r["s"]["fonts"] for r in at) / sum(r["s"]["pdftoppm"] for r in at)
            goal(f"all documents at {dpi} dpi, time ratio against pdftoppm {ratio:.3f} < 0.5", ratio < 0.5)
        peak = max(r["peak_mb"] for r in rows if r["doc"] == long_pdf.name)
        goal(f"peak memory on the {args.long_pages}-page document {peak:.1f} MB < 200 MB", peak < 200)
        if args.player:
            print()
            print("every fixture page in Ruffle against pdftoppm (worst 16x16 tile, 0-255):")
            worst = player_check(tool, fixtures, work)
            for (doc, dpi), (tile, where) in sorted(worst.items()):
                print(f"  {doc:<28} {dpi:>4} dpi: {tile:7.3f} ({where})")
            top = max(t for t, _ in worst.values()) if worst else float("inf")
            goal(f"no page loses content against the raster-only mode, worst tile {top:.3f} < 20", top < 20)
        return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
