# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

"""Drives the running program the way a screen reader does, over AT-SPI.

Usage: atspi_check.py PHRASE_SET_DIR. Exits 0 when the window is a frame named by its title, a
toggled department is the one Generate uses, and the spinner reports the size after a step.
"""
import sys
import time

import pyatspi


def find(node, wanted, depth=0):
    if node is None or depth > 10:
        return None
    if wanted(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), wanted, depth + 1)
        if found is not None:
            return found
    return None


def until(get, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = get()
        if value:
            return value
        time.sleep(0.1)
    return None


def do(node, action):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    assert action in names, f"{node.name}: {action} not among {names}"
    actions.doAction(names.index(action))


def opening_phrases(phrases, letter):
    with open(f"{phrases}/{letter}1.dat", "rb") as f:
        data = f.read()
    return {data[i:i + 40].rstrip(b" ").decode("cp1252") for i in range(0, len(data), 40)}


def role(wanted):
    # Roles by number: their names are AT-SPI's to change, and AT-SPI 2.56 (Debian 13) calls a
    # push button "button".
    return lambda n: n.getRole() == wanted


def main():
    # The desktop is asked afresh each time: it does not list applications that joined later.
    app = until(lambda: find(pyatspi.Registry.getDesktop(0), lambda n: n.name == "Zeziru Ridaz" and
                             n.getRole() == pyatspi.ROLE_APPLICATION, 9))
    assert app is not None, "the program never showed up on the accessibility bus"
    frame = app.getChildAtIndex(0)
    assert frame.getRole() == pyatspi.ROLE_FRAME and frame.name == "Zeziru Ridaz", \
        (frame.getRoleName(), frame.name)

    radio, button = role(pyatspi.ROLE_RADIO_BUTTON), role(pyatspi.ROLE_PUSH_BUTTON)
    do(find(app, lambda n: radio(n) and n.name == "Personnel"), "Toggle")
    do(find(app, lambda n: button(n) and n.name == "Raveri Zezedovaz"), "Press")
    text = find(app, lambda n: n.name == "Generated text").queryText()
    generated = until(lambda: text.getText(0, -1))
    assert generated, "Generate left the text box empty"
    line = generated.splitlines()[0]
    # A closing quote of the opening phrase may have merged with the middle phrase's.
    openings = [p + ", " for p in opening_phrases(sys.argv[1], "P")]
    openings += [p[:-2] + ", " for p in openings if p.endswith('", ')]
    assert any(line.startswith(p) for p in openings), f"not a Personnel line: {line!r}"

    spinner = find(app, role(pyatspi.ROLE_SPIN_BUTTON))
    value = spinner.queryValue()
    before = value.currentValue
    do(spinner, "Increase")
    assert until(lambda: value.currentValue > before), (before, value.currentValue)
    return 0


if __name__ == "__main__":
    sys.exit(main())
