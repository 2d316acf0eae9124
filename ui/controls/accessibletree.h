#pragma once

#include <QAccessible>
#include <QJsonArray>

namespace ui::accessible {

// What assistive technology knows of the program's shown windows, read from Qt's accessible
// interfaces (the ones AT-SPI reads on Linux) and put as plain values that a web page can mirror
// with ARIA. A window is an array entry; each node is an object with
//   id           Qt's unique id of the interface, stable while its object lives
//   role         the ARIA role: dialog (a window), alertdialog (a message box), menu, menuitem,
//                radio, button, textbox, img, separator, or text (a label, no role of its own)
//   name, description, value       where not empty; a textbox's value is its text
//   focusable, focused, checked, multiline, readonly, modal, blocked     where true; a window
//                that a modal box holds back is blocked, and so is everything in it
//   x, y, width, height            where it stands on the screen, in pixels
//   children     a window's controls, in Qt's order; the containers that only lay them out
//                are left out, and so is what Qt keeps inside a control (a field's scroll bars)
// For example the main window, once shown, is
//   {"id":7, "role":"dialog", "name":"Mirtavo -- Reliability Computation", "children":[
//     {"id":8, "role":"radio", "name":"Estimate reliability using variances", ...}, ...]}
QJsonArray describeWindows();

// What a screen reader asks of a node, by the id describeWindows gave it. The page sends these
// codes (web/mirror.js), and the browser's bridge takes them from here.
enum class Request {
    // Does what a click does: presses a button or menu item, chooses an option, focuses a field.
    Activate = 0,
    // Gives the node's control the keyboard focus and activates its window.
    Focus = 1,
};

// Carries out the request and says whether it was done. A node that is gone, and a node of a
// window that a modal box holds back, refuse, as they refuse a click.
bool perform(QAccessible::Id id, Request request);

}  // namespace ui::accessible
