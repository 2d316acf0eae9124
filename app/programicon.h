#pragma once

#include <QIcon>
#include <QList>
#include <QString>

#include <utility>

namespace app {

// An icon drawn from square pictures, one file for each size, that reads a file only once a
// size it serves is first asked for. A caption asks for one small size: reading all seven
// pictures (the largest 256 pixels wide) before the first window is drawn cost a browser's
// page tens of milliseconds. It picks and scales a picture as an icon made with
// QIcon::addFile does, in the normal mode for every mode: a window's icon has no other.
QIcon iconReadWhenDrawn(QList<std::pair<int, QString>> filesBySize);

// The program's window icon, in the sizes the launcher entry installs.
QIcon programIcon();

}  // namespace app
