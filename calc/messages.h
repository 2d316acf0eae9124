#pragma once

// The program's own messages, word for word as the user sees them.
namespace calc::messages {

inline constexpr char kErrorTrap[] = "Error occurs. Please check Help file.";
inline constexpr char kItemsPositive[] = "Number or items must be a positive integer.";
inline constexpr char kVariancesPositive[] = "Variances must be positive.";
inline constexpr char kEnterCorrelation[] = "Please enter a correlation.";
inline constexpr char kCorrelationRange[] =
    "A correlation cannot be less than -1 or greater than +1.";
inline constexpr char kEnterAlpha[] = "Please enter alpha.";
inline constexpr char kAlphaRange[] = "Alpha cannot be less than -1 or greater than +1.";
inline constexpr char kNegativeAlpha[] = "Although alpha can be negative, it typically is not.";
inline constexpr char kZeroCorrelation[] = "Inter-item r cannot equal zero for this calculation.";
inline constexpr char kEnterDesiredReliability[] = "Please enter a desired reliability.";
inline constexpr char kDesiredReliabilityRange[] =
    "Desired reliability must be at least as large as the inter-item r, but less than +1.";
inline constexpr char kEnterGraphCorrelation[] = "Please enter the average inter-item r.";
inline constexpr char kGraphCorrelationRange[] =
    "Graph is not produced for negative inter-item r(s) or r(s) greater than +1.";
inline constexpr char kEnterLowerNumber[] = "Please enter the lower number in the range.";
inline constexpr char kEnterUpperNumber[] = "Please enter the upper number in the range.";
inline constexpr char kLowerAtLeastOne[] = "Lower number must be no less than 1.";
inline constexpr char kUpperAboveLower[] = "Upper number must be greater than the lower number.";

}  // namespace calc::messages
