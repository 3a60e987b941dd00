#pragma once

#include <optional>
#include <string>

class Chart;
class QImage;

// The graph as the bytes of a picture file, ready to be written whole. Each gives nothing
// when the drawing or the encoding failed.

// An image in one of Qt's own formats: "BMP", "PNG".
std::optional<std::string> imageFileBytes(const QImage& image, const char* format);
// Vector drawings of the chart at its on-screen size, at the screen's 96 dots an inch, so
// that text and lines keep the proportions seen on screen.
std::optional<std::string> svgFileBytes(Chart& chart);
std::optional<std::string> pdfFileBytes(Chart& chart);
