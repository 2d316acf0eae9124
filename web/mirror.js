// The program's windows for screen readers: the accessible tree the program keeps (the one AT-SPI
// reads on Linux), mirrored in ARIA elements inside the canvas. Browsers give a canvas's fallback
// content to assistive technology and let it take the focus, and keys typed there still reach
// the canvas, and so the program. The program sends the whole tree after its accessibility
// events (update); a screen reader's click on an element, or its moving the focus to one, goes
// back to the program as a request on the control the element stands for.
(function () {
  "use strict";

  // The requests the page makes of a node: the codes of ui::accessible::Request
  // (ui/controls/accessibletree.h).
  const ACTIVATE = 0;
  const FOCUS = 1;

  // A node's role is the element's ARIA role; a label (text) has none. Every element is a div:
  // a native button or input would also act on the keys the program takes, and act twice. Names
  // go to aria-label, but a label's own text is its content, and so is a field's value.
  const CHECKABLE = new Set(["radio", "checkbox"]);
  const CONTENT = { textbox: "value", text: "name" };

  const canvas = document.getElementById("qtcanvas");
  const root = document.createElement("div");
  root.id = "mirror";
  // The canvas is editable (for the clipboard's events); nothing the browser does there may
  // change the mirror.
  root.contentEditable = "false";
  canvas.appendChild(root);

  const elements = new Map();
  let shown = [];
  let request = () => 0;
  let sendNow = () => {};
  let movingFocus = false;
  const listeners = [];

  function setAttribute(element, name, value) {
    if (value === null || value === undefined || value === false) {
      element.removeAttribute(name);
    } else if (element.getAttribute(name) !== String(value)) {
      element.setAttribute(name, String(value));
    }
  }

  function setText(element, text) {
    if (element.textContent !== text) {
      element.textContent = text;
    }
  }

  // Each line of a multi-line text is an element of its own, so a screen reader's arrow keys go
  // through it line by line, as fallback content has no layout to make lines of; the breaks stay
  // text between them, so the element's text is still the whole value.
  function setLines(element, text) {
    let line = element.firstElementChild;
    if (!line) {
      element.textContent = "";
    }
    text.split("\n").forEach((lineText, i) => {
      if (!line) {
        if (i > 0) {
          element.append("\n");
        }
        line = element.appendChild(document.createElement("div"));
      }
      setText(line, lineText);
      line = line.nextElementSibling;
    });
    while (line) {
      const next = line.nextElementSibling;
      line.previousSibling.remove();
      line.remove();
      line = next;
    }
  }

  function elementFor(node) {
    let element = elements.get(node.id);
    if (!element || element.dataset.role !== node.role) {
      element?.remove();
      element = document.createElement("div");
      element.id = `mirror-${node.id}`;
      element.dataset.id = node.id;
      element.dataset.role = node.role;
      elements.set(node.id, element);
    }
    return element;
  }

  // The element stands where the control does, relative to its window's element, though it
  // draws nothing: a screen magnifier or a braille cursor follows it there.
  function place(element, node, parent) {
    const style = element.style;
    style.position = "absolute";
    style.left = `${node.x - (parent ? parent.x : 0)}px`;
    style.top = `${node.y - (parent ? parent.y : 0)}px`;
    style.width = `${node.width}px`;
    style.height = `${node.height}px`;
  }

  function describe(element, node, parent) {
    const content = CONTENT[node.role];
    setAttribute(element, "role", node.role === "text" ? null : node.role);
    setAttribute(element, "aria-label", content === "name" ? null : node.name || null);
    setAttribute(element, "aria-description", node.description || null);
    const checked = CHECKABLE.has(node.role) ? String(!!node.checked) : null;
    setAttribute(element, "aria-checked", checked);
    setAttribute(element, "aria-multiline", node.role === "textbox" && String(!!node.multiline));
    setAttribute(element, "aria-readonly", node.readonly && "true");
    setAttribute(element, "aria-modal", node.modal && "true");
    setAttribute(element, "tabindex", node.focusable ? "-1" : null);
    // A window held back by a modal box takes no focus and is not read, as it takes no click.
    // Chromium's bridge to AT-SPI, which Orca reads, heeds no inert inside a canvas.
    element.inert = !!node.blocked && !parent;
    setAttribute(element, "aria-hidden", element.inert && "true");
    if (content) {
      (node.multiline ? setLines : setText)(element, node[content] || "");
    }
    if (node.role === "alertdialog") {
      // A message box is announced with its text.
      const texts = (node.children || []).filter((child) => child.role === "text");
      setAttribute(element, "aria-describedby", texts.map((t) => `mirror-${t.id}`).join(" "));
    }
    place(element, node, parent);
  }

  function arrange(container, nodes, parent, kept) {
    let previous = null;
    for (const node of nodes) {
      const element = elementFor(node);
      kept.add(node.id);
      describe(element, node, parent);
      const next = previous ? previous.nextSibling : container.firstChild;
      if (element !== next) {
        container.insertBefore(element, next);
      }
      previous = element;
      arrange(element, node.children || [], node, kept);
    }
  }

  function focusedNode(nodes) {
    for (const node of nodes) {
      const found = node.focused && !node.blocked ? node : focusedNode(node.children || []);
      if (found) {
        return found;
      }
    }
    return null;
  }

  // The page's focus follows the program's, unless the user has gone to something of the page's
  // own (its panels).
  function followFocus(windows) {
    const node = focusedNode(windows);
    const element = node && elements.get(node.id);
    const active = document.activeElement;
    if (!element || active === element) {
      return;
    }
    if (active && active !== document.body && !canvas.contains(active)) {
      return;
    }
    movingFocus = true;
    element.focus({ preventScroll: true });
    movingFocus = false;
  }

  function update(windows) {
    shown = windows;
    const kept = new Set();
    arrange(root, windows, null, kept);
    for (const [id, element] of elements) {
      if (!kept.has(id)) {
        element.remove();
        elements.delete(id);
      }
    }
    followFocus(windows);
    const focused = focusedNode(windows);
    listeners.forEach((listener) => listener(focused));
  }

  // The tree as the program has it at this moment, and the node with the program's focus.
  function refresh() {
    sendNow();
    return focusedNode(shown);
  }

  function clear() {
    update([]);
  }

  function nodeId(target) {
    const element = target instanceof Element ? target.closest("[data-id]") : null;
    return element && root.contains(element) ? Number(element.dataset.id) : null;
  }

  root.addEventListener("click", (event) => {
    const id = nodeId(event.target);
    if (id !== null) {
      event.preventDefault();
      request(id, ACTIVATE);
    }
  });
  root.addEventListener("focusin", (event) => {
    const id = nodeId(event.target);
    if (id !== null && !movingFocus) {
      request(id, FOCUS);
    }
  });
  // A screen reader's click may come with pointer events at no particular place; the program
  // would take them for a click on whatever the canvas shows there.
  for (const type of ["pointerdown", "pointerup", "pointermove", "mousedown", "mouseup"]) {
    window.addEventListener(
      type,
      (event) => {
        if (nodeId(event.target) !== null) {
          event.stopPropagation();
        }
      },
      true,
    );
  }
  // A click on the canvas gives it the page's focus, also when the program's focus stays where
  // it was: the page's focus goes back to that control's element.
  canvas.addEventListener("focus", () => followFocus(shown));
  window.addEventListener("mirtavo-ended", clear);

  window.mirtavoMirror = {
    update,
    refresh,
    followFocus: () => followFocus(shown),
    // Each update calls the listener with the node that has the program's focus, or null.
    onUpdate: (listener) => listeners.push(listener),
    connect(send, sendTree) {
      request = send;
      sendNow = sendTree;
    },
  };
})();
