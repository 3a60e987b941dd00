#pragma once

#include <string>

// The kinds of file the graph is exported to: the two pictures the Export Graph menu has
// always offered, and PNG, SVG and PDF for lab reports (SVG and PDF as vector drawings).
enum class GraphFileType { Bitmap, Jpeg, Png, Svg, Pdf };

struct GraphFileFormat {
    const char* filter;    // the save dialog's "description|pattern|..." list
    const char* extension; // appended by the name rule
};

GraphFileFormat graphFileFormat(GraphFileType type);

// The name the picture is written under: the chosen name with the type's extension
// appended unless the name already contains it (so graph.jpeg becomes graph.jpeg.jpg).
std::string graphFileName(const std::string& chosen, GraphFileType type);
