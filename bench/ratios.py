#!/usr/bin/env python3
"""Turns pattern_bench's JSON (medians of repetitions) into the Markdown table of
bench/README.md: each figure beside its baseline from the same run, the ratio, and whether the
goal holds.

    python3 bench/ratios.py results.json > table.md
"""
import json
import sys

PLAIN = {"ColWhite", "ColBlack", "ColRed", "ColGreen", "ColBlue", "MatchWhite", "MatchGray25",
         "MatchGray50", "MatchGray75", "MatchBlack"}
HEAVY = {"GeoClockPhase", "GeoResolution1", "GeoResolution2", "ColGrayShades"}
FRAME_MS = 1000 / 60


def medians(report):
    out = {}
    for b in report["benchmarks"]:
        if b.get("run_type") == "aggregate" and b.get("aggregate_name") != "median":
            continue
        # A row that could not measure what it names reports an error, not a time.
        if b.get("error_occurred"):
            continue
        # Rows timed on the steady clock around the very calls carry the suffix manual_time.
        name = b.get("run_name", b["name"]).removesuffix("/manual_time")
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
        out[name] = {"ms": b["real_time"] * scale, "pictures": b.get("pictures"), "fill": b.get("FillRect_ms"),
                     "floor": b.get("Memset_ms")}
    return out


def make_goal(kind):
    if kind in PLAIN:
        return 1.2
    if kind in HEAVY:
        return 6.0
    return 2.0


def main():
    report = json.load(open(sys.argv[1]))
    m = medians(report)
    ctx = report.get("context", {})
    failures = 0

    def row(cells):
        print("| " + " | ".join(cells) + " |")

    def verdict(ok):
        nonlocal failures
        failures += not ok
        return "yes" if ok else "**no**"

    print(f"Machine: {ctx.get('host_name', '?')}, {ctx.get('num_cpus', '?')} CPUs at "
          f"{ctx.get('mhz_per_cpu', '?')} MHz, caches "
          + ", ".join(f"L{c['level']} {c['size'] // 1024} KiB" for c in ctx.get("caches", []))
          + f"; load average {', '.join(f'{x:.1f}' for x in ctx.get('load_avg', []))}; {ctx.get('date', '')}")
    print()
    print("Baselines: a full FillRect and the memset floor of the same bytes, timed one after the "
          "other in each iteration (the Memset benchmarks alone read about the same).")
    print()
    row(["figure", "ms", "baseline", "ms", "ratio", "goal", "met"])
    row(["---"] * 7)
    sizes = sorted({n.split("/")[1] for n in m if n.startswith("FillRect/")}, key=lambda s: int(s.split("x")[0]))
    for size in sizes:
        fill = m[f"FillRect/{size}"]["ms"]
        floor = m[f"FillRect/{size}"]["floor"] or m[f"Memset/{size}"]["ms"]
        row([f"FillRect {size}", f"{fill:.2f}", "memset", f"{floor:.2f}", f"{fill / floor:.2f}", "1.3",
             verdict(fill / floor <= 1.3)])
    print()
    # The baseline of a Make is the FillRect timed right after it, in the same picture and on
    # the same clock: the plain FillRect above runs minutes before most Makes, and on a shared
    # machine the same fill drifts by a half within one run, as the caches are ours or not.
    print("Make of every kind: repeated on the same screen (goal: the ratio to a full FillRect, the "
          "one timed right after each Make in the same picture; no picture made) and the first "
          "after a size change (reported only).")
    print()
    row(["kind", "size", "help", "repeated ms", "FillRect ms", "ratio", "goal", "pictures", "met",
         "after size change ms", "ratio"])
    row(["---"] * 11)
    for name in m:
        parts = name.split("/")
        if parts[0] != "Make" or parts[-1] != "repeated":
            continue
        kind, size, help = parts[1], parts[2], parts[3]
        t = m[name]["ms"]
        plain = m[f"FillRect/{size}"]["ms"]
        fill = m[name]["fill"] or plain
        changed_run = m.get(f"Make/{kind}/{size}/{help}/sizechange", {})
        changed = changed_run.get("ms")
        changed_fill = changed_run.get("fill") or plain
        goal = make_goal(kind)
        pictures = m[name]["pictures"] or 0
        row([kind, size, "on" if help == "help" else "off", f"{t:.2f}", f"{fill:.2f}", f"{t / fill:.2f}",
             f"{goal:g}", f"{pictures:g}", verdict(t / fill <= goal and pictures == 0),
             f"{changed:.2f}" if changed else "", f"{changed / changed_fill:.2f}" if changed else ""])
    print()
    print("Animation frames, with the repaint they cause (a tracing frame should cost the same "
          "at both sizes).")
    print()
    row(["figure", "1024x768 ms", "3840x2160 ms", "ratio"])
    row(["---"] * 4)
    for what in ("TracingFrame", "PumpToggle"):
        small, large = m.get(f"{what}/1024x768", {}).get("ms"), m.get(f"{what}/3840x2160", {}).get("ms")
        if small and large:
            row([what, f"{small:.4f}", f"{large:.4f}", f"{large / small:.2f}"])
    print()
    print(f"A step of a run, to the backing store: Make and the repaint of the full-screen window "
          f"until its pixels are in the window's backing store, not yet on the screen (goal at "
          f"3840x2160: one frame at 60 Hz, {FRAME_MS:.1f} ms).")
    print()
    row(["kind", "screen", "help off ms", "help on ms", "met"])
    row(["---"] * 5)
    for name in m:
        parts = name.split("/")
        if parts[0] != "RunStep" or parts[3] != "nohelp":
            continue
        off = m[name]["ms"]
        on = m.get("/".join(parts[:3] + ["help"] + parts[4:]), {}).get("ms", float("inf"))
        met = verdict(max(off, on) <= FRAME_MS) if parts[2] == "3840x2160" else "(other screen)"
        row([parts[1], parts[2], f"{off:.2f}", f"{on:.2f}", met])
    print()
    print(f"Goals missed: {failures}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
