#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "calc/outcome.h"

// Shorthand for the expected steps of a click, and a readable print of them on failure.
namespace calc {

inline Step shows(std::string text) { return {Step::Kind::Message, std::move(text)}; }
inline Step writes(std::string text) { return {Step::Kind::Write, std::move(text)}; }

inline void PrintTo(const Step& step, std::ostream* out) {
    *out << (step.kind == Step::Kind::Message ? "shows \"" : "writes \"") << step.text << '"';
}

}  // namespace calc
