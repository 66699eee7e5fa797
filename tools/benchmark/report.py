#!/usr/bin/env python3
"""Prints the benchmark table: the program's size by kind, its payloads
compressed and expanded, and the two timings as ratios to `wine cmd /c exit`
(medians over the runs). Arguments: the program, the payload folder, the
file of baseline seconds (one a line), and the robot logs of the runs."""
import re
import statistics
import subprocess
import sys

exe, payload_dir, baseline_file, logs = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]

sections = {}
for line in subprocess.run(["i686-w64-mingw32-objdump", "-h", exe], capture_output=True, text=True).stdout.splitlines():
    fields = line.split()
    if len(fields) >= 3 and fields[0].isdigit():
        sections[fields[1]] = int(fields[2], 16)
code = sections.get(".text", 0)
resources = sections.get(".rsrc", 0)
data = sum(size for name, size in sections.items() if name not in (".text", ".rsrc") and not name.startswith(".debug"))
debug = sum(size for name, size in sections.items() if name.startswith(".debug"))

names = {998: "NetTorvin.dll", 999: "side.bmp", 8000: "AuctionTorvin.exe", 8001: "AuctionTorvin.hlp",
         8002: "AuctionTorvin.cnt", 8003: "AuctionTorvinUninstall.exe"}
payloads = []
for ident, name in names.items():
    raw = subprocess.run(["wrestool", "-x", "--raw", "--type=CUSTOM", f"--name={ident}", exe],
                         capture_output=True).stdout
    with open(f"{payload_dir}/{name}", "rb") as source:
        payloads.append((ident, name, len(raw), len(source.read())))


def step_times(log):
    """(start-to-first-page, finish-to-message) in seconds from one robot log."""
    starts, ends = {}, {}
    for line in open(log, encoding="utf-8", errors="replace"):
        m = re.match(r"\[\s*([\d.]+) s\] line \d+: (\S+)( \S+)?.*\.\.\. ok \(([\d.]+) s\)", line)
        if m:
            at, verb, arg, took = float(m.group(1)), m.group(2), (m.group(3) or "").strip(), float(m.group(4))
            key = verb + (" " + arg if verb in ("wait-window", "press") else "")
            starts.setdefault(key, at)
            ends.setdefault(key, at + took)
    return ends["wait-window wizard"] - starts["start"], ends["expect-msgbox"] - starts["press finish"]


baseline = statistics.median(int(x) / 1e9 for x in open(baseline_file).read().split())
first_page = statistics.median(step_times(log)[0] for log in logs)
finish = statistics.median(step_times(log)[1] for log in logs)

print("| measure | value |")
print("| --- | --- |")
print(f"| program file: code (.text) | {code:,} bytes |")
print(f"| program file: data (.data, .rdata, .bss, imports, exports, relocations) | {data:,} bytes |")
print(f"| program file: resources (.rsrc) | {resources:,} bytes |")
if debug:
    print(f"| program file: debug sections | {debug:,} bytes |")
for ident, name, packed, plain in payloads:
    print(f"| payload {ident} {name} | {packed:,} bytes compressed, {plain:,} expanded ({packed / plain:.0%}) |")
print(f"| `wine cmd /c exit` (median of {len(open(baseline_file).read().split())}) | {baseline:.3f} s = 1 |")
print(f"| start to first page (median of {len(logs)}) | {first_page / baseline:.2f} x |")
print(f"| Finish to completion message (median of {len(logs)}) | {finish / baseline:.2f} x |")
