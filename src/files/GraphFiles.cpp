#include "files/GraphFiles.h"

#include "files/FileNames.h"

GraphFileFormat graphFileFormat(GraphFileType type) {
    switch (type) {
    case GraphFileType::Bitmap:
        return {"Bitmap Files|*.bmp|All Files|*.*", ".bmp"};
    case GraphFileType::Jpeg:
        return {"Jpeg Files|*.jpg;*.jpeg|All Files|*.*", ".jpg"};
    case GraphFileType::Png:
        return {"PNG Files|*.png|All Files|*.*", ".png"};
    case GraphFileType::Svg:
        return {"SVG Files|*.svg|All Files|*.*", ".svg"};
    case GraphFileType::Pdf:
        break;
    }
    return {"PDF Files|*.pdf|All Files|*.*", ".pdf"};
}

std::string graphFileName(const std::string& chosen, GraphFileType type) {
    return withExtension(chosen, graphFileFormat(type).extension);
}
