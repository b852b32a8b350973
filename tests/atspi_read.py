"""Reads the running program's window through AT-SPI, as a screen reader does, and checks the
explanation panel, the start label and the sequence box. Exit status 0 when all three read right."""
import sys
import time

import pyatspi

EXPECTED_LABEL = "ｎ＝ 11"
EXPECTED_BOX = " 34 17 52 26 13 40 20 10 5 16 8 4 2 1"
PANEL_LINES = ["\u3000【問題】", "\u3000" * 5 + "11から始めると、11→34→17→52→26→13→40→20→10→5→16→8→4→2→1 となります。",
               "\u3000" * 5 + "下の［実験］をクリックして、バソコンで簡単な実験をしてみましょう。"]


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "collatz":
                return app
        time.sleep(0.1)
    return None


def nodes(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def text_of(acc):
    try:
        return acc.queryText().getText(0, -1)
    except NotImplementedError:
        return None


app = find_app()
if app is None:
    print("FAIL: the program does not show up on the accessibility bus")
    sys.exit(1)
by_name = {acc.name: acc for acc in nodes(app)}
failures = []
panel = by_name.get("問題の説明")
panel_text = text_of(panel) if panel else None
if panel_text is None or not all(line in panel_text.split("\n") for line in PANEL_LINES) or panel_text.count("\n") != 8:
    failures.append(f"panel reads {panel_text!r}")
if EXPECTED_LABEL not in by_name:
    failures.append("no accessible shows the start label's text " + repr(EXPECTED_LABEL))
box = by_name.get("数列")
if box is None or text_of(box) != EXPECTED_BOX:
    failures.append(f"sequence box reads {text_of(box) if box else None!r}")
for failure in failures:
    print("FAIL:", failure)
if not failures:
    print("a screen reader reads the panel's nine lines, the start label and the sequence")
sys.exit(1 if failures else 0)
