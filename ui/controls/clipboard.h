#pragma once

class QImage;

namespace ui {

class MessageBox;

// Puts a picture on the clipboard. A browser takes one only through its asynchronous clipboard
// with picture items, on a secure page; where it has none, the user is told so instead.
void copyPicture(const QImage& picture, MessageBox& messageBox);

}  // namespace ui
