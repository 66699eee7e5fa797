#!/usr/bin/env python3
"""Dialog 130 of the built program, taken out with wrestool and decoded here
from the bytes of its DLGTEMPLATE: styles, place, font and both controls
must be the progress dialog's exactly."""
import struct
import subprocess
import sys

exe = sys.argv[1]
raw = subprocess.run(["wrestool", "-x", "--raw", "--type=5", "--name=130", exe],
                     check=True, capture_output=True).stdout
failures = []


def check(what, seen, expected):
    if seen == expected:
        print(f"ok: {what}")
    else:
        print(f"FAIL: {what}: expected {expected!r}, saw {seen!r}")
        failures.append(what)


class Reader:
    def __init__(self, data):
        self.data, self.at = data, 0

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.at)
        self.at += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def align(self):
        self.at = (self.at + 3) & ~3

    # A name or an ordinal: 0xFFFF and a number, or a wide text ending in 0.
    def name(self):
        if self.take("H") == 0xFFFF:
            return self.take("H")
        self.at -= 2
        end = self.at
        while self.data[end:end + 2] != b"\0\0":
            end += 2
        text = self.data[self.at:end].decode("utf-16-le")
        self.at = end + 2
        return text


if not raw:
    print("FAIL: the program has no dialog 130")
    sys.exit(1)
r = Reader(raw)
style, ex_style, count = r.take("IIH")
check("dialog style", hex(style), hex(0x80C020C4))
check("dialog extended style", ex_style, 0)
check("dialog place and size", r.take("hhhh"), (0, 0, 144, 58))
check("no menu", r.name(), "")
check("default dialog class", r.name(), "")
check("empty caption", r.name(), "")
check("font", (r.take("H"), r.name()), (8, "MS Sans Serif"))
check("two controls", count, 2)

STATIC_ATOM = 0x82
expected = {
    900: (0x50800000, (4, 34, 136, 17), "msctls_progress32", "ProgressBar1"),
    901: (0x50000000, (4, 17, 132, 8), "static", ""),
}
for _ in range(count):
    r.align()
    c_style, c_ex_style = r.take("II")
    place = r.take("hhhh")
    control_id = r.take("H")
    class_name = r.name()
    text = r.name()
    r.take("H")  # creation data size
    if control_id not in expected:
        check("control id", control_id, sorted(expected))
        continue
    e_style, e_place, e_class, e_text = expected.pop(control_id)
    check(f"control {control_id} style", hex(c_style), hex(e_style))
    check(f"control {control_id} extended style", c_ex_style, 0)
    check(f"control {control_id} place and size", place, e_place)
    # Windows matches class names without regard to case; a resource
    # compiler may store the predefined static class as its atom.
    if class_name == STATIC_ATOM:
        class_name = "static"
    check(f"control {control_id} class", str(class_name).lower(), e_class)
    check(f"control {control_id} text", text, e_text)
check("every control present", sorted(expected), [])
sys.exit(1 if failures else 0)
