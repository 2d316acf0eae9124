#pragma once

class QApplication;

namespace ui {

// In a browser: the text an on-screen keyboard commits or composes, which the page
// (web/keyboard.js) hands over, goes to the focused field; and no widget opens a menu that
// would wait for the user, since nothing may wait on the browser's only thread. Called once,
// before any window is shown.
void takeInputFromPage(QApplication& application);

// Keeps Qt's own input context out, which would give the focus to a field of its own, outside
// the page on most platforms, whenever a field of the program takes it. Called before the
// application is made.
void leaveTheKeyboardToThePage();

}  // namespace ui
