#include "app/helptext.h"

#include <array>

namespace app {
namespace {

constexpr bool kToEnd = true;
constexpr bool kKept = false;

// clang-format off
constexpr std::array<HelpPiece, 26> kPieces{{
    {kToEnd, 5, "Mirtavo -- 'Reliability Computation'"},
    {kToEnd, 0, ""},
    {kToEnd, 0, "*Estimate reliability using variances (Cronbach's Alpha)"},
    {kKept,  5, "Enter the number of items: e.g. 6 (Must be positive integer)"},
    {kKept,  5, "Enter the scale variance: e.g. 4.5"},
    {kKept,  5, "Enter the sum of variance of the individual items: e.g. 2.4"},
    {kToEnd, 0, ""},
    {kToEnd, 0, "*Estimate reliability using inter-item r (Spearman-Brown)"},
    {kKept,  5, "Enter the number of items: e.g. 7 (Must be positive integer)"},
    {kKept,  5, "Enter the average inter-item r: e.g. .15"},
    {kToEnd, 0, ""},
    {kToEnd, 0, "*Estimate inter-item r from alpha"},
    {kKept,  5, "Enter the number of items: e.g. 6 (Must be positive integer)"},
    {kKept,  5, "Enter alpha: e.g. .65"},
    {kToEnd, 0, ""},
    {kToEnd, 0, "*How many items are needed?"},
    {kKept,  5, "Enter the average inter-item r: e.g. .15"},
    {kKept,  5, "Enter the desired reliability: e.g. .68"},
    {kToEnd, 0, ""},
    {kToEnd, 0, "*Table and graph reliability as a function of the number of items"},
    {kKept,  5, "Enter the average inter-item r: e.g. .15"},
    {kKept,  5, "Enter a range of the number of items:"},
    {kKept, 10, "The lower number: e.g. 2"},
    {kKept, 10, "The upper number: e.g. 8"},
    {kToEnd, 0, ""},
    {kToEnd, 0, "If you like this software, please donate some books to your local library. "
                "Mirtavo was updated on 08/27/2001. Please address any concerns to Ada Quill "
                "(ada.quill@example.org) or Ben Marlow (ben.marlow@example.org)."},
}};
// clang-format on

}  // namespace

std::span<const HelpPiece> helpPieces() { return kPieces; }

std::string pieceText(const HelpPiece& piece) {
    return std::string(static_cast<std::size_t>(piece.indent), ' ') + piece.text + "\r\n";
}

}  // namespace app
