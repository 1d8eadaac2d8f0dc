"""The scenarios: each a small function that does what a user does and checks what a
user sees, through the accessibility tree, with real keys and clicks."""

import os
import re
import subprocess
import time

import support as s
from support import StepFailed, expect

MAIN = "Brenmoor Corvane 38"
ORDER = "Corvane Order Form"
ADD = "Add to Order"
BUILDER = "Corvane Quick Builder"


class World:
    """What the scenarios share: the session, the program folder and the running program."""

    def __init__(self, session, program_dir, cli, work):
        self.session, self.program_dir, self.cli, self.work = session, program_dir, cli, work
        self.step, self.step_began, self.app = "", time.monotonic(), None

    def at(self, step):
        # CORVANE_E2E_STEPS=1 prints how long each step took.
        now = time.monotonic()
        if os.environ.get("CORVANE_E2E_STEPS") and self.step:
            print("    %5.2f s  %s" % (now - self.step_began, self.step), flush=True)
        self.step, self.step_began = step, now

    def dump_tree(self, name):
        path = os.path.join(self.session.shots_dir, name + ".tree.txt")
        with open(path, "w") as out:
            out.write("\n".join(s.dump(self.app) if self.app else ["<no program>"]) + "\n")
        return path

    def recover(self):
        self.session.kill_program()
        self.app = None

    def running(self):
        if self.app is None or self.session.program is None or \
                self.session.program.poll() is not None:
            self.at("start the program")
            self.app = self.session.launch()
            s.window(self.app, MAIN, timeout=15)
            # The update reminder may come up over the main window at start.
            if s.window_if(self.app, "Quick Update", 0.5):
                s.key("Escape")
                s.window_gone(self.app, "Quick Update")
        return self.app

    def main(self):
        return s.window(self.running(), MAIN)

    def cli_run(self, *args):
        out = subprocess.run([self.cli, "--app-dir", self.program_dir, *args],
                             capture_output=True, text=True)
        expect(out.returncode == 0, "corvane38-cli %s: %s" % (" ".join(args), out.stderr))
        return out.stdout

    def cli_fields(self, *args):
        """The tab-separated fields of the CLI's one-line answer."""
        return self.cli_run(*args).rstrip("\n").split("\t")

    def cli_part(self, *args):
        found = [line.split("\t", 1)[1] for line in self.cli_run(*args).splitlines()
                 if line.startswith("part-number\t")]
        expect(found, "corvane38-cli %s printed no part number" % args[0])
        return found[0]

    def file(self, *names):
        return os.path.join(self.program_dir, *names)



def press(acc):
    # A click at its own extents: a modal dialog it opens would block an AT-SPI press.
    expect(s.has_state(acc, "enabled"), "button %r is disabled" % s.name(acc))
    s.click(acc)


def button(win, caption, timeout=5):
    return s.find(win, "push button", caption, timeout)


def press_and_close(world, win, caption):
    """Presses a button that closes its window, and waits until it has gone."""
    title = s.name(win)
    press(button(win, caption))
    s.window_gone(world.app, title)


def combo(win, acc_name, timeout=5):
    return s.find(win, "combo box", acc_name, timeout)


def combo_items(box):
    """The rows of a drop-down list as the accessibility tree reads them."""
    return [s.name(item) for list_ in s.children(box) for item in s.children(list_)]


def value(box):
    """The text a closed drop-down list shows, as a screen reader reads it."""
    try:
        return s.text_of(box)
    except Exception:  # noqa: BLE001
        return ""


def shows(acc, starts):
    s.wait_until(lambda: value(acc).startswith(starts), 3,
                 "%r shows %r (it shows %r)" % (s.name(acc), starts, value(acc)))


def choose(win, list_name, starts, box=None, by_keys=False):
    """Opens a list by a click (or Alt+Down), picks the row `starts` by arrows and Enter."""
    box = box or combo(win, list_name)
    items = combo_items(box)
    wanted = [i for i, text in enumerate(items) if text == starts or
              text.startswith(starts + " ")]
    expect(wanted, "list %r offers no %r: %r" % (list_name, starts, items))
    if not by_keys:
        s.click(box)
    if by_keys or s.has_state(box, "editable"):
        # A click into a list one may type in puts the cursor there; Alt+Down opens it.
        s.key("alt+Down")
    s.wait_until(lambda: s.has_state(box, "expanded"), 3, "the list %r opens" % list_name)
    s.key("Home", *(["Down"] * wanted[0]), "Return")
    shows(box, starts)


def menu(world, top, item, opens=None):
    """Picks a menu item of the main window by clicks; returns the window it `opens`."""
    s.click(s.find(s.find(world.main(), "menu bar", None), "menu item", top))
    s.click(s.find(world.app, "menu item", item))
    return s.window(world.app, opens) if opens else None


def said(box):
    return " ".join(t for t in (s.name(label) for label in s.find_all(box, "label")) if t)


def answer(world, title, caption, expect_text):
    """Answers with one of its buttons a message box that says `expect_text`."""
    box = s.window(world.app, title)
    expect(expect_text in said(box), "message %r reads %r" % (title, said(box)))
    press_and_close(world, box, caption)


def reset_wizard(world):
    win = world.main()
    # Options > Reset Settings by its access keys.
    s.key("alt+o")
    s.find(world.app, "menu item", "Reset Settings")
    s.key("s")
    s.find(win, "label", "Wizard - Screen 1 of 2")
    return win


def wizard_at(world, letter, size):
    """A reset wizard with a family and a waveguide chosen."""
    win = reset_wizard(world)
    world.at("%s: choose the family and waveguide %s" % (letter, size))
    choose(win, "Select Product Type", letter)
    choose(win, "Select Waveguide", size)
    return win


def next_screen(world):
    win = world.main()
    press(button(win, "Next >>"))
    s.find(win, "label", "Wizard - Screen 2 of 2")
    return win


def next_and_create(world, expected=None):
    win = next_screen(world)
    press(button(win, "Create"))
    if expected is not None:
        s.wait_text(part_box(win), expected)
    return win


def part_box(win):
    return s.find(win, "text", "Part Number")


def tab_to(world, acc_name, tabs=6):
    for tab in range(tabs + 1):
        node = s.focused(world.app)
        if node and s.called(node, acc_name):
            return
        if tab < tabs:
            s.key("Tab")
    raise StepFailed("Tab never reached %r" % acc_name)



# One part of each family, screen 1 as a user fills it: (family letter, waveguide code,
# choices in the order made, answer to a confirmation). A choice is (list, code) where
# None is the first code offered; a length list's choice is a typed text.
AB = [("Flange A", None), ("Flange B", None)]
FAMILIES = {row[0]: row for row in [
    ("C", "090", [("Flange", None), ("Coax Type", None)], None),
    ("D", "090", AB, None),
    ("E", "187", AB, None),
    ("F", "090", AB, None),
    ("H", "187", AB, None),
    ("M", "187", [("Flange A", "C"), ("Leg A Length", "8.0"), ("Leg B Length", "6.0"),
                  ("Flange B", "A")], "Swap"),
    ("N", "187", AB, None),
    ("P", "090", [("For Fitment to Flange", None)], None),
    ("R", "187", [("Flange A", "B"), ("Length", "12.5"), ("Flange B", "A")], None),
    ("S", "187", AB, None),
    ("T", "090", [("Flange A", "A"), ("Flange B", "C")], "Continue"),
]}

CLI_KEYS = {"Flange A": "flangeA", "Flange B": "flangeB", "Flange": "flangeA",
            "Coax Type": "coax", "For Fitment to Flange": "flangeA", "Length": "length",
            "Leg A Length": "legA", "Leg B Length": "legB"}


def configure(world, letter):
    """Fills screen 1, Next, Create: the part number shown is the CLI's for the same choices."""
    _, size, steps, confirm = FAMILIES[letter]
    win = wizard_at(world, letter, size)
    # The scenarios configure in inches; the CLI is told so whatever Corvane.ini says.
    cli = ["units=P", "family=%d" % "CDEFHMNPRST".index(letter), "waveguide=" + size]
    for list_name, code in steps:
        world.at("%s: %s %s" % (letter, list_name, code or "(first offered)"))
        box = combo(win, list_name)
        if list_name.endswith("Length"):  # typed, not chosen
            s.retype(code, box)
            s.key("Tab")
            s.wait_until(lambda: value(box) == code, 3,
                         "the length box keeps %r (it shows %r)" % (code, value(box)))
        else:
            code = code or (combo_items(box) or ["(an empty list)"])[0].split(" ")[0]
            choose(win, list_name, code)
        cli.append("%s=%s" % (CLI_KEYS[list_name], code))
    world.at("%s: Next, Create" % letter)
    next_and_create(world)
    if confirm:
        world.at("%s: answer %s to the confirmation" % (letter, confirm))
        press_and_close(world, s.window(world.app, "Confirm Configuration"), confirm)
    expected = world.cli_part("configure", "--answer", "swap" if confirm == "Swap" else
                              "continue", *cli)
    world.at("%s: the part number %s shows" % (letter, expected))
    s.wait_text(part_box(win), expected)
    return expected


def configure_each_family(world):
    for letter in FAMILIES:
        configure(world, letter)
        # A part number enables the order and spec buttons; pressure windows and
        # step-twists have no spec sheet.
        world.at("%s: Add to Order and View Specs are enabled" % letter)
        win = world.main()
        for caption, enabled in (("Add to Order / Check Pricing", True),
                                 ("View Specs", letter not in "PS")):
            expect(s.has_state(button(win, caption), "enabled") == enabled,
                   "%r is %s after Create" % (caption, "disabled" if enabled else "enabled"))



def cell(table, row, col):
    acc = table.queryTable().getAccessibleAt(row, col)
    return s.name(acc).strip() if acc else ""


def order_rows(win):
    """The order grid's lines as read aloud: (qty, price, delivery, part, description)."""
    table = s.find(win, "table", "Order")
    rows = [tuple(cell(table, r, c) for c in range(1, 6))
            for r in range(1, table.queryTable().nRows)]
    return [row for row in rows if any(row)]


def select_line(order, row):
    s.click(s.find(order, "table", "Order").queryTable().getAccessibleAt(row, 4))


def view_order(world):
    return menu(world, "Options", "View Order", ORDER)


def count_label(order):
    return next((s.name(l) for l in s.find_all(order, "label")
                 if s.name(l).startswith("Orders - ")), "")


def counts(order, text, lines=None):
    if lines is not None:
        s.wait_until(lambda: len(order_rows(order)) == lines, 3, "%d lines show" % lines)
    s.wait_until(lambda: count_label(order) == text, 3, "the label reads %r" % text)


def add_to_order(world, quantity_keys, expect_button, expected_quantity):
    """Add to Order, a quantity (typed, or by `quantity_keys`), the price the CLI's, add."""
    press(button(world.main(), "Add to Order / Check Pricing"))
    dialog = s.window(world.app, ADD)
    part = s.text_of(part_box(dialog))
    spin = s.wait_focus(world.app, "spin button", "Quantity")
    s.retype(quantity_keys) if isinstance(quantity_keys, str) else quantity_keys(spin)
    s.wait_until(lambda: s.text_of(spin) == str(expected_quantity), 3,
                 "the quantity reads %s (it reads %r)" % (expected_quantity, s.text_of(spin)))
    price, delivery = world.cli_fields("price", part, str(expected_quantity))
    s.wait_text(s.find(dialog, "text", "Price"), price)
    s.wait_text(s.find(dialog, "text", "Delivery Time"), delivery)
    press_and_close(world, dialog, expect_button)
    return part


def clear_order(world):
    """Starts from an empty order: Clear Order in the order window, Yes."""
    order = view_order(world)
    if order_rows(order):
        press(button(order, "Clear Order"))
        answer(world, "Confirm", "Yes", "Doing this will clear you entire order. Continue?")
        counts(order, "Orders - 0 of 0")
    press_and_close(world, order, "Close")


def build_order(world):
    """Two lines through the wizard, and a file of them for the CLI; the order window open."""
    world.order_file = os.path.join(world.work, "order.lines")
    clear_order(world)
    for letter, quantity in (("R", 3), ("C", 1)):
        configure(world, letter)
        add_to_order(world, str(quantity), "Add", quantity)
    # The lines as the order window shows them are what the files must hold.
    order = view_order(world)
    with open(world.order_file, "wb") as out:
        out.write("".join("|".join(row) + "\r\n" for row in order_rows(order)).encode("cp1252"))
    return order


def order_workflow(world):
    world.at("an empty order, a straight section")
    clear_order(world)
    first = configure(world, "R")
    world.at("Add to Order: quantity typed, then one arrow up")
    add_to_order(world, lambda spin: (s.retype("3"), s.key("Up")), "Add", 4)
    world.at("the same part again: the stored quantity, Continue, replaced")

    def check_stored(spin):
        expect(s.text_of(spin) == "4", "the dialog shows %r, not the stored 4" % s.text_of(spin))
        world.at("quantity 0: what the box shows is what is priced and stored")
        dialog = s.window(world.app, ADD)
        part = s.text_of(part_box(dialog))
        s.retype("0")
        time.sleep(0.3)
        shown = s.text_of(spin)
        if shown in ("", "0"):
            expect(not s.has_state(button(dialog, "Continue"), "enabled"),
                   "the box shows %r and Continue would store a quantity" % shown)
        else:
            expect(s.text_of(s.find(dialog, "text", "Price")) ==
                   world.cli_fields("price", part, shown)[0],
                   "the box shows %r but the price is of another quantity" % shown)
        world.at("the same part again: the stored quantity, Continue, replaced")
        s.retype("2")

    add_to_order(world, check_stored, "Continue", 2)
    world.at("a second part")
    second = configure(world, "E")
    add_to_order(world, lambda spin: None, "Add", 1)
    world.at("View Order: two lines, the first replaced, not summed")
    order = view_order(world)
    rows = order_rows(order)
    expect([(r[0], r[3]) for r in rows] == [("2", first), ("1", second)],
           "the order reads %r" % rows)
    world.at("Change Quantity of the first line")
    select_line(order, 1)
    press(button(order, "Change Quantity"))
    dialog = s.window(world.app, ADD)
    s.wait_focus(world.app, "spin button", "Quantity")
    s.retype("7")
    press_and_close(world, dialog, "Continue")
    s.wait_until(lambda: order_rows(order)[0][0] == "7", 3, "the first line's quantity is 7")
    world.at("Delete the second line with the Delete key, answer No, then Yes")
    select_line(order, 2)
    counts(order, "Orders - 2 of 2")
    for caption in ("No", "Yes"):
        s.key("Delete")
        answer(world, "Confirm", caption, 'Delete "%s" from your order?' % second)
    counts(order, "Orders - 1 of 1", 1)
    world.at("Edit Part Number sets the wizard up from the line")
    select_line(order, 1)
    press_and_close(world, order, "Edit Part Number")
    shows(combo(world.main(), "Select Product Type"), "R ")


def save_as_and_print(world):
    world.at("an order of two lines")
    order = build_order(world)
    for entry, ext, fmt in (("Excel Sheet", ".xls", "sheet"), ("Text File", ".txt", "text"),
                            ("XML File", ".xml", "xml")):
        world.at("Save As %s" % entry)
        target = os.path.join(world.work, "order" + ext)
        expected = os.path.join(world.work, "expected" + ext)
        world.cli_run("export", fmt, world.order_file, expected)
        press(button(order, "Save As..."))
        dialog = s.window(world.app, "Save As")
        # Qt's dialog gives its type list no caption; it is the list that offers the types.
        types = [box for box in s.find_all(dialog, "combo box")
                 if any(item.startswith(entry + " ") for item in combo_items(box))]
        expect(types, "the dialog offers no type %r" % entry)
        choose(dialog, "Files of type:", entry, box=types[0])
        s.retype(target, s.find(dialog, "text", "File name:"))
        s.key("Return")
        s.window_gone(world.app, "Save As")
        s.wait_until(lambda: os.path.exists(target), 2, "%s is written" % target)
        expect(s.read(target, True) == s.read(expected, True),
               "%s differs from corvane38-cli export %s" % (target, fmt))
    world.at("Print through the print dialog to a PDF file")
    target = os.path.join(world.work, "printed.pdf")
    press(button(order, "Print"))
    dialog = s.window(world.app, ("Print", "Print Document"))
    s.click(s.find_all(dialog, "combo box")[0])
    time.sleep(0.2)
    # The file printer is the last entry of Qt's printer list.
    s.key("End", "Return")
    s.find(dialog, "text", None)
    s.retype(target, [t for t in s.find_all(dialog, "text") if s.has_state(t, "editable")][0])
    press(button(dialog, "Print"))
    world.at("the PDF holds the order")
    parts = [line.split("|")[3] for line in s.read(world.order_file).splitlines()]

    def printed():  # read until the writer has finished the file
        out = subprocess.run(["pdftotext", "-layout", target, "-"], capture_output=True,
                             text=True).stdout
        return all(text in out for text in parts + ["Page 1 of 1"])

    s.wait_until(printed, 10, "the PDF file holds %s" % ", ".join(parts))
    world.at("Delete the last line with the button")
    select_line(order, 2)
    press(button(order, "Delete Line Item"))
    answer(world, "Confirm", "Yes", "from your order?")
    counts(order, "Orders - 1 of 1", 1)
    press_and_close(world, order, "Close")



def specs_and_zoom(world):
    part = configure(world, "R")
    world.at("View Specs")
    press(button(world.main(), "View Specs"))
    preview = s.window(world.app, "Preview Part Number: ", prefix=True)
    expect(s.name(preview).endswith(part), "the preview is titled %r" % s.name(preview))
    world.at("zoom to 40 %, then to fit 85 %")
    choose(preview, "Preview Size", "40 %")
    press(button(preview, "85 %"))
    shows(combo(preview, "Preview Size"), "85 %")
    press_and_close(world, preview, "Close")


def typed_length_checked_on_leaving(world):
    """Keystrokes into a length box are never lost; the check runs on leaving it."""
    win = wizard_at(world, "R", "187")
    box = combo(win, "Length")
    world.at("type 1e400 into the length box")
    s.retype("1e400", box)
    expect(not s.window_if(world.app, "Information", 0.3), "a message came up while typing")
    expect(value(box) == "1e400", "the box holds %r" % value(box))
    world.at("leaving the box: the length check")
    s.key("Tab")
    box_up = s.window(world.app, ("Information", "Error"))
    expect('"1e400" is not a valid Length value.' in said(box_up),
           "leaving the box says %r" % said(box_up))
    press_and_close(world, box_up, "OK")


def update_options_by_arrows(world):
    world.at("Options of Options > Update Corvane (LiveUpdate)")
    update = menu(world, "Options", "Update Corvane (LiveUpdate)", "Quick Update")
    press(button(update, "Options"))
    options = s.window(world.app, "Update Options")
    spin = s.find(options, "spin button", "Set days between each update")
    world.at("type 45, two clicks on the up arrow")
    s.retype("45", spin)
    x, y, w, h = s.extents(spin)
    for _ in range(2):
        s.click(spin, at=(x + w - 6, y + h // 4))
    s.wait_until(lambda: s.text_of(spin) == "47", 3,
                 "the box shows 47 (it shows %r)" % s.text_of(spin))
    world.at("OK, Cancel the update window: update.ini keeps what the box showed")
    press_and_close(world, options, "OK")
    press_and_close(world, update, "Cancel")
    expect("days=47" in s.read(world.file("update.ini")), "update.ini does not say days=47")


def quick_builder_and_convert(world):
    world.at("Options > Create From Part Number")
    builder = menu(world, "Options", "Create From Part Number", BUILDER)
    s.find(builder, "combo box", "Enter Part Number")
    s.retype("h187pa080a080sg")
    press_and_close(world, builder, "Create")
    world.at("Next and Create compose the typed part")
    world.remembered = world.cli_part("setup", "H187PA080A080SG")
    next_and_create(world, world.remembered)
    world.at("Options > Convert From Old Part Number")
    convert = menu(world, "Options", "Convert From Old Part Number", "Convert Old Part Number")
    s.find(convert, "combo box", "Old Part Number")
    s.type_text("WS-90-120")
    press(button(convert, "Convert"))
    new, _ = world.cli_fields("convert", "WS-90-120")
    s.wait_text(s.find(convert, "text", "New Part Number"), new)
    world.at("Continue sets the wizard up from the new number")
    press_and_close(world, convert, "Continue")
    next_and_create(world, new)


def units_exit_restart(world):
    world.at("an order of one line")
    clear_order(world)
    part = configure(world, "R")
    add_to_order(world, "2", "Add", 2)
    world.at("Units > Metric, File > Exit")
    menu(world, "Units", "Metric")
    s.find(wizard_at(world, "R", "187"), "label", "mm")
    menu(world, "File", "Exit")
    world.session.wait_exit()
    world.app = None
    world.at("what the program left beside itself")
    ini = s.read(world.file("Corvane.ini"))
    expect("type=M" in ini, "Corvane.ini reads %r" % ini)
    lom = s.read(world.file("corvane38.lom"))
    # The line was added in inches: its unit is feet whatever the units at close.
    expect("\r\n1=2|feet|R-000|%s|" % part in lom, "corvane38.lom reads %r" % lom)
    remembered = getattr(world, "remembered", None)
    if remembered:
        history = s.read(world.file("Data", "Parts.hst"), True)
        expect(b"H187PA080A080SG\r\n" in history, "Parts.hst reads %r" % history)
    world.at("restart: metric kept, the order empty, the history offered")
    s.click(s.find(s.find(world.main(), "menu bar", None), "menu item", "Units"))
    expect(s.has_state(s.find(world.app, "menu item", "Metric"), "checked"),
           "Metric is not checked after the restart")
    s.key("Escape")
    order = view_order(world)
    expect(not order_rows(order) and count_label(order) == "Orders - 0 of 0",
           "the order survived the restart: %r" % order_rows(order))
    press_and_close(world, order, "Close")
    builder = menu(world, "Options", "Create From Part Number", BUILDER)
    items = combo_items(s.find(builder, "combo box", "Enter Part Number"))
    expect(not remembered or "H187PA080A080SG" in items, "the history offers %r" % items)
    press_and_close(world, builder, "Close")
    menu(world, "Units", "Imperial")



def audit_names(root, where):
    # Every control a user can reach has a name as spoken (no stray blanks, no access-key
    # marks) and reads as shown: no item lines such as "-1|G|Gray".
    problems = []
    for node in s.walk(root):
        if not s.showing(node) or node is root:
            continue
        kind = s.role(node)
        reachable = s.has_state(node, "focusable") and s.has_state(node, "enabled")
        spoken = s.name(node)
        if spoken != spoken.strip() or "&" in spoken.replace("&&", ""):
            problems.append("%s %r: stray blanks or '&'" % (kind, spoken))
        if reachable and kind not in ("table cell", "list item", "menu item", "page tab")\
                and not spoken.strip():
            problems.append("%s without a name" % kind)
        if "|" in spoken:
            problems.append("%s %r: an item line for a name" % (kind, spoken))
        if kind == "combo box":
            if "|" in value(node):
                problems.append("combo box %r reads %r" % (spoken, value(node)))
            problems += ["combo box %r offers %r" % (spoken, item) for item in
                         combo_items(node) if "|" in item]
    expect(not problems, "%s: %s" % (where, "; ".join(sorted(set(problems)))))


def accessible_names(world):
    world.at("screen 1 of a configured coax transition")
    configure(world, "C")
    win = world.main()
    world.at("screen 2: finish, frequency choices, description grid")
    audit_names(win, "screen 2")
    expect(value(combo(win, "Finish")).startswith("G Gray"),
           "the finish list reads %r" % value(combo(win, "Finish")))
    radios = [s.name(r) for r in s.find_all(win, "radio button")]
    expect(radios and all("GHz" in r for r in radios), "the frequency choices read %r" % radios)
    grid = s.find(win, "table", "Description")
    expect(any(cell(grid, r, c) for r in range(grid.queryTable().nRows)
               for c in range(grid.queryTable().nColumns)),
           "the description grid exposes no cell texts")
    world.at("screen 1")
    press(button(win, "<< Back"))
    s.find(win, "label", "Wizard - Screen 1 of 2")
    audit_names(win, "screen 1")
    world.at("the Add to Order dialog")
    next_screen(world)
    press(button(win, "Add to Order / Check Pricing"))
    dialog = s.window(world.app, ADD)
    audit_names(dialog, "Add to Order")
    press_and_close(world, dialog, "Cancel")
    world.at("the order window")
    order = view_order(world)
    audit_names(order, "order window")
    press_and_close(world, order, "Close")


def keyboard_only(world):
    """The whole way from an empty wizard to a line in the order, with keys alone."""
    world.at("Reset Settings by the menu keys")
    win = reset_wizard(world)
    world.at("the product list has the focus; R types the straight section")
    s.wait_focus(world.app, "combo box", "Select Product Type")
    s.type_text("R")
    shows(combo(win, "Select Product Type"), "R ")
    world.at("Tab to the waveguide list, open it with Alt+Down, pick 187 with the arrows")
    s.key("Tab")
    choose(win, "Select Waveguide", "187", s.wait_focus(world.app, "combo box",
                                                         "Select Waveguide"), by_keys=True)
    world.at("Tab to Flange A, Down picks the first flange; on to Flange B, the same")
    s.key("Tab")
    s.wait_focus(world.app, "combo box", "Flange A")
    s.key("Down")
    flange_b = combo(win, "Flange B")
    tab_to(world, "Flange B")
    s.key("Down")
    s.wait_until(lambda: value(flange_b) != "", 3, "a flange B is chosen")
    world.at("Alt+N, Alt+C: the part number")
    s.key("alt+n")
    s.find(win, "label", "Wizard - Screen 2 of 2")
    s.key("alt+c")
    s.wait_until(lambda: s.text_of(part_box(win)), 3, "a part number shows")
    world.at("Alt+A, a quantity, Enter")
    s.key("alt+a")
    s.window(world.app, ADD)
    s.wait_focus(world.app, "spin button", "Quantity")
    s.retype("5")
    s.key("Return")
    s.window_gone(world.app, ADD)
    world.at("Alt+V, the order shows the line; Escape closes it")
    s.key("alt+v")
    rows = order_rows(s.window(world.app, ORDER))
    expect(rows and rows[-1][0] == "5" and rows[-1][3] == s.text_of(part_box(win)),
           "the order reads %r" % rows)
    s.key("Escape")
    s.window_gone(world.app, ORDER)
    world.at("closed waveguide list: the keys reach every size, special-quote ones too")
    s.key("alt+b")
    s.find(win, "label", "Wizard - Screen 1 of 2")
    wg = combo(win, "Select Waveguide")
    tab_to(world, "Select Waveguide")
    codes = [text.split(" ")[0] for text in combo_items(wg)]

    def landed(before):
        # The size a key reached: the one now shown, or the one a special-quote message
        # names (answered with OK).
        def probe():
            message = s.window_if(world.app, "Information", 0)
            if message:
                found = re.search(r"Waveguide size (\S+) is available by special quote",
                                  said(message))
                expect(found, "a message that is no refusal: %r" % said(message))
                press_and_close(world, message, "OK")
                return found.group(1)
            shown = value(wg).split(" ")[0]
            return shown if shown in codes and shown != before else None

        return s.wait_until(probe, 5, "a key reaches a size after %r" % before)

    reached = []
    for key in ["Home"] + ["Down"] * (len(codes) - 1):
        s.key(key)
        reached.append(landed(reached[-1] if reached else None))
    expect(reached == codes, "Home and Down reached %r, the list holds %r" % (reached, codes))


ALL = [accessible_names, keyboard_only, configure_each_family, typed_length_checked_on_leaving,
       specs_and_zoom, order_workflow, save_as_and_print,
       update_options_by_arrows, quick_builder_and_convert, units_exit_restart]
