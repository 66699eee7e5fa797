#!/usr/bin/env python3
"""The registry changes between two texts of Wine's registry files (the
harness's registry-before.txt and registry-after.txt): one line per value
added or changed, "KEY  NAME=DATA", and "KEY  (new key)" for a key added
without values; "KEY  NAME (removed)" for a value gone. Wine's own
bookkeeping is named in BOOKKEEPING and left out; nothing else is."""
import re
import sys

# What Wine itself writes while any program runs, and what the harness
# writes to pick the emulated version; never the setup program's doing.
BOOKKEEPING = [
    # The display driver re-registers the display and monitor device classes
    # at every start: it stamps its date and drops the classes' names, and,
    # depending on timing, the link value of its device key.
    (r"^System\\\\CurrentControlSet\\\\Control\\\\Class\\\\\{4D36E968-E325-11CE-BFC1-08002BE10318\}\\\\0000$",
     r'^"(DriverDateData|SymbolicLinkValue)"$'),
    (r"^System\\\\CurrentControlSet\\\\Control\\\\Class\\\\\{4D36E96[8E]-E325-11CE-BFC1-08002BE10318\}$", r"^@$"),
    # Wine rebuilds the network card list at each start as a volatile key,
    # which the registry files no longer hold (a key-level entry: no name).
    (r"^Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\NetworkCards$", r"^$"),
    # run-scenario.sh: "harness windows VERSION".
    (r"^Software\\\\Wine$", r'^"Version"$'),
]


def parse(path):
    keys = {}
    current = None
    pending = ""
    with open(path, encoding="utf-8", errors="replace") as text:
        for raw in text:
            line = pending + raw.rstrip("\n")
            if line.endswith("\\") and not line.startswith("["):
                pending = line[:-1].rstrip() if current is not None else ""
                continue
            pending = ""
            section = re.match(r"^\[(.*)\]\s*\d*$", line)
            if section:
                current = section.group(1)
                keys.setdefault(current, {})
            elif current is not None and (line.startswith('"') or line.startswith("@")):
                name, _, data = split_value(line)
                keys[current][name] = data.strip()
    return keys


def split_value(line):
    if line.startswith("@"):
        return "@", "=", line[2:]
    match = re.match(r'^("(?:[^"\\]|\\.)*")=(.*)$', line)
    return (match.group(1), "=", match.group(2)) if match else (line, "=", "")


def bookkeeping(key, name):
    return any(re.search(k, key) and re.search(n, name) for k, n in BOOKKEEPING)


def main():
    before, after = parse(sys.argv[1]), parse(sys.argv[2])
    changes = []
    for key, values in after.items():
        old = before.get(key)
        if old is None and not values and not bookkeeping(key, ""):
            changes.append(f"{key}  (new key)")
        for name, data in values.items():
            if (old or {}).get(name) != data and not bookkeeping(key, name):
                changes.append(f"{key}  {name}={data}")
        for name in (old or {}):
            if name not in values and not bookkeeping(key, name):
                changes.append(f"{key}  {name} (removed)")
    # A key with subkeys and no values has no section of its own.
    sections = list(after)
    for key in before:
        if key not in after and not any(s.startswith(key + "\\\\") for s in sections) \
                and not bookkeeping(key, ""):
            changes.append(f"{key}  (key removed)")
    print("\n".join(sorted(changes)))


main()
