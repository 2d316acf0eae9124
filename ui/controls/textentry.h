#pragma once

class QString;

namespace ui {

// How an on-screen keyboard's input method hands over text: what it has settled on, or what it
// is still composing (shown in the field, underlined, until it is settled or given up).
enum class TextEntry {
    Commit = 0,
    Compose = 1,
};

// Puts text from an input method into the field that has the keyboard focus, as the desktop's
// input methods do: at the insertion point, over the selection, exactly as typed. Says whether
// a field took it; the focus on anything but an editable field (a button, a box's OK) takes
// nothing.
bool enterText(const QString& text, TextEntry entry);

}  // namespace ui
