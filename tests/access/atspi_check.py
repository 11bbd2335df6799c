"""Reads Quillane through AT-SPI as a screen reader would: opens Klondike from
the selector's list, finds every pile by its accessible name, reads the
cards, plays by keyboard and sees the names follow."""
import subprocess
import sys
import time

import pyatspi


def fail(why):
    print("accessibility: " + why, file=sys.stderr)
    sys.exit(1)


def wait(what, find, seconds=15.0):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    fail("no " + what)


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and a.name.lower() == "quillane":
            return a
    return None


def frame(application, title):
    for i in range(application.childCount):
        w = application.getChildAtIndex(i)
        if w is not None and w.name == title:
            return w
    return None


def descendants(node, keep):
    out = []
    stack = [node]
    while stack:
        n = stack.pop()
        for i in range(n.childCount):
            c = n.getChildAtIndex(i)
            if c is None:
                continue
            if keep(c):
                out.append(c)
            stack.append(c)
    return out


def piles(window):
    found = descendants(window, lambda c: c.getRoleName() == "panel" and ":" in c.name)
    return {p.name.split(":")[0]: p for p in found}


def keys(*names, title="^Klondike$"):
    window = subprocess.run(["xdotool", "search", "--name", title], capture_output=True, text=True).stdout.split()
    if not window:
        fail("no window %s to type into" % title)
    subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)
    for k in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", k], check=True)
        time.sleep(0.15)


application = wait("Quillane on the accessibility bus", app)
selector = wait("selector window", lambda: frame(application, "Quillane!"))
lists = descendants(selector, lambda c: c.getRoleName() == "list")
if not lists:
    fail("the selector has no list")
items = [lists[0].getChildAtIndex(i) for i in range(lists[0].childCount)]
names = [i.name for i in items if i is not None]
if "Klondike" not in names:
    fail("no Klondike in the list: %r" % names)
# Typing a letter in the list chooses the first game of that letter.
for _ in range(5):
    keys("k", title="^Quillane!$")
    if frame(application, "Klondike"):
        break
    time.sleep(0.5)
game = wait("Klondike window", lambda: frame(application, "Klondike"))
table = wait("the piles", lambda: (lambda p: p if len(p) >= 13 else None)(piles(game)))
expected = ["Stock", "Waste"] + ["Foundation %d" % i for i in range(1, 5)] + ["Column %d" % i for i in range(1, 8)]
missing = [e for e in expected if e not in table]
if missing:
    fail("piles not found by name: %r (found %r)" % (missing, sorted(table)))
if table["Stock"].name != "Stock: 24 cards face down":
    fail("stock reads %r" % table["Stock"].name)
if not table["Foundation 1"].name.endswith(": empty"):
    fail("foundation reads %r" % table["Foundation 1"].name)
for c in range(1, 8):
    name = table["Column %d" % c].name
    hidden = "" if c == 1 else (", 1 card face down" if c == 2 else ", %d cards face down" % (c - 1))
    if not name.endswith(hidden) or " of " not in name:
        fail("column %d reads %r" % (c, name))
print("read: " + "; ".join(table[e].name for e in expected))

# The focus starts on the first column and is the accessible focus.
keys("Right", "Left")
focused = wait("focused pile", lambda: [p for p in piles(game).values()
                                        if p.getState().contains(pyatspi.STATE_FOCUSED)])
if not focused[0].name.startswith("Column 1:"):
    fail("focus on %r" % focused[0].name)
keys("Right")
wait("focus on column 2", lambda: [p for p in piles(game).values()
                                   if p.getState().contains(pyatspi.STATE_FOCUSED) and p.name.startswith("Column 2:")])

# A stock turn by keyboard changes what the stock and the waste say.
waste = table["Waste"].name
keys("space")
wait("the stock's new name", lambda: piles(game)["Stock"].name != "Stock: 24 cards face down")
after = piles(game)
if after["Waste"].name == waste or after["Waste"].name.endswith("empty"):
    fail("waste still reads %r" % after["Waste"].name)
print("after a stock turn: %s; %s" % (after["Stock"].name, after["Waste"].name))
print("accessibility: ok")
