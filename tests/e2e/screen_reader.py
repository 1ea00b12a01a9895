#!/usr/bin/python3
"""What a screen reader finds in one running program, through the desktop's accessibility bus (AT-SPI).

usage: screen_reader.py PID COMMAND [ARGUMENTS]
  window TITLE            waits for a window of the program whose name matches TITLE; prints its name
  showing TITLE NAME      waits until an object named NAME shows in that window
  unnamed TITLE           prints one line for each control of the window a keyboard reaches that lacks a
                          role or a name; with every page of its tab lists when the window has them
  items TITLE NAME        prints the names of the items of the object named NAME (a list's entries)
  press TITLE NAME        does the first action (press, click, toggle) of the object named NAME
  focus TITLE [BEFORE]    prints the name of the object that has the keyboard focus in the window, once it
                          is another than BEFORE when that is given
  state TITLE NAME STATE  waits until the object named NAME is in STATE (checked, enabled...)
  listen                  prints "ready", then a line "EVENT<TAB>ROLE<TAB>NAME" for each event of the program
                          a screen reader speaks without the focus moving: notifications and alerts showing,
                          windows opening

TITLE is a regular expression searched in window names. Every wait ends on what it waits for; its limit
only keeps a hung program from hanging the test. Exit status 2 when a wait reaches that limit.
"""

import re
import sys
import time

import pyatspi

HUNG_AFTER_S = 180
ROLES_WITHOUT_MEANING = {pyatspi.ROLE_INVALID, pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_REDUNDANT_OBJECT}


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def until(find, what):
    started = time.monotonic()
    while time.monotonic() - started < HUNG_AFTER_S:
        try:
            found = find()
        except Exception:
            found = None
        if found is not None:
            return found
        time.sleep(0.1)
    print(f"never found: {what}", file=sys.stderr)
    sys.exit(2)


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def window(pid, title):
    def find():
        app = application(pid)
        if app is None:
            return None
        for w in app:
            if w is not None and re.search(title, w.name or "") and showing(w):
                return w
        return None

    return until(find, f"a window named {title!r}")


def descendants(obj, hidden_too=False):
    """The showing objects below obj, depth first; hidden branches are entered only when asked (menus
    that are closed)."""
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is None or not (hidden_too or showing(child)):
            continue
        yield child
        yield from descendants(child, hidden_too)


def labelled(obj):
    for relation in obj.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                target = relation.getTarget(i)
                if target is not None and (target.name or "").strip():
                    return True
    return False


def path_of(obj, top):
    parts = []
    while obj is not None and obj != top:
        parts.append(f"{obj.getRoleName()}[{obj.getIndexInParent()}]")
        obj = obj.parent
    return "/".join(reversed(parts))


def faults(top):
    found = []
    for obj in descendants(top):
        state = obj.getState()
        if not state.contains(pyatspi.STATE_FOCUSABLE):
            continue
        role = obj.getRole()
        named = bool((obj.name or "").strip()) or labelled(obj)
        # A tab list is named by its tabs, each one checked on its own.
        if role == pyatspi.ROLE_PAGE_TAB_LIST:
            named = all((tab.name or "").strip() for tab in obj)
        if role in ROLES_WITHOUT_MEANING or not named:
            found.append(f"{obj.getRoleName()} {obj.name!r} at {path_of(obj, top)}")
    return found


def every_page_faults(top):
    found = faults(top)
    tab_lists = [o for o in descendants(top) if o.getRole() == pyatspi.ROLE_PAGE_TAB_LIST]
    for tabs in tab_lists:
        for i in range(tabs.childCount):
            page = tabs.getChildAtIndex(i)
            if page is None or page.getRole() != pyatspi.ROLE_PAGE_TAB:
                continue  # the bar's scroll buttons
            if not page.getState().contains(pyatspi.STATE_SENSITIVE):
                continue
            # The press answers once the page is up: the tab bar changes pages as it handles it.
            page.queryAction().doAction(0)
            found += [f"{line} (page {page.name!r})" for line in faults(top)]
    return sorted(set(found))


def named(top, name, hidden_too=False):
    for obj in descendants(top, hidden_too):
        if (obj.name or "") == name:
            return obj
    return None


def listen(pid):
    def on_event(event):
        try:
            source = event.source
            if source is None or source.getApplication().get_process_id() != pid:
                return
            if event.type.startswith("object:state-changed:showing") and not event.detail1:
                return
            if event.type.startswith("object:property-change"):
                return
            print(f"{event.type}\t{source.getRoleName()}\t{source.name}", flush=True)
        except Exception:
            pass

    # Name changes keep the names this process has seen up to date, as they keep a screen reader's.
    pyatspi.Registry.registerEventListener(
        on_event,
        "object:state-changed:showing",
        "object:property-change:accessible-name",
        "window:create",
        "window:activate",
    )
    print("ready", flush=True)
    pyatspi.Registry.start()


def main(argv):
    pid = int(argv[1])
    command = argv[2]
    if command == "listen":
        listen(pid)
        return 0
    top = window(pid, argv[3])
    if command == "window":
        print(top.name)
    elif command == "showing":
        until(lambda: named(top, argv[4]), f"{argv[4]!r} showing")
    elif command == "unnamed":
        for line in every_page_faults(top):
            print(line)
    elif command == "items":
        holder = until(lambda: named(top, argv[4]), f"{argv[4]!r} showing")
        for item in holder:
            if item is not None:
                print(item.name)
    elif command == "focus":
        # A container whose focus proxy has the focus says it is focused too: the deepest one is meant.
        def focused():
            found = [o for o in descendants(top) if o.getState().contains(pyatspi.STATE_FOCUSED)]
            if not found or (len(argv) > 4 and found[-1].name == argv[4]):
                return None
            return found[-1]

        print(until(focused, "a focused object").name)
    elif command == "state":
        state = getattr(pyatspi, "STATE_" + argv[5].upper())
        until(
            lambda: named(top, argv[4]) if named(top, argv[4]).getState().contains(state) else None,
            f"{argv[4]!r} {argv[5]}",
        )
    elif command == "press":
        target = until(lambda: named(top, argv[4], hidden_too=True), f"{argv[4]!r} to press")
        target.queryAction().doAction(0)
    else:
        print(__doc__, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
