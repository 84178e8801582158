#!/usr/bin/python3
"""What a screen reader hears of Woordorakelaar, end to end.

Starts the built program on a private desktop (Xvfb, D-Bus, the AT-SPI
accessibility bus, openbox), drives it with real keys and reads every window
over AT-SPI, as Orca does: the term and its description, the term list and
its items, the Dutch names of the controls, and no design name anywhere.
Exits 0 only if every check holds; the last line reads 'N passed, N failed'.

    /usr/bin/python3 tests/e2e/screenreader_check.py [--program build/bin/woordorakelaar] [-v]

Needs xvfb, at-spi2-core, gir1.2-atspi-2.0, python3-gi, xdotool, openbox,
x11-utils and x11-xserver-utils (Debian 12): scripts/install-e2e-deps.sh.
"""

import argparse
import os
import re
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import guiprobe as gp  # noqa: E402

gp.ensure_system_python()

# Names the program's code gives its windows and controls, never meant to be heard.
DESIGN_NAME = re.compile(
    r"\b(?:(?:Lbl|Knp|List|Lst|HScroll|Img|Shp|mnu)_\w*|(?:txt|cmd|Frm)[A-Z]\w*"
    r"|(?:Label|Line|Frame|Shape)\d+)\b")
TERM_DESCRIPTION = re.compile(r"^Een (.*) waarvan u de verklaring hieronder kan lezen$")


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, name, ok, detail=""):
        if ok:
            self.passed += 1
            print(f"PASS {name}", flush=True)
        else:
            self.failed += 1
            print(f"FAIL {name}: {detail}", flush=True)

    def equal(self, name, actual, expected):
        self.check(name, actual == expected, f"heard {actual!r}, expected {expected!r}")

    def group(self, name, body):
        """One group of related checks; a probe error fails the group."""
        print(f"-- {name}", flush=True)
        try:
            body()
        except Exception as exc:  # report it and go on with the next group
            self.failed += 1
            print(f"FAIL {name}: {type(exc).__name__}: {exc}", flush=True)


def design_names(root):
    """Every name or description under `root` (list rows aside) shaped like a design name."""
    found = []
    for node in gp.walk(root, into_lists=False):
        for text in (gp.name_of(node), node.get_description() or ""):
            if DESIGN_NAME.search(text):
                found.append(f"{gp.role_of(node)} {text!r}")
    return found


def value_of(acc):
    acc.clear_cache()
    return int(acc.get_current_value()), int(acc.get_minimum_value()), int(acc.get_maximum_value())


def run(program, verbose):
    c = Checks()
    home = tempfile.mkdtemp(prefix="woord-e2e-")
    with gp.Session(hard_timeout=120, verbose=verbose) as s:
        app = s.launch([program], home=home)
        main = app.wait_window(re.compile(r"^Woordorakelaar v\d"), role="frame")
        title = gp.name_of(main)
        state = {}

        def keys_to_main(*keys):
            # Once a dialog has closed, the main window takes the keys (and
            # its shortcuts) only after the program has seen it activated.
            # Now and then (about once in 60 closings, seen with message
            # boxes) the X focus is back on the window but the toolkit never
            # activates it; a click on the counter, which does nothing, does.
            s.focus(app.xid_of(main))
            try:
                app.wait_state(main, "active", timeout=3)
            except gp.ProbeTimeout:
                app.click(app.find(role="label", name=re.compile(r"^\d+ van \d+$"), within=main))
                app.wait_state(main, "active", timeout=10)
            s.key(*keys)

        def menu_item(menu_key, item_key):
            keys_to_main(menu_key)
            app.find(role="popup menu", within=main)  # open and shown
            s.key(item_key)

        def read_main():
            term_label = app.find(role="label", description=TERM_DESCRIPTION, within=main)
            term = app.read_text(term_label)
            state.update(term_label=term_label, term=term,
                         list=app.find(role="list", within=main),
                         scroll=app.find(role="scroll bar", within=main))
            return term

        def main_window():
            term = read_main()
            c.check("the term label is named by the term", term != "", "empty")
            c.equal("the term label's description names the term",
                    state["term_label"].get_description(),
                    f"Een {term} waarvan u de verklaring hieronder kan lezen")
            described = app.find_all(role="label", description=f"De verklaring van het {term}", within=main)
            c.check("the description label is read with its description",
                    len(described) == 1 and app.read_text(described[0]) != "",
                    f"{len(described)} labels")
            rows = state["list"]
            c.equal("the term list's name", gp.name_of(rows), "Begrippen")
            c.equal("the term list's description", rows.get_description(),
                    "Volledig alfabetisch overzicht van alle begrippen")
            count = app.list_count(rows)
            c.check("the term list has one item per term", count > 100, f"{count} items")
            c.equal("the current term is the selected item", app.selected_items(rows), [term])
            value, low, high = value_of(state["scroll"])
            c.equal("the scroll bar's name", gp.name_of(state["scroll"]), "Positie in de begrippenlijst")
            c.equal("the scroll bar's range", (low, high), (1, count))
            c.equal("the item at the scroll bar's value is the term", app.list_items(rows, value - 1, 1), [term])
            for name, description in (("Eerste begrip", "Naar het eerste begrip in de begrippenlijst gaan."),
                                      ("Laatste begrip", "Naar het laatste begrip in de begrippenlijst gaan")):
                button = app.find(role="push button", name=name, within=main)
                c.equal(f"the button '{name}' is described", button.get_description(), description)
            heard = [n for n in gp.walk(main, into_lists=False) if gp.name_of(n) == term]
            c.equal("the term is heard once outside the list", len(heard), 1)
            c.equal("design names in the main window", design_names(main), [])

        def moving():
            term = read_main()
            rows = state["list"]
            value, _, _ = value_of(state["scroll"])
            if value == app.list_count(rows):  # the last term: step back instead
                keys_to_main("F5")
                value -= 1
            else:
                keys_to_main("F6")
                value += 1
            expected = app.list_items(rows, value - 1, 1)[0]
            app.wait_text(state["term_label"], expected)
            c.check("F6 or F5 changes the term heard", expected != term, expected)
            c.equal("the description follows the term", state["term_label"].get_description(),
                    f"Een {expected} waarvan u de verklaring hieronder kan lezen")
            c.equal("the selection follows the term", app.selected_items(rows), [expected])
            c.equal("the scroll bar's value follows the term", value_of(state["scroll"])[0], value)
            # The list has the focus: a screen reader hears the item that became current.
            keys_to_main("Home")
            first = app.list_items(rows, 0, 1)[0]
            app.wait_text(state["term_label"], first)
            item = rows.get_accessible_at(0, 0)
            app.wait_state(item, "focused")
            c.check("Home in the list focuses its first item", gp.has_state(item, "selected"), "not selected")

        def search_dialog():
            keys_to_main("ctrl+f")
            dialog = app.wait_window("Zoeken - Typ tekst en druk op Enter")
            box = app.find(role="text", within=dialog)
            c.equal("the search box is named by its label", gp.name_of(box),
                    "Typ in het tekstvak naar wat u wilt zoeken:")
            buttons = sorted(gp.name_of(b) for b in app.find_all(role="push button", within=dialog))
            c.equal("the search buttons", buttons, ["Annuleren", "Zoek eerste", "Zoek volgende"])
            c.equal("design names in the search dialog", design_names(dialog), [])
            app.press(app.find(role="push button", name="Annuleren", within=dialog))
            app.wait_window_gone(dialog)

        def about_window():
            keys_to_main("ctrl+i")
            about = app.wait_window(title, role="dialog")
            labels = [app.read_text(n) for n in app.find_all(role="label", within=about)]
            c.check("the About window reads its links", "Website" in labels and "E-mail" in labels, labels)
            c.check("the About window's shapes are not heard",
                    all(gp.role_of(n) != "filler" for n in gp.children(about)),
                    [gp.role_of(n) for n in gp.children(about)])
            c.equal("design names in the About window", design_names(about), [])
            app.press(app.find(role="push button", name="O.K.", within=about))
            app.wait_window_gone(about)

        def country_codes():
            menu_item("alt+e", "l")
            codes = app.wait_window("Landencodes")
            rows = app.find(role="list", within=codes)
            c.equal("the country codes list's name", gp.name_of(rows), "Landencodes")
            c.equal("the country codes list's items", app.list_count(rows), 252)
            c.equal("the first country code", app.list_items(rows, 0, 1), ["AD   Andorra"])
            c.equal("design names in the country codes window", design_names(codes), [])
            app.press(app.find(role="push button", name="Sluiten", within=codes))
            app.wait_window_gone(codes)

        def shortcut_keys():
            menu_item("alt+h", "s")
            keys = app.wait_window("Sneltoetsen")
            c.equal("design names in the shortcut keys window", design_names(keys), [])
            app.press(app.find(role="push button", name="Sluiten", within=keys))
            app.wait_window_gone(keys)

        def message_box():
            keys_to_main("ctrl+d")
            box = app.wait_message_box("Woordorakelaar")
            c.check("the message box reads its text", box.text.startswith("Begrippenlijst laatst bijgewerkt op"),
                    box.text)
            c.equal("design names in the message box", design_names(box.acc), [])
            box.press("OK")

        c.group("main window", main_window)
        c.group("moving through the terms", moving)
        c.group("search dialog", search_dialog)
        c.group("About window", about_window)
        c.group("country codes window", country_codes)
        c.group("shortcut keys window", shortcut_keys)
        c.group("message box", message_box)

        def closing():
            keys_to_main("alt+F4")
            c.equal("Alt+F4 ends the program through its own shut-down", app.wait_exit(10), 0)

        c.group("closing", closing)
    print(f"{c.passed} passed, {c.failed} failed", flush=True)
    return 0 if c.failed == 0 and c.passed > 0 else 1


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=os.path.join(HERE, "..", "..", "build", "bin", "woordorakelaar"))
    parser.add_argument("-v", "--verbose", action="store_true")
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    if not os.access(program, os.X_OK):
        print(f"no program at {program}: build it first", file=sys.stderr)
        return 2
    return run(program, args.verbose)


if __name__ == "__main__":
    sys.exit(main())
