#pragma once

#include <cstdint>

// Linear axes, a logarithmic left axis, or both axes logarithmic.
enum class GraphType : std::uint8_t { Linear, SemiLog, LogLog };
