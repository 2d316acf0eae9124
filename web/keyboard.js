// Typing on a touch screen. A browser opens its on-screen keyboard only for an editable element
// that has the page's focus, and edits nothing inside a canvas, where the mirror's elements
// stand: so while the program's focus is in a field, one field of the page's own stands over it
// and has the page's focus. Keys pressed there go on to the program as keys typed in the canvas
// do; what an input method commits or composes there, which no key names, goes into the field
// through the program (ui/platform/browser.cpp). The page's field holds no text of its own.
(function () {
  "use strict";

  if (!(navigator.maxTouchPoints > 0)) {
    return;
  }
  const canvas = document.getElementById("qtcanvas");
  const mirror = window.mirtavoMirror;
  const field = document.createElement("input");
  field.id = "keyboard-field";
  field.type = "text";
  field.hidden = true;
  field.spellcheck = false;
  for (const [name, value] of [["autocomplete", "off"], ["autocapitalize", "off"],
    ["autocorrect", "off"], ["enterkeyhint", "go"]]) {
    field.setAttribute(name, value);
  }
  document.body.appendChild(field);

  let enterText = () => false;
  // A real key is down: the program has had it, and the browser's editing must not add it again.
  let keyDown = false;
  // What an input method does without a key of its own, done with the key that does it.
  const EDITING_KEYS = {
    deleteContentBackward: "Backspace",
    deleteContentForward: "Delete",
    insertLineBreak: "Enter",
    insertParagraph: "Enter",
  };

  function editable(node) {
    return !!node && node.role === "textbox" && !node.readonly && !node.blocked;
  }

  function standOver(node) {
    Object.assign(field.style, {
      left: `${node.x}px`,
      top: `${node.y}px`,
      width: `${node.width}px`,
      height: `${node.height}px`,
    });
    field.setAttribute("aria-label", node.name || "");
    field.hidden = false;
  }

  function leave() {
    const focused = document.activeElement === field;
    field.blur();
    field.hidden = true;
    if (focused) {
      mirror.followFocus();
    }
  }

  // After a tap, or a screen reader's click, that left the program's focus in a field: the
  // field of the page takes the focus within the user's gesture, when a browser opens its
  // keyboard. (Focused before the gesture, it is focused again.)
  function takeFocus() {
    const node = mirror.refresh();
    if (!editable(node)) {
      return;
    }
    standOver(node);
    field.blur();
    field.focus({ preventScroll: true });
  }

  // The program's focus moved: the page's field goes with it from field to field, and the
  // keyboard closes when it leaves the fields.
  mirror.onUpdate((node) => {
    if (document.activeElement !== field) {
      field.hidden = true;
    } else if (editable(node)) {
      standOver(node);
    } else {
      leave();
    }
  });

  function press(key) {
    for (const type of ["keydown", "keyup"]) {
      const named = { key, code: key, bubbles: true, cancelable: true, composed: true };
      canvas.dispatchEvent(new KeyboardEvent(type, named));
    }
  }

  // An input method's own key events (229, "Process") name no key; what they do comes as input.
  function fromInputMethod(event) {
    return event.isComposing || event.keyCode === 229 || event.key === "Process";
  }

  for (const type of ["keydown", "keyup"]) {
    field.addEventListener(type, (event) => {
      if (fromInputMethod(event)) {
        return;
      }
      keyDown = type === "keydown";
      const { key, code, location, repeat, shiftKey, ctrlKey, altKey, metaKey } = event;
      const copy = new KeyboardEvent(type, {
        ...{ key, code, location, repeat, shiftKey, ctrlKey, altKey, metaKey },
        ...{ bubbles: true, cancelable: true, composed: true },
      });
      // The program has the key; only the clipboard's own keys, which the program leaves to
      // the browser, may still do what the browser does with them (Tab would move its focus).
      const clipboardKey = (ctrlKey || metaKey) && ["c", "x", "v"].includes(key.toLowerCase());
      if (!canvas.dispatchEvent(copy) || !clipboardKey) {
        event.preventDefault();
      }
    });
  }

  // Chromium's program hears the clipboard's events on the whole document; other browsers' only
  // on the canvas.
  if (!window.chrome) {
    for (const type of ["copy", "cut", "paste"]) {
      field.addEventListener(type, (event) => {
        const copy = new ClipboardEvent(type, {
          clipboardData: event.clipboardData,
          bubbles: true,
          cancelable: true,
        });
        if (!canvas.dispatchEvent(copy)) {
          event.preventDefault();
        }
      });
    }
  }

  field.addEventListener("beforeinput", (event) => {
    if (event.cancelable) {
      event.preventDefault();
    }
    if (keyDown || event.isComposing || event.inputType === "insertCompositionText") {
      return;
    }
    const key = EDITING_KEYS[event.inputType];
    const text = event.data ?? event.dataTransfer?.getData("text/plain");
    if (key) {
      press(key);
    } else if (event.inputType.startsWith("insert") && text) {
      enterText(text, false);
    }
  });
  field.addEventListener("compositionupdate", (event) => enterText(event.data || "", true));
  field.addEventListener("compositionend", (event) => {
    enterText(event.data || "", false);
    field.value = "";
  });
  // What the browser put in the page's field all the same (a composition, which cannot be
  // refused) is the program's now.
  field.addEventListener("input", (event) => {
    if (!event.isComposing) {
      field.value = "";
    }
  });

  window.addEventListener("touchend", takeFocus);
  document.getElementById("mirror").addEventListener("click", takeFocus);
  window.addEventListener("mirtavo-ended", leave);

  window.mirtavoKeyboard = {
    connect(enter) {
      enterText = enter;
    },
  };
})();
