// The user model in a data file: the rows Save writes below the settings, what Open reads
// back from them, and the rows it refuses.

#include "../support/ErrorText.h"

#include "files/DocumentFile.h"
#include "files/FileMessages.h"
#include "files/UserModelRows.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <limits>

namespace {

Document withCharging() {
    Document d;
    d.fitType = FitType::USERMODEL;
    d.userModel.equation = "V0*(1 - exp(-x/tau))";
    d.userModel.parameters = {{"V0", 5, false, std::nullopt, std::nullopt},
                              {"tau", 0.1, true, 0.0, 1e300}};
    return d;
}

Document reopened(const Document& d) {
    return documentFrom(decodeDocument(encodeDocument(d, 0)), Document());
}

TEST(UserModelRows, TheLawAndEachParameterHaveTheirRow) {
    const FileImage image = imageOf(withCharging());
    EXPECT_EQ(image.cell(0, 4), "USERMODEL");
    EXPECT_EQ(image.cell(0, USER_MODEL_ROW), "V0*(1 - exp(-x/tau))");
    EXPECT_EQ(image.cell(0, USER_MODEL_ROW + 1), "V0 5 FREE - -");
    EXPECT_EQ(image.cell(0, USER_MODEL_ROW + 2), "tau 0.1 FIXED 0 1e+300");
    EXPECT_EQ(image.cell(0, USER_MODEL_ROW + 3), "");
}

TEST(UserModelRows, ADocumentWithoutALawWritesNothingBelowTheSettings) {
    const FileImage image = imageOf(Document());
    for (int row = USER_MODEL_ROW; row < FileImage::ROW_COUNT; ++row)
        EXPECT_EQ(image.cell(0, row), "") << "row " << row;
}

TEST(UserModelRows, LawsAndTheirParametersReopenEqual) {
    Document charging = withCharging();
    Document kept = withCharging(); // a law kept while a built-in function is chosen
    kept.fitType = FitType::EXPONENTIAL;
    Document exact = withCharging(); // starts and bounds that need every digit
    exact.userModel.parameters = {{"a", 0.1 + 0.2, false, -std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::denorm_min()},
                                  {"b", -1.0 / 3, false, std::nullopt, 2.5}};
    Document unicode = withCharging(); // the parser takes UTF-8 letters into names
    unicode.userModel.equation = "y = A*cos(x - φ)^2";
    unicode.userModel.parameters = {{"A", 1, false, {}, {}}, {"φ", 0, false, {}, {}}};
    for (const Document& d : {charging, kept, exact, unicode})
        EXPECT_EQ(reopened(d), d) << d.userModel.equation;
}

DocumentFile withRows(const std::vector<std::string>& rows) {
    FileImage image = imageOf(withCharging());
    for (int row = USER_MODEL_ROW + 1; row < FileImage::ROW_COUNT; ++row)
        image.setCell(0, row, "");
    for (std::size_t i = 0; i < rows.size(); ++i)
        image.setCell(0, USER_MODEL_ROW + 1 + static_cast<int>(i), rows[i]);
    return decodeDocument(encodeFileImage(image, 0));
}

TEST(UserModelRows, ParameterRowsOfAnotherFormAreRefused) {
    for (const std::string row : {"tau", "tau 1 FREE -", "tau 1 FREE - - 2", "tau x FREE - -",
                                  "tau 1 free - -", "tau 1 LOOSE - -", "tau 1 FREE a -",
                                  "tau 1 FREE - 1e999", "tau nan FREE - -", "tau 0,5 FREE - -"})
        EXPECT_EQ(errorText([&] {
                      withRows({"V0 1 FREE - -", row});
                  }),
                  damagedUserParameter(row))
            << row;
    // The rows run to the first empty one.
    const FileImage image = imageOf(withCharging());
    FileImage gap = image;
    gap.setCell(0, USER_MODEL_ROW + 1, "");
    EXPECT_TRUE(decodeDocument(encodeFileImage(gap, 0)).userModel.parameters.empty());
}

TEST(UserModelRows, TextsBeyondTheBoundAreRefused) {
    FileImage image = imageOf(withCharging());
    image.setCell(0, USER_MODEL_ROW, std::string(MOST_USER_MODEL_TEXT + 1, 'a'));
    EXPECT_EQ(errorText([&] { decodeDocument(encodeFileImage(image, 0)); }),
              userModelTextTooLong(MOST_USER_MODEL_TEXT));
}

// A keyword for a law the file does not hold is one the program does not know.
TEST(UserModelRows, TheKeywordWithoutALawLeavesTheFunctionAsItWas) {
    FileImage image = imageOf(withCharging());
    image.setCell(0, USER_MODEL_ROW, "");
    Document base;
    base.fitType = FitType::POWERLAW;
    const Document opened = documentFrom(decodeDocument(encodeFileImage(image, 0)), base);
    EXPECT_EQ(opened.fitType, FitType::POWERLAW);
    EXPECT_TRUE(opened.userModel.empty());
}

} // namespace

namespace {

// A document saved with a law reads back to the same bytes (the window's ID was 1).
TEST(UserModelRows, ASavedDocumentIsWrittenAgainByteForByte) {
    const std::string path = std::string(KELVANE_TEST_DATA_DIR) + "/documents/user_model.dat";
    const Document d = documentFrom(readDocumentFile(path), Document());
    EXPECT_EQ(d.userModel.equation, "A*exp(-x/tau)*cos(2*pi*x/T + phi)");
    EXPECT_EQ(d.userModel.parameters.size(), 4u);
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(encodeDocument(d, 1), bytes);
}

} // namespace
