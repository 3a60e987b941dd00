#pragma once

#include "document/Document.h"
#include "files/FileImage.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// What a data file says about one axis.
struct FileAxisSettings {
    std::string labelFormat;       // "0.00" when the file has none
    std::optional<bool> automatic; // none when the scale mode is no keyword
    std::string manualMinimum;     // the limit fields' texts with a manual scale
    std::string manualMaximum;
    bool scientific = false;
    bool minorGrid = false;
    bool formatFixed = false;
};

// A data file's document, read and checked in full: what Open puts in place before it
// replays the settings. A keyword the program does not know leaves its setting as it was,
// so those settings are optional here.
struct DocumentFile {
    explicit DocumentFile(FileImage fileImage) : image(std::move(fileImage)) {}

    FileImage image; // the data table's names and cells are its columns 1 and up

    std::optional<ErrorMethod> errorMethod;
    std::optional<FitType> fitType;
    std::optional<bool> errorBarsShown;
    std::optional<PointStyle> pointStyle;
    ColorRef errorBarColor = BLACK;
    int errorBarWidth = 1;
    ColorRef dataPointColor = RED;
    ColorRef fitLineColor = GREEN;
    // One of the row-count choices; any other number in the file gives the smallest.
    int dataRowCount = DataTable::DEFAULT_ROW_COUNT;
    ColumnRoles roles;
    std::string graphTitle;
    std::string xAxisTitle;
    std::string yAxisTitle;
    FileAxisSettings xAxis;
    FileAxisSettings yAxis;
    UserModelSettings userModel; // empty when the file has none
};

// The largest data file the program reads: far beyond any document it writes.
inline constexpr std::size_t MOST_DOCUMENT_BYTES = 64u << 20;

// Save's image of a document: the data table's names and every kept cell (the rows out
// of sight too) in columns 1 and up, the settings in column 0. A table wider than a file
// may be is refused with the message Open would give.
FileImage imageOf(const Document& document);

// The bytes Save writes; `id` names the writing window and changes from run to run.
std::string encodeDocument(const Document& document, std::int32_t id);

// Checks the settings column: the colours (rows 6, 8, 10) and integers (rows 7, 11 to
// 16) must be texts of their kind, and the column count of row 12 must be the image's.
// Throws KelvaneError; nothing is read from an image that fails.
DocumentFile readDocumentImage(const FileImage& image);

// Both stages of reading: the record stream, then the settings.
DocumentFile decodeDocument(std::string_view bytes);

// The whole file at `path`, decoded. "Cannot open file" when it cannot be read, and a
// file larger than MOST_DOCUMENT_BYTES is refused before it is read.
DocumentFile readDocumentFile(const std::string& path);

// The document the file holds. What the file does not store (the graph type, the Axis
// Options' decimals, the file name and the unsaved-changes flag) and the settings whose
// keyword the file does not know come from `base`; the selection starts anew.
Document documentFrom(const DocumentFile& file, const Document& base);
