#pragma once

#include <QFont>

namespace ui {

// The faces the layouts were designed with. Where the desktop lacks one, a substitute of the
// same size and weight stands in (installFontSubstitutes).
inline constexpr char kSansSerif[] = "MS Sans Serif";
inline constexpr char kSerif[] = "Times New Roman";
inline constexpr char kScript[] = "Lucida Handwriting";

// Teaches the font matcher the nearest faces Debian ships: Liberation Sans (then DejaVu Sans),
// Liberation Serif, and the URW script face Z003 (then URW Chancery L), first registering those
// the program carries in its resources, if any. Call once at start-up.
void installFontSubstitutes();

// A design font: face, size in points (8.25, 9.75, 27.75) and weight.
QFont designFont(const char* face, double points, bool bold);

}  // namespace ui
