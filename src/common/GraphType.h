#pragma once

#include <cstdint>

// Linear axes, a logarithmic left axis, or both axes logarithmic.
enum class GraphType : std::uint8_t { Linear, SemiLog, LogLog };

// The two value axes of the graph: X along the bottom, Y up the left side.
enum class PlotAxis { X, Y };

// Semi-log graphs take the logarithm of Y only; log-log graphs of both.
inline bool isLogarithmic(GraphType type, PlotAxis axis) {
    return axis == PlotAxis::X ? type == GraphType::LogLog : type != GraphType::Linear;
}
