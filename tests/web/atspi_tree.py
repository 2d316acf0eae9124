"""Prints, as JSON, what an AT-SPI client such as Orca reads of the pages of the application
named on the command line: each object's role, name, text, states and depth, in tree order.
pyatspi finds the accessibility bus through the session bus in its environment as it is
imported, so the reader is a process of its own, started with the bus to read
(engines.AccessibilityBus)."""

import json
import sys

import pyatspi


def text(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def walk(node, depth, found, in_page=False):
    in_page = in_page or node.getRoleName() == "document web"
    if in_page:
        found.append({"role": node.getRoleName(), "name": node.name, "text": text(node),
                      "states": sorted(pyatspi.stateToString(s)
                                       for s in node.getState().getStates()),
                      "depth": depth})
    for child in node:
        if child is not None:
            walk(child, depth + 1, found, in_page)


found = []
for application in pyatspi.Registry.getDesktop(0):
    if application is not None and application.name.lower() == sys.argv[1].lower():
        walk(application, 0, found)
json.dump(found, sys.stdout)
