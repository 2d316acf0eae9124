#pragma once

#include <string>

namespace calc {

// How many items a scale whose items correlate r < 0 on average can have at most:
// floor(-1 / r - 1), so 0 for r = -1, 1 for r = -0.5 and 4 for r = -0.2. More items would make
// the Spearman-Brown denominator 1 + (k - 1) r zero or negative.
double itemLimit(double r);

// "For an inter-item correlation is -.2, there must be  4 or fewer items."
std::string limitMessage(double r, double limit);

// The same statement carried on to the count it rules out:
// "For an inter-item correlation is -.2, there must be  4 or fewer items, therefore,  6 is an
// invalid calculation."
std::string limitExceededMessage(double r, double limit, double items);

}  // namespace calc
