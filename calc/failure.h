#pragma once

#include <stdexcept>

namespace calc {

// A run-time failure inside a computation: text that is not a number, a count outside 16 bits,
// a division by zero or a result beyond the range of a double. It abandons the rest of the
// computation; runTrapped() turns it into the error trap's message.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace calc
