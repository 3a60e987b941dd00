// The data file as a whole: the bytes Save writes for a document, what Open reads back
// from every settings row, and the files it refuses.

#include "../support/ErrorText.h"
#include "../support/TempFiles.h"

#include "common/KelvaneError.h"
#include "files/DocumentFile.h"
#include "files/FileMessages.h"
#include "files/RecordStream.h"
#include "files/SettingTexts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

std::string byte(int b) {
    return std::string(1, static_cast<char>(b));
}

std::string shortString(const std::string& s) {
    return byte(int(s.size())) + s;
}

// A cell record with one-byte integers and a short 7-bit text, written out by hand.
std::string cellRecord(int column, int row, const std::string& text) {
    return "TPF0" + shortString("TGridCellIO") + byte(0) + shortString("Col") + byte(2) +
           byte(column) + shortString("Row") + byte(2) + byte(row) + shortString("Cell") + byte(6) +
           shortString(text) + shortString("HasProp") + byte(8) + byte(0) + byte(0);
}

std::string defaultHeader(int id) {
    std::string heights = "21";
    for (int i = 1; i < 201; ++i)
        heights += ",21";
    return "TPF0" + shortString("TGridPropIO") + byte(0) + shortString("ColCount") + byte(2) +
           byte(3) + shortString("RowCount") + byte(3) + byte(201) + byte(0) +
           shortString("ColWidths") + byte(6) + shortString("64,64,64") +
           shortString("RowHeights") + byte(12) + byte(602 & 0xFF) + byte(602 >> 8) + byte(0) +
           byte(0) + heights + shortString("FullGrid") + byte(9) + shortString("ID") + byte(2) +
           byte(id) + byte(0) + byte(0);
}

TEST(DocumentFileWrite, TheDefaultDocumentIsItsHeaderAndOneRecordPerFilledCell) {
    const std::vector<std::pair<int, std::string>> settings = {
        {0, "ESTDY"},    {1, "Graph Title"}, {2, "X"},         {3, "Y"},         {4, "LINEAR"},
        {5, "NOSHOW"},   {6, "clBlack"},     {7, "1"},         {8, "clRed"},     {9, "circle"},
        {10, "clGreen"}, {11, "30"},         {12, "3"},        {13, "1"},        {14, "-1"},
        {15, "2"},       {16, "-1"},         {17, "#,##0.00"}, {18, "#,##0.00"}, {19, "XAUTO"},
        {22, "FALSE"},   {23, "TRUE"},       {24, "YAUTO"},    {27, "FALSE"},    {28, "TRUE"},
        {29, "FALSE"},   {30, "FALSE"}};
    std::string expected = defaultHeader(5);
    for (const auto& [row, text] : settings)
        expected += cellRecord(0, row, text);
    expected += cellRecord(1, 0, "X") + cellRecord(2, 0, "Y");
    EXPECT_EQ(encodeDocument(Document(), 5), expected);
}

// A document of random content, as the user could make it: every field the file keeps,
// texts of every encoding, rows kept out of sight below a lowered row count.
Document randomDocument(std::mt19937& rng) {
    const auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    const std::vector<std::string> pieces = {
        "1.5", "-2e3", "T", "\u00b0C", "\u6e29\u5ea6", "\U0001F600", std::string(300, 'w'),
        "a b", "\"q\""};
    const auto text = [&] {
        std::string t;
        for (int i = pick(1, 3); i > 0; --i)
            t += pieces[static_cast<std::size_t>(pick(0, int(pieces.size()) - 1))];
        return t;
    };
    const auto maybeText = [&] { return pick(0, 3) == 0 ? std::string() : text(); };
    Document d;
    for (int c = pick(1, 40); c > 0; --c)
        d.table.addColumn(maybeText());
    d.table.setDataRowCount(200);
    for (int cell = pick(0, 400); cell > 0; --cell)
        d.table.setCellText(pick(1, d.table.columnCount() - 1), pick(1, 200), text());
    d.table.setDataRowCount(DataTable::ROW_COUNT_CHOICES[std::size_t(pick(0, 8))]);
    d.roles = {pick(-1, 50), pick(-1, 50), pick(-1, 50), pick(-1, 50)};
    d.fitType = static_cast<FitType>(pick(0, 7));
    d.errorMethod = static_cast<ErrorMethod>(pick(0, 2));
    d.graphTitle = maybeText();
    d.xAxisTitle = maybeText();
    d.yAxisTitle = maybeText();
    d.pointStyle = static_cast<PointStyle>(pick(0, 4));
    d.dataPointColor = static_cast<ColorRef>(rng());
    d.fitLineColor = static_cast<ColorRef>(rng());
    d.errorBarColor = static_cast<ColorRef>(rng());
    d.errorBarsShown = pick(0, 1) == 1;
    d.errorBarWidth = static_cast<int>(rng());
    for (AxisSettings* axis : {&d.xAxis, &d.yAxis}) {
        axis->automatic = pick(0, 1) == 1;
        if (!axis->automatic) {
            axis->manualMinimum = maybeText();
            axis->manualMaximum = maybeText();
        }
        axis->labelFormat = text();
        axis->scientific = pick(0, 1) == 1;
        axis->minorGrid = pick(0, 1) == 1;
    }
    d.xFormatFixed = pick(0, 1) == 1;
    d.yFormatFixed = pick(0, 1) == 1;
    return d;
}

TEST(DocumentFileRoundTrip, RandomDocumentsReopenEqual) {
    std::mt19937 rng(20240611);
    for (int i = 0; i < 200; ++i) {
        const Document saved = randomDocument(rng);
        const Document opened = documentFrom(decodeDocument(encodeDocument(saved, i)), Document());
        ASSERT_EQ(opened, saved) << "document " << i;
    }
}

// An import of a one-column text table leaves one data column, an empty one none.
TEST(DocumentFileRoundTrip, TablesNarrowerThanANewOneReopenEqual) {
    for (const int dataColumns : {1, 0}) {
        Document d;
        while (d.table.columnCount() - 1 > dataColumns)
            d.table.deleteColumn(d.table.columnCount() - 1);
        d.table.setCellText(1, 1, "2.5");
        EXPECT_EQ(documentFrom(decodeDocument(encodeDocument(d, 0)), Document()), d)
            << dataColumns << " data columns";
    }
}

TEST(DocumentFileRoundTrip, RowsOutOfSightAreSavedAndStayOutOfSight) {
    Document d;
    d.table.setDataRowCount(60);
    d.table.setCellText(1, 45, "4.5");
    d.table.setDataRowCount(30);
    Document opened = documentFrom(decodeDocument(encodeDocument(d, 0)), Document());
    EXPECT_EQ(opened.table.dataRowCount(), 30);
    EXPECT_EQ(opened.table.cellText(1, 45), "");
    opened.table.setDataRowCount(60);
    EXPECT_EQ(opened.table.cellText(1, 45), "4.5");
}

// The default document's image with one settings row changed.
DocumentFile withSetting(int row, const std::string& text) {
    FileImage image = imageOf(Document());
    image.setCell(0, row, text);
    return decodeDocument(encodeFileImage(image, 0));
}

TEST(DocumentFileRead, EachSettingsRowBecomesItsSetting) {
    // A document whose every keyword setting differs from what the file could say.
    Document base;
    base.errorMethod = ErrorMethod::DYI;
    base.fitType = FitType::POWERLAW;
    base.errorBarsShown = true;
    base.pointStyle = PointStyle::Star;
    base.xAxis.automatic = false;
    base.xAxis.manualMinimum = "1";
    base.xAxis.manualMaximum = "2";
    const struct {
        int row;
        std::string text;
        std::function<bool(const Document&)> holds;
    } cases[] = {
        {0, "DXIDYI", [](const Document& d) { return d.errorMethod == ErrorMethod::DXIDYI; }},
        {0, "dyi", [](const Document& d) { return d.errorMethod == ErrorMethod::DYI; }},
        {4, "FORTHPOLY", [](const Document& d) { return d.fitType == FitType::FORTHPOLY; }},
        {4, "CUBIC", [](const Document& d) { return d.fitType == FitType::POWERLAW; }},
        {5, "SHOW", [](const Document& d) { return d.errorBarsShown; }},
        {5, "show", [](const Document& d) { return d.errorBarsShown; }},
        {6, "CLNAVY", [](const Document& d) { return d.errorBarColor == 0x800000; }},
        {7, "7", [](const Document& d) { return d.errorBarWidth == 7; }},
        {8, "$0080ff40", [](const Document& d) { return d.dataPointColor == 0x0080FF40; }},
        {9, "triangle", [](const Document& d) { return d.pointStyle == PointStyle::Triangle; }},
        {9, "Triangle", [](const Document& d) { return d.pointStyle == PointStyle::Star; }},
        {10, "65280", [](const Document& d) { return d.fitLineColor == 0x00FF00; }},
        {11, "60", [](const Document& d) { return d.table.dataRowCount() == 60; }},
        {11, "50", [](const Document& d) { return d.table.dataRowCount() == 30; }},
        {11, "$C8", [](const Document& d) { return d.table.dataRowCount() == 200; }},
        {14, "2", [](const Document& d) { return d.roles.dx == 2; }},
        {17, "", [](const Document& d) { return d.xAxis.labelFormat == "0.00"; }},
        {18, "0.000E+00", [](const Document& d) { return d.yAxis.labelFormat == "0.000E+00"; }},
        {19, "XAUTO",
         [](const Document& d) { return d.xAxis.automatic && d.xAxis.manualMinimum.empty(); }},
        {19, "XMANUAL", [](const Document& d) { return !d.xAxis.automatic; }},
        {19, "xauto", [](const Document& d) { return d.xAxis.manualMinimum == "1"; }},
        {22, "TRUE", [](const Document& d) { return d.xAxis.scientific; }},
        {23, "True", [](const Document& d) { return !d.xAxis.minorGrid; }},
        {30, "TRUE", [](const Document& d) { return d.yFormatFixed; }},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(c.holds(documentFrom(withSetting(c.row, c.text), base)))
            << "row " << c.row << " \"" << c.text << "\"";
}

std::string decodeError(const std::string& bytes) {
    return errorText([&] { decodeDocument(bytes); }, "(read)");
}

std::string settingError(int row, const std::string& text) {
    FileImage image = imageOf(Document());
    image.setCell(0, row, text);
    return decodeError(encodeFileImage(image, 0));
}

TEST(DocumentFileRead, SettingsThatAreNoNumbersOrColoursAreRefused) {
    EXPECT_EQ(settingError(7, "abc"), "'abc' is not a valid integer value");
    EXPECT_EQ(settingError(6, ""), "'' is not a valid integer value");
    EXPECT_EQ(settingError(8, "red"), notAValidInteger("red"));
    EXPECT_EQ(settingError(10, "$1000000000"), notAValidInteger("$1000000000"));
    EXPECT_EQ(settingError(11, "30.0"), notAValidInteger("30.0"));
    EXPECT_EQ(settingError(13, " 1"), notAValidInteger(" 1"));
    EXPECT_EQ(settingError(16, "2147483648"), notAValidInteger("2147483648"));
    // The column count must be the header's.
    EXPECT_EQ(settingError(12, "4"), "Invalid property value");
}

// A header record for `columns` columns and `rows` rows, with the properties `extra`
// writes after FullGrid.
std::string header(int columns, int rows, bool fullGrid = true,
                   const std::function<void(RecordWriter&)>& extra = {}) {
    RecordWriter w;
    w.beginRecord("TGridPropIO");
    w.integer("ColCount", columns);
    w.integer("RowCount", rows);
    w.boolean("FullGrid", fullGrid);
    if (extra)
        extra(w);
    w.endRecord();
    return w.bytes();
}

std::string cell(int column, int row, const std::function<void(RecordWriter&)>& extra = {}) {
    RecordWriter w;
    w.beginRecord("TGridCellIO");
    w.integer("Col", column);
    w.integer("Row", row);
    w.text("Cell", "x");
    if (extra)
        extra(w);
    w.endRecord();
    return w.bytes();
}

TEST(DocumentFileRead, RecordsTheProgramNeverWritesAreRefused) {
    const struct {
        const char* what;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"a cell with properties of its own",
         header(3, 201) + cell(1, 1, [](RecordWriter& w) { w.boolean("HasProp", true); }),
         "Invalid property value"},
        {"part of a grid", header(3, 201, false), "Invalid property value"},
        {"a property cells do not have",
         header(3, 201) + cell(1, 1, [](RecordWriter& w) { w.text("Color", "red"); }),
         "Property Color does not exist"},
        {"a property the header does not have",
         header(3, 201, true, [](RecordWriter& w) { w.integer("Cols", 3); }),
         "Property Cols does not exist"},
        {"a text where a number belongs",
         header(3, 201, true, [](RecordWriter& w) { w.text("ID", "7"); }),
         "Invalid property value"},
        {"a cell outside the grid", header(3, 201) + cell(3, 1), "Invalid property value"},
        {"a row outside the grid", header(3, 40) + cell(1, 40), "Invalid property value"},
        {"a negative row", header(3, 201) + cell(1, -1), "Invalid property value"},
        {"no columns", header(0, 201), "Invalid property value"},
        {"a cell first", cell(1, 1), "Invalid stream format"},
        {"a second header", header(3, 201) + header(3, 201), "Invalid stream format"},
        {"too many columns", header(5000, 201), tooManyColumns(5000, FileImage::MOST_COLUMNS)},
        {"too many rows", header(3, 70000), tooManyRows(70000, FileImage::ROW_COUNT)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeError(c.bytes), c.message) << c.what;
    Document wide;
    while (wide.table.columnCount() <= FileImage::MOST_COLUMNS)
        wide.table.addColumn("C");
    EXPECT_EQ(errorText([&] { encodeDocument(wide, 0); }),
              tooManyColumns(FileImage::MOST_COLUMNS + 1, FileImage::MOST_COLUMNS))
        << "what Open refuses is not written";
    EXPECT_EQ(tooManyColumns(5000, 1024),
              "The document has 5000 columns; Kelvane opens documents of at most 1024 columns.");
    EXPECT_EQ(tooManyRows(500, 201), "The document has 500 rows; Kelvane's table holds at most "
                                     "201: the names and 200 data rows.");
}

std::string fileError(const std::string& path) {
    return errorText([&] { readDocumentFile(path); }, "(read)");
}

TEST(DocumentFileRead, FilesThatCannotBeReadOrAreTooLarge) {
    const std::string absent = tempFolder() + "/absent.dat";
    EXPECT_EQ(fileError(absent), "Cannot open file " + absent);
    EXPECT_EQ(fileError(tempFolder()), cannotOpenFile(tempFolder()));
    EXPECT_EQ(cannotCreateFile("/x/a.dat"), "Cannot create file /x/a.dat");
    // A sparse file: large, but it costs the disk nothing.
    const std::string big = writeTempFile("big.dat", "");
    std::filesystem::resize_file(big, MOST_DOCUMENT_BYTES + 1);
    EXPECT_EQ(fileError(big),
              "The file is larger than 64 MB; no document Kelvane writes is that large.");
    EXPECT_EQ(fileError("/dev/zero"), documentTooLarge(MOST_DOCUMENT_BYTES));
    EXPECT_EQ(fileError(writeTempFile("doc.dat", encodeDocument(Document(), 1))), "(read)");
}

TEST(SettingTexts, IntegerTextsAreDecimalOrDollarHexadecimal) {
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"12", 12},
        {"-1", -1},
        {"+5", 5},
        {"007", 7},
        {"$FF", 255},
        {"$ff", 255},
        {"$FFFFFFFF", -1},
        {"$000000010", 16},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"1.5", std::nullopt},
        {"0x10", std::nullopt},
        {"-$1", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseIntegerText(c.text), c.value) << c.text;
    EXPECT_EQ(integerText(-1), "-1");
    EXPECT_EQ(integerText(200), "200");
}

TEST(SettingTexts, ColoursAreNamedWhenTheTableHasThem) {
    const struct {
        ColorRef color;
        const char* text;
    } written[] = {{0x0000FF, "clRed"},      {0x008000, "clGreen"},   {0x000000, "clBlack"},
                   {0xF0CAA6, "clSkyBlue"},  {0xA4A0A0, "clMedGray"}, {0x0080FF40, "$0080FF40"},
                   {0xFF000005, "$FF000005"}};
    for (const auto& c : written) {
        EXPECT_EQ(colorText(c.color), c.text);
        EXPECT_EQ(parseColorText(c.text), c.color) << c.text;
    }
    const struct {
        const char* text;
        std::optional<ColorRef> color;
    } read[] = {{"CLRED", 0xFF},    {"clmoneygreen", 0xC0DCC0}, {"255", 0xFF},
                {"$0000ff", 0xFF},  {"-1", 0xFFFFFFFF},         {"red", std::nullopt},
                {"", std::nullopt}, {"clRed ", std::nullopt}};
    for (const auto& c : read)
        EXPECT_EQ(parseColorText(c.text), c.color) << c.text;
}

} // namespace
