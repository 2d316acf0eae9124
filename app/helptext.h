#pragma once

#include <span>
#include <string>

namespace app {

// One piece of the help text. The help window adds the pieces in order, each at the insertion
// point; `toEnd` first moves the insertion point to the end of the text.
struct HelpPiece {
    bool toEnd;
    int indent;  // leading blanks
    const char* text;
};

// The 26 pieces of the help text: a title, a heading for each computation with the values its
// window asks for, and a closing paragraph.
std::span<const HelpPiece> helpPieces();

// A piece as it is added: its indent in blanks, its text, then CR LF.
std::string pieceText(const HelpPiece& piece);

}  // namespace app
