#pragma once

class QApplication;

namespace ui {

// Keeps every widget from opening a menu of its own that waits for the user in a nested event
// loop, which never returns where the program shares the browser's only thread: a scroll bar's
// context menu (Scroll here, Top, Bottom, ...) is one. Fields keep their menus, which do not wait.
void refuseMenusThatWait(QApplication& application);

}  // namespace ui
