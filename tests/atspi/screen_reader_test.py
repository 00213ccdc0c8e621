# SPDX-License-Identifier: GPL-3.0-or-later
"""Every window as a screen reader meets it: through AT-SPI, the accessibility bus that screen
readers listen on, with pyatspi, the library they use.

The program runs for real on X (Xvfb) with its accessibility bridge on; run.sh gives it a
private display and D-Bus session. For every topic window the test presses its button on the
main menu, then checks that:
- the window comes as a frame named by its caption, is activated, and its first box has the
  focus, each of which the screen reader is told;
- its boxes, buttons and labels come in the order and with the roles and names the window
  driver lists, and nothing is read out as a drawing of characters;
- Tab, pressed on the keyboard, takes the focus round the chain the driver walks, and each
  stop is told;
- for every command button: the boxes filled through the editable text interface and the
  button pressed through its action give the messages (each an alert with its text) and the
  answers the driver gives for the same input, and every answer that changed was told;
- the working pane opened by its button holds the driver's step lines as list items and the
  figure as an image described by the driver's description, and "More detail" is a check
  box that brings the driver's longer steps.

Usage: screen_reader_test.py BUILD_DIR (run.sh sets up the display and the bus).
"""

import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

BUILD = sys.argv[1]
DRIVE = os.path.join(BUILD, "sumbrook-drive")
PROGRAM = os.path.join(BUILD, "sumbrook")

# Qt's role names as the driver prints them, and the AT-SPI roles they reach screen readers as
ROLES = {"editabletext": "text", "button": "push button", "statictext": "label",
         "link": "link", "checkbox": "check box", "list": "list"}
# the buttons of a topic window that are not commands
NOT_COMMANDS = {"Working"}

failures = []
heard = {"messages": 0, "answers": 0}  # what was told, for the summary


def fail(what):
    failures.append(what)
    print("FAIL " + what, flush=True)


def check(condition, what):
    if not condition:
        fail(what)
    return condition


# --- the window driver: what the windows show on Qt's offscreen platform -------------------

def unquote(text):
    """A TEXT of the driver's transcript."""
    assert text.startswith('"') and text.endswith('"'), text
    out, i, body = [], 0, text[1:-1]
    escapes = {'"': '"', "\\": "\\", "n": "\n", "t": "\t"}
    while i < len(body):
        if body[i] == "\\":
            if body[i + 1] == "u":
                out.append(chr(int(body[i + 2:i + 6], 16)))
                i += 6
                continue
            out.append(escapes[body[i + 1]])
            i += 2
            continue
        out.append(body[i])
        i += 1
    return "".join(out)


def quote(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def drive(script):
    """The driver's transcript of the script, one line a list item."""
    done = subprocess.run([DRIVE], input=script, capture_output=True, text=True, timeout=120,
                          env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    if done.returncode not in (0, 1):
        sys.exit("the driver failed: " + done.stderr)
    lines = done.stdout.splitlines()
    errors = [line for line in lines if line.startswith("error")]
    if errors:
        sys.exit("the driver refused: " + "\n".join(errors))
    return lines


def windows():
    """The main menu's buttons and the topic windows they open, with their controls."""
    menu = [line.split()[0].split(".")[1] for line in drive("controls\n")
            if line.startswith("Form1.") and " button " in line]
    opened, listing = {}, drive("".join(f"click Form1.{b}\n" for b in menu) + "controls\n")
    found = {}
    for line in listing:
        match = re.match(r'(Form\d+)\.(\S+) (box|label|output|link|button)(?: \d+)? (".*")$', line)
        caption = re.match(r'(Form\d+) (".*")$', line)
        if caption:
            found[caption.group(1)] = {"caption": unquote(caption.group(2)), "controls": []}
        elif match:
            form, name, kind, text = match.groups()
            found[form]["controls"].append((name, kind, unquote(text)))
    # which menu button opens which window: one window a click
    captions = {name: text for name, _, text in found["Form1"]["controls"]}
    for b in menu:
        after = [line for line in drive(f"click Form1.{b}\nwindows\n") if line.startswith("windows")]
        shown = after[0].split()[1:] if after else []
        new = [w for w in shown if w != "Form1"]
        if len(new) == 1 and new[0] in found and new[0] not in ("Form1", "Form14"):
            opened[new[0]] = dict(found[new[0]], menuButton=b, menuCaption=captions[b])
    return found["Form1"]["caption"], opened


def value_for(box, index):
    """What the test types into a box: an operator where one is asked for, else a small number."""
    return "+" if box == "op" else str(2 + index % 5)


def role_lines(lines):
    """(control, AT-SPI role, name) of the driver's `accessible` and `focus-chain` lines."""
    found = []
    for line in lines:
        control, role, name = re.match(r'Form\d+\.(\S+) ([a-z]+) (".*")$', line).groups()
        found.append((control, ROLES.get(role, role), unquote(name)))
    return found


def expected(form, info):
    """What the driver shows for the window: its accessible controls, its Tab chain, and for
    each command the messages and answers, then the working after the last command with its
    figure's description, and the working in more detail."""
    boxes = [n for n, kind, _ in info["controls"] if kind == "box"]
    outputs = [n for n, kind, _ in info["controls"] if kind == "output"]
    commands = [n for n, kind, _ in info["controls"] if kind == "button" and n not in NOT_COMMANDS]
    fill = "".join(f"type {form}.{b} {quote(value_for(b, i))}\n" for i, b in enumerate(boxes))
    # each section ends with a `windows` line
    script = f"click Form1.{info['menuButton']}\nwindows\naccessible {form}\nwindows\n"
    script += f"focus-chain {form}\nwindows\n"
    for c in commands:
        script += f"{fill}click {form}.{c}\n" + "".join(f"show {form}.{o}\n" for o in outputs)
        script += "windows\n"
    script += f"figure {form}\nwindows\nworking {form}\nwindows\n"
    script += f"click {form}.Working\nclick {form}.MoreDetail\nworking {form}\nwindows\n"
    sections, section = [], []
    for line in drive(script):
        if line.startswith("windows"):
            sections.append(section)
            section = []
        else:
            section.append(line)
    _, accessible, chain, *commanded, figure, working, detailed = sections
    results = []
    for c, lines in zip(commands, commanded):
        messages = [unquote(line[len("message "):]) for line in lines if line.startswith("message ")]
        answers = {line.split(" ", 1)[0].split(".")[1]: unquote(line.split(" ", 1)[1])
                   for line in lines if not line.startswith("message ")}
        results.append((c, messages, answers))
    steps = lambda lines: [unquote(line.split(" ", 1)[1]) for line in lines]
    description = unquote(figure[-1].split(" ", 1)[1])
    return {"accessible": role_lines(accessible), "chain": role_lines(chain),
            "results": results, "steps": steps(working), "detailed": steps(detailed),
            "figure": description, "boxes": boxes, "outputs": outputs}


# --- AT-SPI ------------------------------------------------------------------------------

events = []


def listen(event):
    try:
        events.append((event.type, event.source, event.detail1))
    except Exception:  # an object already gone
        pass


def pump(seconds):
    """Lets the events of the next seconds arrive."""
    end, context = time.time() + seconds, GLib.MainContext.default()
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.005)


def wait_for(condition, seconds=10.0):
    end = time.time() + seconds
    while time.time() < end:
        pump(0.02)
        found = condition()
        if found:
            return found
    return None


def flatten(node):
    """The node's descendants in reading order."""
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from flatten(child)


def top_levels(app):
    """The program's windows (a window closing meanwhile is left out)."""
    return [w for w in (app.getChildAtIndex(i) for i in range(app.childCount)) if w is not None]


def is_drawing(text):
    return text != "" and not any(c.isalnum() for c in text)


def told(kind, node):
    """Whether an event of the kind came from the node (of focus, one that gave it the focus)."""
    gained = kind.endswith("focused")
    return any(t.startswith(kind) and source == node and (detail != 0 or not gained)
               for t, source, detail in events)


def press(node):
    node.queryAction().doAction(0)


def role_of(node):
    """The node's role, or None for one gone meanwhile (a message box just answered)."""
    try:
        return node.getRoleName()
    except GLib.GError:
        return None


def alert_of(app):
    return next((w for w in top_levels(app) if role_of(w) == "alert"), None)


def answer_messages(app, expected):
    """The texts of the message boxes the last command raised, each answered with its button:
    as many as expected, each waited for, then any more that come at once."""
    texts = []
    while (alert := wait_for(lambda: alert_of(app), 10 if len(texts) < expected else 0.25)):
        texts.append("\n".join(n.name for n in flatten(alert)
                               if n.getRoleName() == "label" and n.name))
        press(next(n for n in flatten(alert) if n.getRoleName() == "push button"))
        wait_for(lambda: alert_of(app) is None)
    return texts


def shown(frame):
    """The frame's boxes, buttons, labels and links, in reading order."""
    kinds = set(ROLES.values()) - {"check box", "list"}
    return [n for n in flatten(frame) if n.getRoleName() in kinds]


def check_window(app, menu, form, info, want):
    caption = info["caption"]
    events.clear()
    press(next(n for n in flatten(menu) if n.name == info["menuCaption"]))
    frame = wait_for(lambda: next((w for w in top_levels(app) if w.name == caption), None))
    if not check(frame is not None, f"{form}: no window named {caption!r}"):
        return
    check(frame.getRoleName() == "frame", f"{form}: a {frame.getRoleName()}, not a frame")
    check(wait_for(lambda: told("window:activate", frame)), f"{form}: activation not told")

    nodes = shown(frame)
    listed = [(n.getRoleName(), n.name) for n in nodes]
    wanted = [(role, name) for _, role, name in want["accessible"]]
    check(listed[:len(wanted)] == wanted and len(listed) == len(wanted) + 1,
          f"{form}: controls {listed} instead of {wanted} and the Show Working button")
    for n in flatten(frame):
        check(not is_drawing(n.name), f"{form}: a {n.getRoleName()} read as {n.name!r}")
    control = dict(zip([name for name, _, _ in want["accessible"]], nodes))

    # the first stop of the chain has the focus, then Tab goes round it
    first = control.get(want["chain"][0][0])
    check(wait_for(lambda: told("object:state-changed:focused", first)),
          f"{form}: the focus on {want['chain'][0]} not told")
    visited = []
    for _ in want["chain"]:
        events.clear()
        pyatspi.Registry.generateKeyboardEvent(0xff09, None, pyatspi.KEY_SYM)  # Tab
        stop = wait_for(lambda: next((s for t, s, d in events
                                      if t == "object:state-changed:focused" and d), None), 5)
        visited.append((stop.getRoleName(), stop.name) if stop else None)
    ring = want["chain"][1:] + want["chain"][:1]
    check(visited == [(role, name) for _, role, name in ring],
          f"{form}: Tab visits {visited}, not {[(r, n) for _, r, n in ring]}")

    for command, messages, answers in want["results"]:
        for i, box in enumerate(want["boxes"]):
            control[box].queryEditableText().setTextContents(value_for(box, i))
        before = {o: control[o].description for o in want["outputs"]}
        events.clear()
        press(control[command])
        said = answer_messages(app, len(messages))
        check(said == messages, f"{form}.{command}: messages {said}, not {messages}")
        heard["messages"] += len(said)
        wait_for(lambda: all(control[o].description == answers[o] for o in want["outputs"]), 5)
        for output in want["outputs"]:
            got = control[output].description
            check(got == answers[output], f"{form}.{command}: {output} {got!r}, not {answers[output]!r}")
            if got != before[output]:
                heard["answers"] += 1
                check(wait_for(lambda: told("object:property-change:accessible-description",
                                            control[output]), 5),
                      f"{form}.{command}: the new answer in {output} not told")

    press(nodes[-1])  # Show Working
    pane = wait_for(lambda: next((n for n in flatten(frame) if n.getRoleName() == "panel"
                                  and n.name == "Working"), None))
    if not check(pane is not None, f"{form}: no working pane"):
        return
    steps = next(n for n in flatten(pane) if n.getRoleName() == "list")
    items = lambda: [steps.getChildAtIndex(i).name for i in range(steps.childCount)]
    check(all(steps.getChildAtIndex(i).getRoleName() == "list item"
              for i in range(steps.childCount)), f"{form}: steps not list items")
    check(items() == want["steps"], f"{form}: steps {items()}, not {want['steps']}")
    image = [n for n in flatten(pane) if n.getRoleName() == "image"]
    check(len(image) == 1 and image[0].description == want["figure"],
          f"{form}: figure {[(i.name, i.description) for i in image]}, not {want['figure']!r}")
    detail = [n for n in flatten(pane) if n.getRoleName() == "check box"]
    if check(len(detail) == 1, f"{form}: no More detail check box"):
        press(detail[0])
        check(wait_for(lambda: items() == want["detailed"], 3),
              f"{form}: more detail {items()}, not {want['detailed']}")


def main():
    menu_caption, opened = windows()

    for kind in ("object:state-changed:focused", "window:activate",
                 "object:property-change:accessible-description"):
        pyatspi.Registry.registerEventListener(listen, kind)
    desktop = pyatspi.Registry.getDesktop(0)  # starts the accessibility bus
    # Under the address sanitizer: Debian's libxkbcommon-x11 copies the keymap's names out of
    # the X server's reply with strndup, whose strict check reads past the reply's end; the
    # copy itself stops there. Only that check is left out for the program.
    sanitizer = os.environ.get("ASAN_OPTIONS", "").replace("strict_string_checks=1",
                                                           "strict_string_checks=0")
    program = subprocess.Popen([PROGRAM, "--language", "en"], env=dict(
        os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
        QT_ACCESSIBILITY="1", ASAN_OPTIONS=sanitizer))
    try:
        app = wait_for(lambda: next((a for a in desktop if a is not None
                                     and a.get_process_id() == program.pid), None), 20)
        if app is None:
            sys.exit("the program never reached the accessibility bus")
        menu = wait_for(lambda: next((w for w in top_levels(app) if w.name == menu_caption), None))
        check(menu is not None and menu.getRoleName() == "frame", "the main menu is no frame")
        for form, info in sorted(opened.items(), key=lambda f: int(f[0][4:])):
            want = expected(form, info)
            check_window(app, menu, form, info, want)
            print(f"{form}: {len(want['results'])} commands, {len(want['chain'])} Tab stops, "
                  f"{len(want['steps'])} steps", flush=True)
    finally:
        program.terminate()
        program.wait(10)
    if failures:
        sys.exit(f"{len(failures)} failures")
    print(f"{len(opened)} windows read as a screen reader reads them: {heard['messages']} "
          f"messages and {heard['answers']} new answers told")


main()
