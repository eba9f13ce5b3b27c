"""Prints the result display of the running Zolvan window from the accessibility tree: each
label that shows something or has a meaning, as "text - meaning", in the order a screen reader
walks them."""
import pyatspi


def labels(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        if child.getRoleName() == "label":
            yield child
        yield from labels(child)


def display(app):
    stack = [app]
    while stack:
        node = stack.pop()
        if node.name == "Result display":
            return node
        stack.extend(c for c in (node.getChildAtIndex(i) for i in range(node.childCount)) if c)
    return None


for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name.lower().startswith("zolvan"):
        shown = display(app)
        for label in labels(shown) if shown else []:
            if label.name.strip() or label.description.strip():
                print(f"{label.name} - {label.description}" if label.description.strip()
                      else label.name)
