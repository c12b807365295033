#!/usr/bin/env python3
"""Speed and memory of the converter tool against `pdftoppm -png`, measured in the same run.

Converts every fixture PDF, plus one long document made of fixture pages, at 72 and 150 dpi
with both programs on the same pages, and prints per document: wall times and their ratio
(pdf2swf / pdftoppm, lower is better), pages per second, peak memory (resident set) and
output bytes per page. Ends with the goals: ratio below 0.5 at both resolutions, peak memory
below 200 MB on the long document.

Usage: bench/pdf2swf_bench.py [--build build] [--fixtures DIR] [--long-pages 300] [--repeat 3]
"""
import argparse
import os
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
    png_dir = work / "png"
    tool_times, ref_times, tool_peaks = [], [], []
    for _ in range(repeat):
        t, peak = run_measured([str(tool), str(pdf), "-o", str(swf), "-s", "poly2bitmap", "-p", f"1-{pages}",
                                "-s", f"zoom={dpi}"])
        tool_times.append(t)
        tool_peaks.append(peak)
        shutil.rmtree(png_dir, ignore_errors=True)
        png_dir.mkdir()
        t, _ = run_measured(["pdftoppm", "-png", "-r", str(dpi), "-f", "1", "-l", str(pages), str(pdf),
                             str(png_dir / "p")])
        ref_times.append(t)
    tool_s = statistics.median(tool_times)
    ref_s = statistics.median(ref_times)
    return {
        "doc": pdf.name, "pages": pages, "dpi": dpi, "tool_s": tool_s, "ref_s": ref_s,
        "ratio": tool_s / ref_s, "pages_per_s": pages / tool_s, "peak_mb": max(tool_peaks) / 1024,
        "bytes_per_page": swf.stat().st_size / pages, "png_bytes_per_page": folder_bytes(png_dir) / pages,
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=str(ROOT / "build"))
    parser.add_argument("--fixtures", default=str(ROOT.parent / "shared" / "fixtures" / "pdf"))
    parser.add_argument("--long-pages", type=int, default=300)
    parser.add_argument("--repeat", type=int, default=3, help="runs per short document (median taken)")
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

        print(f"pdf2swf against pdftoppm -png, same pages, same run; {os.cpu_count()} cores")
        header = (f"{'document':<28} {'pages':>5} {'dpi':>4} {'pdf2swf s':>9} {'pdftoppm s':>10} {'ratio':>6} "
                  f"{'pages/s':>8} {'peak MB':>8} {'swf B/page':>11} {'png B/page':>11}")
        print(header)
        print("-" * len(header))
        rows = []
        for dpi in (72, 150):
            for pdf in fixtures + [long_pdf]:
                pages = page_count(pdf)
                row = measure(tool, pdf, pages, dpi, 1 if pdf == long_pdf else args.repeat, work)
                rows.append(row)
                print(f"{row['doc']:<28} {row['pages']:>5} {dpi:>4} {row['tool_s']:>9.3f} {row['ref_s']:>10.3f} "
                      f"{row['ratio']:>6.3f} {row['pages_per_s']:>8.1f} {row['peak_mb']:>8.1f} "
                      f"{row['bytes_per_page']:>11.0f} {row['png_bytes_per_page']:>11.0f}", flush=True)

        print()
        ok = True
        for dpi in (72, 150):
            at = [r for r in rows if r["dpi"] == dpi]
            ratio = sum(r["tool_s"] for r in at) / sum(r["ref_s"] for r in at)
            good = ratio < 0.5
            ok &= good
            print(f"goal: all documents at {dpi} dpi, time ratio {ratio:.3f} < 0.5: {'met' if good else 'MISSED'}")
        peak = max(r["peak_mb"] for r in rows if r["doc"] == long_pdf.name)
        good = peak < 200
        ok &= good
        print(f"goal: peak memory on the {args.long_pages}-page document {peak:.1f} MB < 200 MB: "
              f"{'met' if good else 'MISSED'}")
        return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
