#pragma once

namespace ui {

// In a browser, where Qt 6.4 tells no screen reader anything, shows the accessible tree to the
// page, which mirrors it in ARIA elements inside the canvas (web/mirror.js): the tree again
// after every accessibility event, and the page's requests (a screen reader's click or focus on
// an element) carried out on the control it mirrors. Called once, before any window is shown.
void mirrorAccessibleTreeInPage();

// Sends the tree now rather than once the program is idle: for the page, which must act on it
// within the user's tap.
void sendTree();

}  // namespace ui
