#pragma once

// The size of the printed graph in printer pixels: the graph's on-screen proportions,
// across the page's width when it is wider than high and down the page's height
// otherwise, truncated to whole pixels. A graph that would then run off the page (a
// nearly square one on a portrait page, say) is made smaller until it fits, rather than
// cut off. Nothing for a graph or a page without area.
struct PrintedSize {
    int width = 0;
    int height = 0;

    bool operator==(const PrintedSize& o) const { return width == o.width && height == o.height; }
};

PrintedSize printedGraphSize(int graphWidth, int graphHeight, int pageWidth, int pageHeight);
