#include "files/DocumentFile.h"

#include "common/KelvaneError.h"
#include "files/FileMessages.h"
#include "files/SettingTexts.h"
#include "files/UserModelRows.h"
#include "fitctl/FitTexts.h"

#include <array>
#include <filesystem>
#include <fstream>

namespace {

// Column 0 of the image, row by row.
enum SettingsRow : int {
    ERROR_METHOD_ROW = 0,
    GRAPH_TITLE_ROW = 1,
    X_TITLE_ROW = 2,
    Y_TITLE_ROW = 3,
    FIT_TYPE_ROW = 4,
    ERROR_BARS_ROW = 5,
    ERROR_BAR_COLOR_ROW = 6,
    ERROR_BAR_WIDTH_ROW = 7,
    DATA_POINT_COLOR_ROW = 8,
    POINT_STYLE_ROW = 9,
    FIT_LINE_COLOR_ROW = 10,
    ROW_COUNT_ROW = 11,
    COLUMN_COUNT_ROW = 12,
    X_ROLE_ROW = 13,
    DX_ROLE_ROW = 14,
    Y_ROLE_ROW = 15,
    DY_ROLE_ROW = 16,
};

// The rows of one axis's settings and the words of its scale mode.
struct AxisRows {
    int labelFormat;
    int scale;
    int minimum;
    int maximum;
    int scientific;
    int minorGrid;
    int formatFixed;
    const char* automaticWord;
    const char* manualWord;
};

constexpr AxisRows X_AXIS_ROWS = {17, 19, 20, 21, 22, 23, 29, "XAUTO", "XMANUAL"};
constexpr AxisRows Y_AXIS_ROWS = {18, 24, 25, 26, 27, 28, 30, "YAUTO", "YMANUAL"};

constexpr const char* SHOWN = "SHOW";
constexpr const char* HIDDEN = "NOSHOW";
constexpr const char* TRUE_TEXT = "TRUE";
constexpr const char* FALSE_TEXT = "FALSE";
constexpr const char* DEFAULT_LABEL_FORMAT = "0.00";

// In the order of PointStyle.
constexpr std::array<const char*, 5> POINT_STYLE_WORDS = {"circle", "rectangle", "triangle",
                                                          "cross", "star"};

constexpr int MOST_DATA_ROWS = DataTable::ROW_COUNT_CHOICES.back();

const char* flagText(bool on) {
    return on ? TRUE_TEXT : FALSE_TEXT;
}

void putAxis(FileImage& image, const AxisSettings& axis, bool formatFixed, const AxisRows& rows) {
    image.setCell(0, rows.labelFormat, axis.labelFormat);
    image.setCell(0, rows.scale, axis.automatic ? rows.automaticWord : rows.manualWord);
    if (!axis.automatic) {
        image.setCell(0, rows.minimum, axis.manualMinimum);
        image.setCell(0, rows.maximum, axis.manualMaximum);
    }
    image.setCell(0, rows.scientific, flagText(axis.scientific));
    image.setCell(0, rows.minorGrid, flagText(axis.minorGrid));
    image.setCell(0, rows.formatFixed, flagText(formatFixed));
}

void putSettings(FileImage& image, const Document& d) {
    image.setCell(0, ERROR_METHOD_ROW, textsOf(d.errorMethod).keyword);
    image.setCell(0, GRAPH_TITLE_ROW, d.graphTitle);
    image.setCell(0, X_TITLE_ROW, d.xAxisTitle);
    image.setCell(0, Y_TITLE_ROW, d.yAxisTitle);
    image.setCell(0, FIT_TYPE_ROW, textsOf(d.fitType).keyword);
    image.setCell(0, ERROR_BARS_ROW, d.errorBarsShown ? SHOWN : HIDDEN);
    image.setCell(0, ERROR_BAR_COLOR_ROW, colorText(d.errorBarColor));
    image.setCell(0, ERROR_BAR_WIDTH_ROW, integerText(d.errorBarWidth));
    image.setCell(0, DATA_POINT_COLOR_ROW, colorText(d.dataPointColor));
    const auto style = static_cast<std::size_t>(d.pointStyle);
    if (style < POINT_STYLE_WORDS.size())
        image.setCell(0, POINT_STYLE_ROW, POINT_STYLE_WORDS[style]);
    image.setCell(0, FIT_LINE_COLOR_ROW, colorText(d.fitLineColor));
    image.setCell(0, ROW_COUNT_ROW, integerText(d.table.dataRowCount()));
    image.setCell(0, COLUMN_COUNT_ROW, integerText(d.table.columnCount()));
    image.setCell(0, X_ROLE_ROW, integerText(d.roles.x));
    image.setCell(0, DX_ROLE_ROW, integerText(d.roles.dx));
    image.setCell(0, Y_ROLE_ROW, integerText(d.roles.y));
    image.setCell(0, DY_ROLE_ROW, integerText(d.roles.dy));
    putAxis(image, d.xAxis, d.xFormatFixed, X_AXIS_ROWS);
    putAxis(image, d.yAxis, d.yFormatFixed, Y_AXIS_ROWS);
    putUserModel(image, d.userModel);
}

std::int32_t integerAt(const FileImage& image, int row) {
    const std::string& text = image.cell(0, row);
    if (const std::optional<std::int32_t> value = parseIntegerText(text))
        return *value;
    throw KelvaneError(notAValidInteger(text));
}

ColorRef colorAt(const FileImage& image, int row) {
    const std::string& text = image.cell(0, row);
    if (const std::optional<ColorRef> color = parseColorText(text))
        return *color;
    throw KelvaneError(notAValidInteger(text));
}

std::optional<bool> keywordFlag(const std::string& text, const char* yes, const char* no) {
    if (text == yes)
        return true;
    if (text == no)
        return false;
    return std::nullopt;
}

std::optional<PointStyle> pointStyleNamed(const std::string& word) {
    for (std::size_t i = 0; i < POINT_STYLE_WORDS.size(); ++i)
        if (word == POINT_STYLE_WORDS[i])
            return static_cast<PointStyle>(i);
    return std::nullopt;
}

FileAxisSettings axisAt(const FileImage& image, const AxisRows& rows) {
    FileAxisSettings axis;
    const std::string& format = image.cell(0, rows.labelFormat);
    axis.labelFormat = format.empty() ? DEFAULT_LABEL_FORMAT : format;
    axis.automatic = keywordFlag(image.cell(0, rows.scale), rows.automaticWord, rows.manualWord);
    if (axis.automatic == false) {
        axis.manualMinimum = image.cell(0, rows.minimum);
        axis.manualMaximum = image.cell(0, rows.maximum);
    }
    axis.scientific = image.cell(0, rows.scientific) == TRUE_TEXT;
    axis.minorGrid = image.cell(0, rows.minorGrid) == TRUE_TEXT;
    axis.formatFixed = image.cell(0, rows.formatFixed) == TRUE_TEXT;
    return axis;
}

void takeAxis(const FileAxisSettings& from, AxisSettings& axis, bool& formatFixed) {
    axis.labelFormat = from.labelFormat;
    if (from.automatic) {
        axis.automatic = *from.automatic;
        // Automatic empties the limit fields.
        axis.manualMinimum = from.manualMinimum;
        axis.manualMaximum = from.manualMaximum;
    }
    axis.scientific = from.scientific;
    axis.minorGrid = from.minorGrid;
    formatFixed = from.formatFixed;
}

DataTable tableFrom(const FileImage& image, int dataRowCount, char decimalSeparator) {
    DataTable table(decimalSeparator);
    while (table.columnCount() > image.columnCount())
        table.deleteColumn(table.columnCount() - 1);
    while (table.columnCount() < image.columnCount())
        table.addColumn({});
    // Every row the image holds is kept; the row count decides which are in sight.
    table.setDataRowCount(MOST_DATA_ROWS);
    for (int column = 1; column < image.columnCount(); ++column)
        table.renameColumn(column, image.cell(column, 0)); // a name the file lacks is empty
    for (const auto& [place, text] : image.filledCells())
        if (place.first > 0 && place.second > 0) // column 0 holds the settings
            table.setCellText(place.first, place.second, text);
    table.setDataRowCount(dataRowCount);
    return table;
}

} // namespace

FileImage imageOf(const Document& document) {
    const DataTable& table = document.table;
    // A file that Open would refuse is not written at all.
    if (table.columnCount() > FileImage::MOST_COLUMNS)
        throw KelvaneError(tooManyColumns(table.columnCount(), FileImage::MOST_COLUMNS));
    FileImage image(table.columnCount());
    putSettings(image, document);
    for (int column = 1; column < table.columnCount(); ++column) {
        image.setCell(column, 0, table.columnName(column));
        for (int row = 1; row <= MOST_DATA_ROWS; ++row)
            if (std::string text = table.keptCellText(column, row); !text.empty())
                image.setCell(column, row, std::move(text));
    }
    return image;
}

std::string encodeDocument(const Document& document, std::int32_t id) {
    return encodeFileImage(imageOf(document), id);
}

DocumentFile readDocumentImage(const FileImage& image) {
    DocumentFile file{image};
    file.errorBarColor = colorAt(image, ERROR_BAR_COLOR_ROW);
    file.errorBarWidth = integerAt(image, ERROR_BAR_WIDTH_ROW);
    file.dataPointColor = colorAt(image, DATA_POINT_COLOR_ROW);
    file.fitLineColor = colorAt(image, FIT_LINE_COLOR_ROW);
    const int rows = integerAt(image, ROW_COUNT_ROW);
    file.dataRowCount = DataTable::isRowCountChoice(rows) ? rows : DataTable::DEFAULT_ROW_COUNT;
    // The header sized the image; a settings column that disagrees is not the program's.
    if (integerAt(image, COLUMN_COUNT_ROW) != image.columnCount())
        throw KelvaneError(INVALID_PROPERTY_VALUE);
    file.roles = {integerAt(image, X_ROLE_ROW), integerAt(image, DX_ROLE_ROW),
                  integerAt(image, Y_ROLE_ROW), integerAt(image, DY_ROLE_ROW)};

    file.errorMethod = errorMethodFromKeyword(image.cell(0, ERROR_METHOD_ROW));
    file.fitType = fitTypeFromKeyword(image.cell(0, FIT_TYPE_ROW));
    file.errorBarsShown = keywordFlag(image.cell(0, ERROR_BARS_ROW), SHOWN, HIDDEN);
    file.pointStyle = pointStyleNamed(image.cell(0, POINT_STYLE_ROW));
    file.graphTitle = image.cell(0, GRAPH_TITLE_ROW);
    file.xAxisTitle = image.cell(0, X_TITLE_ROW);
    file.yAxisTitle = image.cell(0, Y_TITLE_ROW);
    file.xAxis = axisAt(image, X_AXIS_ROWS);
    file.yAxis = axisAt(image, Y_AXIS_ROWS);
    file.userModel = userModelAt(image);
    // A user model's keyword without its law names nothing that could be fitted.
    if (file.fitType == FitType::USERMODEL && file.userModel.empty())
        file.fitType.reset();
    return file;
}

DocumentFile decodeDocument(std::string_view bytes) {
    return readDocumentImage(decodeFileImage(bytes));
}

DocumentFile readDocumentFile(const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        throw KelvaneError(cannotOpenFile(path));
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw KelvaneError(cannotOpenFile(path));
    // Read in pieces, so that a device that never ends is refused once it passes the bound.
    std::string bytes;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > MOST_DOCUMENT_BYTES)
            throw KelvaneError(documentTooLarge(MOST_DOCUMENT_BYTES));
    }
    if (in.bad())
        throw KelvaneError(cannotOpenFile(path));
    return decodeDocument(bytes);
}

Document documentFrom(const DocumentFile& file, const Document& base) {
    Document d = base;
    d.table = tableFrom(file.image, file.dataRowCount, base.table.decimalSeparator());
    d.roles = file.roles;
    d.selectionTop = d.selectionBottom = 0;
    d.errorMethod = file.errorMethod.value_or(base.errorMethod);
    d.fitType = file.fitType.value_or(base.fitType);
    d.userModel = file.userModel;
    d.errorBarsShown = file.errorBarsShown.value_or(base.errorBarsShown);
    d.pointStyle = file.pointStyle.value_or(base.pointStyle);
    d.errorBarColor = file.errorBarColor;
    d.errorBarWidth = file.errorBarWidth;
    d.dataPointColor = file.dataPointColor;
    d.fitLineColor = file.fitLineColor;
    d.graphTitle = file.graphTitle;
    d.xAxisTitle = file.xAxisTitle;
    d.yAxisTitle = file.yAxisTitle;
    takeAxis(file.xAxis, d.xAxis, d.xFormatFixed);
    takeAxis(file.yAxis, d.yAxis, d.yFormatFixed);
    return d;
}
