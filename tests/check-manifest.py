#!/usr/bin/env python3
"""The application manifest inside the built program: taken out with
wrestool, parsed as XML. It must ask for administrator rights, name Vista to
10 as supported systems, and depend on no version of the common controls."""
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

exe = sys.argv[1]
raw = subprocess.run(["wrestool", "-x", "--raw", "--type=24", "--name=1", exe],
                     check=True, capture_output=True).stdout
failures = []


def check(what, ok):
    print(("ok: " if ok else "FAIL: ") + what)
    if not ok:
        failures.append(what)


check("a manifest is resource 24/1", len(raw) > 0)
root = ElementTree.fromstring(raw)
asm1 = "{urn:schemas-microsoft-com:asm.v1}"
asm3 = "{urn:schemas-microsoft-com:asm.v3}"
compat = "{urn:schemas-microsoft-com:compatibility.v1}"
levels = [e.get("level") for e in root.iter(asm3 + "requestedExecutionLevel")]
check("requestedExecutionLevel is requireAdministrator, once", levels == ["requireAdministrator"])
ui_access = [e.get("uiAccess") for e in root.iter(asm3 + "requestedExecutionLevel")]
check("no UI access", ui_access == ["false"])
systems = {e.get("Id") for e in root.iter(compat + "supportedOS")}
wanted = {
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}": "Vista",
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "7",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "8",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "8.1",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "10",
}
for guid, name in wanted.items():
    check(f"supportedOS Windows {name}", guid in systems)
check("no other supportedOS", systems == set(wanted))
check("no dependency on any assembly (common controls 6 among them)",
      not list(root.iter(asm1 + "dependency")) and b"Common-Controls" not in raw)
sys.exit(1 if failures else 0)
