#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole session played with the keyboard alone, watched as a screen reader watches it.

The built game runs on an Xvfb of its own, under openbox or with no window manager at all
(--bare), with a session bus and an accessibility bus of its own. Every input is a key sent
with xdotool: the name, the tabs, Tab to Start, then for each town the arrows over the nation
map and over the region's map, Enter, and Enter on each message, after which the main window
must be active again. What the game shows is read through AT-SPI: every control named, the
main window a frame, the spin box's value and range, and each map's selection as its focused
child, with extents, named by its place alone while the session runs. Under the window
manager the first message is minimised, and must come back at once.

usage: test_keyboard.py GAME-FOLDER PROBE SOURCE-FOLDER [--bare] [SCREENSHOT-FOLDER]
Exit status 0 when all is well, 1 on a failure, 77 when a tool is missing.
"""
import csv
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

game, probe, source = sys.argv[1:4]
bare = "--bare" in sys.argv[4:]
shots = next((a for a in sys.argv[4:] if a != "--bare"), None)
for tool in ("Xvfb", "xdotool", "dbus-daemon", "gdbus") + (() if bare else ("openbox",)):
    if not shutil.which(tool):
        print(f"test_keyboard: {tool} is not installed; skipped")
        sys.exit(77)
if not os.path.exists("/usr/share/dbus-1/services/org.a11y.Bus.service"):
    print("test_keyboard: at-spi2-core is not installed; skipped")
    sys.exit(77)

work = tempfile.mkdtemp(prefix="terrava-keyboard.")
children = []


def start(args, **kw):
    p = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw)
    children.append(p)
    return p


def wait_for(what, test, seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        value = test()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError(f"no {what} within {seconds} s")


failures = []


def check(ok, message):
    if not ok:
        failures.append(message)
        print("FAIL:", message)


try:
    # --- an X server, a window manager, a session bus with the accessibility bus on ---
    # The server picks a free display itself and names it once it takes clients, so that a
    # server still going away from an earlier run is never taken for this one; it is not reset
    # when its last client leaves, as the accessibility bus's launcher does before the game.
    ready, told = os.pipe()
    start(["Xvfb", "-displayfd", str(told), "-screen", "0", "800x600x24", "-nolisten", "tcp",
           "-noreset"],
          pass_fds=(told,))
    os.close(told)
    display = ":" + os.read(ready, 16).decode().strip()
    os.environ.update(DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=work,
                      XDG_CONFIG_HOME=os.path.join(work, "config"))
    os.environ.pop("WAYLAND_DISPLAY", None)
    if not bare:
        start(["openbox", "--sm-disable"])
    else:  # keys then reach the window that holds the focus, not the one under the pointer
        subprocess.run(["xdotool", "mousemove", "799", "0"], check=True)
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    children.append(bus)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    subprocess.run(["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path",
                    "/org/a11y/bus", "--method", "org.freedesktop.DBus.Properties.Set",
                    "org.a11y.Status", "IsEnabled", "<true>"], check=True, capture_output=True)
    try:
        import pyatspi
    except ImportError:
        print("test_keyboard: python3-pyatspi is not installed; skipped")
        sys.exit(77)

    # Kim plays three towns at the slowest pace, without sound.
    os.makedirs(os.environ["XDG_CONFIG_HOME"], exist_ok=True)
    with open(os.path.join(os.environ["XDG_CONFIG_HOME"], "terrava.ini"), "w") as f:
        f.write("[Kim]\nTime=5010\nNumquesiti=3\nSound=0\n")
    start(["./terrava"], cwd=game)

    def key(*names):
        for name in names:
            subprocess.run(["xdotool", "key", "--delay", "60", name], check=True)
        time.sleep(0.25)

    def shoot(name):
        if shots:
            subprocess.run(["import", "-window", "root", os.path.join(shots, name + ".png")])

    def tree(node, skip_lists=True):
        yield node
        if skip_lists and node.getRole() == pyatspi.ROLE_LIST:
            return
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield from tree(child, skip_lists)

    def app():
        desktop = pyatspi.Registry.getDesktop(0)
        return next((a for a in desktop if a is not None and a.name.lower() == "terrava"), None)

    def windows():
        a = app()
        return [w for w in a if w.getState().contains(pyatspi.STATE_SHOWING)] if a else []

    def window_named(title):
        return next((w for w in windows() if w.name == title), None)

    def focused():
        for w in windows():
            for node in tree(w):
                if node.getState().contains(pyatspi.STATE_FOCUSED) and node.childCount == 0:
                    return node
        return None

    def describe(node):
        return f"{node.getRoleName()} '{node.name}'" if node else "nothing"

    def box_saying(title, text):
        for box in windows():
            if box.name == title and any(n.getRole() == pyatspi.ROLE_LABEL and n.name == text
                                         for n in tree(box)):
                return box
        return None

    def answer_box(title, text, minimise=False):
        wait_for(f'"{text}" box', lambda: box_saying(title, text))
        if minimise:  # some window managers offer it all the same
            x_id = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                                  capture_output=True, text=True).stdout.split()[-1]
            subprocess.run(["xdotool", "windowminimize", x_id], check=True)
            time.sleep(0.5)  # minimised by now, and back if it comes back
            wait_for("return of the minimised box", lambda: "Normal" in subprocess.run(
                ["xprop", "-id", x_id, "WM_STATE"], capture_output=True, text=True).stdout, 5)
        key("Return")
        wait_for(f'the "{text}" box to close on Enter', lambda: not box_saying(title, text), 5)

    # The sound probe's error box where no sound server runs: Enter closes it.
    def dialog_or_error():
        if window_named("Terrava"):
            key("Return")
        return window_named("Terrava by Velimor")

    wait_for("name dialog", dialog_or_error, 20)
    key("K", "i", "m", "Return")
    main = wait_for("main window", lambda: next(
        (w for w in windows() if any(n.name == "Pages" for n in w)), None))
    check(main.getRole() == pyatspi.ROLE_FRAME, f"the main window is a {main.getRoleName()}")

    # Every control has a name; the spin box tells its value and range.
    controls = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
                pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_LIST,
                pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_IMAGE,
                pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_LIST_ITEM}
    seen = [n for n in tree(main) if n.getRole() in controls]
    check(len(seen) >= 14, f"only {len(seen)} controls: {[describe(n) for n in seen]}")
    for node in seen:
        check(node.name.strip(), f"a {node.getRoleName()} has no name")
    spin = next(n for n in seen if n.getRole() == pyatspi.ROLE_SPIN_BUTTON)
    value = spin.queryValue()
    check((value.currentValue, value.minimumValue, value.maximumValue) == (3, 1, 30),
          f"the spin box says {value.currentValue} in {value.minimumValue}..{value.maximumValue}")

    # The Questions tab with Ctrl+Tab, then Tab to Start, and Space presses it.
    def selected_tab():  # the tab bar is named by its current tab
        return next((n.name for n in tree(main) if n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST),
                    None)

    for _ in range(3):
        if selected_tab() == "Questions":
            break
        key("ctrl+Tab")
    check(selected_tab() == "Questions", f"Ctrl+Tab gave the {selected_tab()} tab")
    key("ctrl+Prior")
    check(selected_tab() == "Regions", f"Ctrl+PgUp gave the {selected_tab()} tab")
    key("ctrl+Next")
    check(selected_tab() == "Questions", f"Ctrl+PgDn gave the {selected_tab()} tab")
    for _ in range(20):
        if focused() and focused().name == "Start":
            break
        key("Tab")
    check(focused() and focused().name == "Start", f"Tab reached {describe(focused())}")
    stale = [n.name for n in tree(main) if n.getRole() == pyatspi.ROLE_PAGE_TAB and
             n.getState().contains(pyatspi.STATE_FOCUSED)]
    check(not stale, f"the tabs {stale} are still focused")
    key("space")

    town_label = re.compile(r"Town to find: (.+)")
    place = re.compile(r"place (\d+) of (\d+)")
    towns, places = {}, {}
    with open(os.path.join(source, "content", "town-hotspots.txt")) as f:
        for line in f:
            picture, rest = line.split("/", 1)
            towns.setdefault(rest.split("=", 1)[0], picture[:-len(".bmp")])
            places[picture[:-len(".bmp")]] = places.get(picture[:-len(".bmp")], 0) + 1
    with open(os.path.join(source, "content", "towns.csv"), encoding="utf-8") as f:
        spelt = {row["name"]: row["spelling"] for row in csv.DictReader(f)}  # "Forli": "Forlì"
    plain = {shown: name for name, shown in spelt.items()}

    def town_to_find():
        for node in tree(main):
            m = town_label.fullmatch(node.name or "")
            if m:
                return plain.get(m.group(1), m.group(1))
        return None

    def selection(expected_count):
        node = focused()
        m = place.fullmatch(node.name) if node else None
        check(m and int(m.group(2)) == expected_count,
              f"the focus is on {describe(node)}, not on a place of {expected_count}")
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) if node else None
        check(extents and extents.width > 0 and extents.height > 0, f"{describe(node)} has no extents")
        return node.name if node else None, extents and (extents.x, extents.y)

    def walk(definitions, picture, target, count, shot=None):
        key("Home")
        start_at = selection(count)
        named = focused().parent.name if focused() else None  # read on coming to the map
        check(named and named.endswith(f", find {spelt[town]}"), f"the map is named {named!r}")
        presses = subprocess.run([probe, "keys", definitions, picture, target], check=True,
                                 capture_output=True, text=True).stdout.split()
        key(*presses)
        if presses:
            moved = selection(count)
            check(moved != start_at, f"{presses} left the selection where it was")
        if shot:
            shoot(shot)
        key("Return")

    for question in range(3):
        town = wait_for("town to find", town_to_find)
        region = towns[town]
        print(f"test_keyboard: question {question + 1}: {town} in {region}")
        walk(os.path.join(source, "content", "nation-hotspots.txt"),
             os.path.join(source, "content", "Italia.bmp"), region, 5,
             "nation" if question == 0 else None)
        walk(os.path.join(source, "content", "town-hotspots.txt"),
             os.path.join(game, "images", region + ".bmp"), town, places[region],
             "region" if question == 0 else None)
        answer_box("Information", "Good! ", minimise=question == 0 and not bare)
        if question < 2:  # the last answer brings the final message at once
            wait_for("active main window",
                     lambda: main.getState().contains(pyatspi.STATE_ACTIVE), 5)
    answer_box("Information", "Very good! You have found them all!")
    # Outside a session the places are named by their towns.
    node = focused()
    check(node and node.name in ("Padania", "Etruria", "Ausonia", "Sicilia", "Sardegna"),
          f"after the session the focus is on {describe(node)}")
    shoot("after")
except AssertionError as e:
    failures.append(str(e))
    print("FAIL:", e)
finally:
    for p in reversed(children):
        p.terminate()
        try:
            p.wait(5)
        except subprocess.TimeoutExpired:
            p.kill()
    shutil.rmtree(work, ignore_errors=True)

print("test_keyboard:", f"{len(failures)} failures" if failures else "all passed")
sys.exit(1 if failures else 0)
