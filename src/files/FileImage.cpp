#include "files/FileImage.h"

#include "common/KelvaneError.h"
#include "files/FileMessages.h"
#include "files/RecordStream.h"

#include <optional>

namespace {

constexpr std::string_view HEADER_CLASS = "TGridPropIO";
constexpr std::string_view CELL_CLASS = "TGridCellIO";
// The pixel sizes of the grid that wrote the file; no reader needs them.
constexpr const char* COLUMN_WIDTH = "64";
constexpr const char* ROW_HEIGHT = "21";

std::string repeatedList(const char* item, int count) {
    std::string list;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            list += ',';
        list += item;
    }
    return list;
}

template <class T> const T& valueAs(const Property& p) {
    if (const T* v = std::get_if<T>(&p.value))
        return *v;
    throw KelvaneError(INVALID_PROPERTY_VALUE);
}

struct Header {
    int columnCount = 0;
    int rowCount = 0;
};

// The header's size, checked before the image is made. "ColWidths", "RowHeights" and "ID"
// are read for their tags only.
Header readHeader(RecordReader& reader) {
    std::optional<std::int32_t> columns, rows;
    std::optional<bool> fullGrid;
    while (const std::optional<Property> p = reader.nextProperty()) {
        if (p->name == "ColCount")
            columns = valueAs<std::int32_t>(*p);
        else if (p->name == "RowCount")
            rows = valueAs<std::int32_t>(*p);
        else if (p->name == "FullGrid")
            fullGrid = valueAs<bool>(*p);
        else if (p->name == "ColWidths" || p->name == "RowHeights")
            valueAs<std::string>(*p);
        else if (p->name == "ID")
            valueAs<std::int32_t>(*p);
        else
            throw KelvaneError(propertyDoesNotExist(p->name));
    }
    if (!columns || !rows || !fullGrid || !*fullGrid || *columns < 1 || *rows < 1)
        throw KelvaneError(INVALID_PROPERTY_VALUE);
    if (*columns > FileImage::MOST_COLUMNS)
        throw KelvaneError(tooManyColumns(*columns, FileImage::MOST_COLUMNS));
    if (*rows > FileImage::ROW_COUNT)
        throw KelvaneError(tooManyRows(*rows, FileImage::ROW_COUNT));
    return {*columns, *rows};
}

void readCell(RecordReader& reader, FileImage& image) {
    std::optional<std::int32_t> column, row;
    std::string text;
    bool hasProperties = false;
    while (const std::optional<Property> p = reader.nextProperty()) {
        if (p->name == "Col")
            column = valueAs<std::int32_t>(*p);
        else if (p->name == "Row")
            row = valueAs<std::int32_t>(*p);
        else if (p->name == "Cell")
            text = valueAs<std::string>(*p);
        else if (p->name == "HasProp")
            hasProperties = valueAs<bool>(*p);
        else
            throw KelvaneError(propertyDoesNotExist(p->name));
    }
    // Formatting records would follow a cell with properties; none is ever written.
    if (!column || !row || hasProperties || *column < 0 || *column >= image.columnCount() ||
        *row < 0 || *row >= image.rowCount())
        throw KelvaneError(INVALID_PROPERTY_VALUE);
    image.setCell(*column, *row, std::move(text));
}

} // namespace

FileImage::FileImage(int columnCount, int rowCount)
    : columnCount_(columnCount), rowCount_(rowCount) {}

bool FileImage::contains(int column, int row) const {
    return column >= 0 && column < columnCount_ && row >= 0 && row < rowCount_;
}

const std::string& FileImage::cell(int column, int row) const {
    static const std::string empty;
    const auto found = cells_.find({column, row});
    return found == cells_.end() ? empty : found->second;
}

void FileImage::setCell(int column, int row, std::string text) {
    if (!contains(column, row))
        return;
    if (text.empty())
        cells_.erase({column, row});
    else
        cells_[{column, row}] = std::move(text);
}

bool FileImage::operator==(const FileImage& o) const {
    return columnCount_ == o.columnCount_ && rowCount_ == o.rowCount_ && cells_ == o.cells_;
}

std::string encodeFileImage(const FileImage& image, std::int32_t id) {
    RecordWriter w;
    w.beginRecord(HEADER_CLASS);
    w.integer("ColCount", image.columnCount());
    w.integer("RowCount", image.rowCount());
    w.text("ColWidths", repeatedList(COLUMN_WIDTH, image.columnCount()));
    w.text("RowHeights", repeatedList(ROW_HEIGHT, image.rowCount()));
    w.boolean("FullGrid", true);
    w.integer("ID", id);
    w.endRecord();
    for (const auto& [place, text] : image.filledCells()) {
        w.beginRecord(CELL_CLASS);
        w.integer("Col", place.first);
        w.integer("Row", place.second);
        w.text("Cell", text);
        w.boolean("HasProp", false);
        w.endRecord();
    }
    return w.bytes();
}

FileImage decodeFileImage(std::string_view bytes) {
    RecordReader reader(bytes);
    if (reader.nextRecord() != std::string(HEADER_CLASS))
        throw KelvaneError(INVALID_STREAM_FORMAT);
    const Header header = readHeader(reader);
    FileImage image(header.columnCount, header.rowCount);
    while (const std::optional<std::string> className = reader.nextRecord()) {
        if (*className != CELL_CLASS)
            throw KelvaneError(INVALID_STREAM_FORMAT);
        readCell(reader, image);
    }
    return image;
}
