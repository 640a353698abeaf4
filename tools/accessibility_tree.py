"""Starts the program and reads its windows over AT-SPI, as a screen reader does: goes from the
welcome and warning screens to the main window, opens the search window, asks for a search with
an empty box, lists by commune, opens the help, and prints what each window offers (role, name,
labelled-by, description), and a worked line of the listing.

Runs under tools/check-accessibility, which provides the X screen and the accessibility bus."""

import subprocess
import sys
import time

import pyatspi

PROGRAM_NAME = "Orvel_Reference"


def wait_for(what, find, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit(f"introuvable après {seconds} s : {what}")


def children(node):
    return [child for child in node if child is not None]


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in children(desktop) if app.name == PROGRAM_NAME), None)


def window(title):
    def find():
        app = program()
        if app is None:
            return None
        return next((w for w in children(app) if w.name == title and showing(w)), None)

    return wait_for(f"la fenêtre « {title} »", find)


def alert():
    def find():
        return next((w for w in children(program()) if w.getRole() == pyatspi.ROLE_ALERT), None)

    return wait_for("la boîte de message", find)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def press(win, name, role=pyatspi.ROLE_PUSH_BUTTON):
    button = pyatspi.findDescendant(win, lambda a: a.getRole() == role and a.name.strip() == name)
    if button is None:
        sys.exit(f"pas de bouton « {name} » dans « {win.name} »")
    button.queryAction().doAction(0)


def labels_of(node):
    return [relation.getTarget(i).name
            for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def print_tree(node, depth=0):
    """One line per accessible; '*' marks the controls that can take the focus. The lines of a
    list are not shown."""
    focusable = node.getState().contains(pyatspi.STATE_FOCUSABLE)
    line = f"{'  ' * depth}{'*' if focusable else '-'} {node.getRoleName()} « {node.name} »"
    labels = labels_of(node)
    if labels:
        line += f" étiqueté par « {', '.join(labels)} »"
    if node.description:
        line += " — description : « " + node.description.replace("\n", " | ") + " »"
    print(line)
    if node.getRole() not in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST_BOX):
        for child in children(node):
            print_tree(child, depth + 1)


def main():
    running = subprocess.Popen([sys.argv[1]])
    try:
        for title in ("Orvel Reference", "Avertissement"):
            screen = window(title)
            print_tree(screen)
            print()
            press(screen, "Suite")
        main_window = window("Orvel_Référence version V2.0.0")
        print_tree(main_window)
        print()
        press(main_window, "Rechercher une    référence par ...")
        search = window("Recherche")
        print_tree(search)
        print()
        # Enter in the empty commune box, which has the focus: the program's message box.
        pyatspi.Registry.generateKeyboardEvent(0xFF0D, None, pyatspi.KEY_SYM)
        message = alert()
        print_tree(message)
        press(message, "OK")
        print()
        # A listing: the list's description now carries the count line and, with the traffic log
        # that tools/check-accessibility sets, the count of worked references; a worked line says
        # so.
        press(search, "Quitter")
        listing = pyatspi.findDescendant(main_window, lambda a: a.getRole() == pyatspi.ROLE_LIST)
        before = listing.description
        press(main_window, "Affichage par nom de Commune")
        print_tree(wait_for("la liste mise à jour",
                            lambda: listing if listing.description != before else None))
        worked = next((line for line in children(listing) if line.name.endswith("contactée")), None)
        if worked is not None:
            print_tree(worked, 1)
        print()
        press(main_window, "Notice d'utilisation", pyatspi.ROLE_MENU_ITEM)
        print_tree(window("Orvel_Reference — Notice d'utilisation"))
    finally:
        running.terminate()
        running.wait()


if __name__ == "__main__":
    main()
