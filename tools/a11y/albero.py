"""Prints what a screen reader sees of a running program: every accessible object with its
role and name, and the label a combo box is labelled by. Run by scripts/a11y-tree on a
private D-Bus session with the accessibility bus started."""

import sys
import time

import pyatspi


def find_application(name, timeout_s):
    deadline = time.monotonic() + timeout_s
    while time.monotonic() < deadline:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and (application.name or "").lower() == name.lower():
                return application
        time.sleep(0.1)
    return None


def labels_of(accessible):
    for relation in accessible.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


def show(accessible, depth):
    role = accessible.getRoleName()
    line = f"{'  ' * depth}[{role}] {accessible.name!r}"
    if role == "combo box":
        line += f" etichetta: {labels_of(accessible)}"
    print(line)
    if role == "combo box":
        return  # its items are the list's, not controls of their own
    for child in accessible:
        if child is not None:
            show(child, depth + 1)


def main():
    name = sys.argv[1] if len(sys.argv) > 1 else "Tavorno"
    application = find_application(name, 20)
    if application is None:
        print(f"Programma {name} non trovato sul bus di accessibilità", file=sys.stderr)
        return 1
    show(application, 0)
    return 0


if __name__ == "__main__":
    sys.exit(main())
