#pragma once

#include <cstdint>

// The marker of the data points, in the order of the "Data Point Type" menu.
enum class PointStyle : std::uint8_t { Circle, Rectangle, Triangle, Cross, Star };
