#include "graph/PrintedSize.h"

PrintedSize printedGraphSize(int graphWidth, int graphHeight, int pageWidth, int pageHeight) {
    if (graphWidth <= 0 || graphHeight <= 0 || pageWidth <= 0 || pageHeight <= 0)
        return {};
    const long long w = graphWidth, h = graphHeight, pw = pageWidth, ph = pageHeight;
    const PrintedSize acrossWidth{pageWidth, static_cast<int>(h * pw / w)};
    const PrintedSize downHeight{static_cast<int>(w * ph / h), pageHeight};
    const bool wide = w > h;
    const PrintedSize chosen = wide ? acrossWidth : downHeight;
    const bool fits = chosen.width <= pageWidth && chosen.height <= pageHeight;
    if (fits)
        return chosen;
    return wide ? downHeight : acrossWidth;
}
