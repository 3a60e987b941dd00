// Exporting the graph as a picture, for lab reports: the two images of old, PNG, and SVG
// and PDF as vector drawings. A file is written whole or not at all.

#include "app/Unit1.h"

#include "app/GuardedCommand.h"
#include "app/MainActions.h"
#include "common/KelvaneError.h"
#include "files/AtomicWrite.h"
#include "files/FileMessages.h"
#include "files/GraphFiles.h"
#include "graph/Chart.h"
#include "graph/GraphFileWriter.h"
#include "graph/JpegEncoder.h"
#include "shell/UiServices.h"

#include <QAction>

#include <utility>

namespace {

constexpr int JPEG_QUALITY = 90;

// The JPEG is encoded from the drawing itself: going through the clipboard would throw
// away whatever the user had copied there.
std::optional<std::string> graphFileBytes(Chart& chart, GraphFileType type) {
    switch (type) {
    case GraphFileType::Bitmap:
        return imageFileBytes(chart.renderImage(), "BMP");
    case GraphFileType::Jpeg:
        return jpegBytes(chart.renderImage(), JPEG_QUALITY);
    case GraphFileType::Png:
        return imageFileBytes(chart.renderImage(), "PNG");
    case GraphFileType::Svg:
        return svgFileBytes(chart);
    case GraphFileType::Pdf:
        break;
    }
    return pdfFileBytes(chart);
}

} // namespace

void TMainForm::connectExportCommands() {
    const MainActions& a = *actions_;
    for (const auto& [action, type] : {std::pair(a.FileExportGraphBitmap, GraphFileType::Bitmap),
                                       std::pair(a.FileExportGraphJpeg, GraphFileType::Jpeg),
                                       std::pair(a.FileExportGraphPng, GraphFileType::Png),
                                       std::pair(a.FileExportGraphSvg, GraphFileType::Svg),
                                       std::pair(a.FileExportGraphPdf, GraphFileType::Pdf)})
        connect(action, &QAction::triggered, this,
                [this, type = type] { runCommand(ui_, [this, type] { exportGraph(type); }); });
}

// FileExportGraphBitmapAccept, FileExportGraphJpegAccept and their newer siblings. The
// document is not changed. A graph that cannot be drawn or a file that cannot be written
// is said so, and no file is left half written.
void TMainForm::exportGraph(GraphFileType type) {
    if (commitCellEdit().refused)
        return;
    const QString chosen = ui_.saveFileName(QLatin1String(graphFileFormat(type).filter), true);
    if (chosen.isEmpty())
        return;
    const std::string path = graphFileName(chosen.toStdString(), type);
    const std::optional<std::string> bytes = graphFileBytes(*chart_, type);
    if (!bytes || !writeFileAtomically(QString::fromStdString(path), *bytes))
        throw KelvaneError(cannotCreateFile(path));
}
