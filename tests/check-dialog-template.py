#!/usr/bin/env python3
"""The dialog templates of the built program, taken out with wrestool and
decoded here from the bytes of each DLGTEMPLATE: style, place, font and every
control (style, place, class, text) must be exactly as the program's windows
need them, with nothing a resource compiler added of its own."""
import struct
import subprocess
import sys

exe = sys.argv[1]
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


# Styles as the windows headers spell them.
WS_POPUP, WS_CHILD, WS_VISIBLE = 0x80000000, 0x40000000, 0x10000000
WS_CAPTION, WS_BORDER, WS_SYSMENU = 0x00C00000, 0x00800000, 0x00080000
WS_VSCROLL, WS_TABSTOP = 0x00200000, 0x00010000
DS_MODALFRAME, DS_SETFONT = 0x80, 0x40
ES_MULTILINE, ES_AUTOHSCROLL, ES_READONLY = 0x4, 0x80, 0x800
BS_PUSHBUTTON, BS_AUTOCHECKBOX, BS_TOP, BS_MULTILINE = 0x0, 0x3, 0x400, 0x2000
CBS_DROPDOWNLIST, CBS_HASSTRINGS, CBS_DISABLENOSCROLL = 0x3, 0x200, 0x800

PAGE = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT
TEXT = WS_CHILD | WS_VISIBLE  # SS_LEFT is 0
FIELD = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL
CHECK = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX
LIST_CHECK = CHECK | BS_MULTILINE | BS_TOP

# id: (style, place and size, font, {control id: (style, place, class, text)})
DIALOGS = {
    130: (0x80C020C4, (0, 0, 144, 58), {
        900: (0x50800000, (4, 34, 136, 17), "msctls_progress32", "ProgressBar1"),
        901: (0x50000000, (4, 17, 132, 8), "static", ""),
    }),
    101: (PAGE, (0, 0, 276, 140), {
        400: (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
              (92, 0, 184, 140), "edit", ""),
    }),
    102: (PAGE, (0, 0, 276, 140), {
        500: (TEXT, (92, 0, 184, 140), "static", ""),
    }),
    104: (PAGE, (0, 0, 276, 140), {
        600: (TEXT, (92, 0, 184, 17), "static", ""),
        601: (TEXT, (92, 31, 55, 8), "static", ""),
        606: (FIELD, (147, 29, 129, 12), "edit", ""),
        602: (TEXT, (92, 46, 55, 8), "static", ""),
        607: (FIELD, (147, 44, 129, 12), "edit", ""),
        603: (TEXT, (92, 61, 55, 8), "static", ""),
        608: (FIELD, (147, 59, 129, 12), "edit", ""),
        604: (TEXT, (92, 76, 55, 8), "static", ""),
        609: (FIELD, (147, 74, 64, 12), "edit", ""),
        605: (TEXT, (92, 91, 55, 8), "static", ""),
        610: (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_HASSTRINGS
              | CBS_DISABLENOSCROLL, (147, 89, 129, 52), "combobox", ""),
    }),
    105: (PAGE, (0, 0, 276, 140), {
        706: (TEXT, (92, 0, 184, 17), "static", ""),
        707: (LIST_CHECK, (92, 17, 184, 19), "button", ""),
        708: (LIST_CHECK, (92, 37, 184, 19), "button", ""),
        709: (LIST_CHECK, (92, 57, 184, 19), "button", ""),
        701: (CHECK, (92, 98, 176, 12), "button", ""),
        703: (TEXT, (92, 117, 176, 8), "static", ""),
        704: (FIELD, (92, 127, 184, 12), "edit", ""),
        705: (WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, (276, 126, 0, 14), "button", ""),
    }),
    106: (PAGE, (0, 0, 276, 140), {
        800: (TEXT, (92, 0, 180, 36), "static", ""),
        801: (TEXT, (92, 36, 180, 24), "static", ""),
        802: (TEXT, (92, 67, 0, 8), "static", ""),
        803: (WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST, (92, 65, 0, 52), "combobox", ""),
        804: (TEXT, (92, 83, 0, 8), "static", ""),
        805: (FIELD, (92, 81, 140, 12), "edit", ""),
        806: (TEXT, (248, 83, 0, 8), "static", ""),
        807: (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, (248, 81, 28, 12), "edit", ""),
    }),
}
# A resource compiler may store the predefined classes as atoms; Windows
# matches class names without regard to case.
ATOMS = {0x80: "button", 0x81: "edit", 0x82: "static", 0x83: "listbox", 0x84: "scrollbar", 0x85: "combobox"}


def check_dialog(dialog_id, e_style, e_place, e_controls):
    raw = subprocess.run(["wrestool", "-x", "--raw", "--type=5", f"--name={dialog_id}", exe],
                         check=True, capture_output=True).stdout
    if not raw:
        check(f"dialog {dialog_id} present", False, True)
        return
    d = f"dialog {dialog_id}"
    r = Reader(raw)
    style, ex_style, count = r.take("IIH")
    check(f"{d} style", hex(style), hex(e_style))
    check(f"{d} extended style", ex_style, 0)
    check(f"{d} place and size", r.take("hhhh"), e_place)
    check(f"{d} no menu", r.name(), "")
    check(f"{d} default dialog class", r.name(), "")
    check(f"{d} empty caption", r.name(), "")
    check(f"{d} font", (r.take("H"), r.name()), (8, "MS Sans Serif"))
    check(f"{d} control count", count, len(e_controls))
    order = []
    expected = dict(e_controls)
    for _ in range(count):
        r.align()
        c_style, c_ex_style = r.take("II")
        place = r.take("hhhh")
        control_id = r.take("H")
        class_name = r.name()
        text = r.name()
        r.take("H")  # creation data size
        order.append(control_id)
        if control_id not in expected:
            check(f"{d} control id", control_id, sorted(e_controls))
            continue
        s, p, c, t = expected.pop(control_id)
        what = f"{d} control {control_id}"
        check(f"{what} style", hex(c_style), hex(s))
        check(f"{what} extended style", c_ex_style, 0)
        check(f"{what} place and size", place, p)
        check(f"{what} class", ATOMS.get(class_name, str(class_name)).lower(), c)
        check(f"{what} text", text, t)
    check(f"{d} every control present", sorted(expected), [])
    # The tab order is the template's order.
    check(f"{d} control order", order, list(e_controls))


for dialog_id, (style, place, controls) in DIALOGS.items():
    check_dialog(dialog_id, style, place, controls)
sys.exit(1 if failures else 0)
