#pragma once

// What a platform does differently, asked here so that no other file asks which platform it is
// on. One source per platform answers, chosen by the build:
//
//   x11.cpp      the Unix desktops: X11 (whose window manager tells a frame in advance), Wayland
//   browser.cpp  Qt for WebAssembly in a page: the page's mirror, keyboard, clipboard and end
//   other.cpp    everything else: Windows, macOS
//
// Includes point one way (windows over controls over geometry over calc); platform stands
// beside them: any folder may include this header, which includes none of theirs.

#include <QFont>
#include <QMargins>

#include <optional>

class QApplication;
class QWidget;

namespace ui::platform {

// Whether there is a display to show windows on. Qt aborts with a cryptic message when it finds
// no X11 or Wayland display; Windows always has its desktop, and a browser its page.
bool hasDisplay();

// What must be set before the application is made: a browser keeps Qt's own input context out,
// which would give the focus to a field of its own, outside the page on most platforms,
// whenever a field of the program takes it.
void prepare();

// Ties the program to its surroundings once the application is made, before any window is
// shown. In a browser: the page mirrors the accessible tree in ARIA elements (web/mirror.js) and
// carries out a screen reader's requests on the controls; the text an on-screen keyboard commits
// or composes (web/keyboard.js) goes to the focused field; and no widget opens a menu that would
// wait for the user, since nothing may wait on the browser's only thread.
void start(QApplication& application);

// The face message boxes and fields get where the platform gives the toolkit none of its own:
// a browser's fallback is larger than a desktop's, so they get the one a Linux desktop gives.
std::optional<QFont> defaultFace();

// The frame (border and caption) the window manager will put around a top-level window that is
// not shown yet, where it can be asked in advance: under X11 it is. The window's native window
// must exist.
std::optional<QMargins> windowManagerFrame(QWidget& window);

// Whether a picture can be put on the clipboard: a browser takes one only through its
// asynchronous clipboard with picture items, on a secure page.
bool clipboardTakesPictures();

// Tells the surroundings that the program has ended: in a browser the event loop never hands
// control back to main(), so the page is told, and shows that the program has ended.
void programEnded();

}  // namespace ui::platform
