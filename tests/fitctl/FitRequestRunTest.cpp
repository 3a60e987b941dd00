#include "fitctl/FitRequestRun.h"
#include "fitctl/FitMessages.h"

#include "../support/TableFixture.h"

#include <gtest/gtest.h>

namespace {

// X = 1, 2, 3 and Y = 2, 4, 7 in rows 1 to 3.
Document workedData() {
    return documentWith({{"1", "2"}, {"2", "4"}, {"3", "7"}});
}

TEST(FitRequestRun, AFitWithItsWarningsAndPoints) {
    Document d = workedData();
    d.table.setCellText(1, 5, "9"); // an X without a Y: warned about, then left out
    const FitRequestResult r = runFitRequest(d, true);
    ASSERT_TRUE(r.succeeded());
    EXPECT_EQ(r.warnings, std::vector<UserMessage>{incompleteRowsWarning()});
    EXPECT_EQ(r.pointCount, 3);
    EXPECT_NEAR(double(r.outcome.parameters[1].value), 2.5, 1e-12);
    EXPECT_EQ(r.rows.fitEndRow, 31);
}

// Each case ends the request with its message, or (released) without one; the steps run
// in the window's order, so an earlier one decides.
TEST(FitRequestRun, TheStepThatEndsTheRequest) {
    struct Case {
        const char* name;
        void (*prepare)(Document&);
        bool fitting;
        const char* failure; // nullptr: released without a message
        const char* caption;
    };
    const Case cases[] = {
        {"decimal points refused even when released",
         [](Document& d) { d.table.setCellText(2, 2, "4.0.0"); }, false,
         "You have a data point with too many decimal points! Please Fix it.", "ERROR"},
        {"released: no warning, no fit", [](Document& d) { d.table.setCellText(1, 5, "9"); }, false,
         nullptr, nullptr},
        {"a cell that does not convert", [](Document& d) { d.table.setCellText(2, 2, "x"); }, true,
         "'x' is not a valid floating point value", "Kelvane"},
        {"too few points", [](Document& d) { d.table.setCellText(2, 3, ""); }, true,
         "At least 3 data points are required to perform this fit.", "Error"},
        {"a fit that fails",
         [](Document& d) {
             d.table.setCellText(1, 2, "1");
             d.table.setCellText(1, 3, "1");
         },
         true, "Cannot fit: all X values are the same.", "Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Document d = workedData();
        c.prepare(d);
        const FitRequestResult r = runFitRequest(d, c.fitting);
        EXPECT_FALSE(r.succeeded());
        EXPECT_EQ(r.released, c.failure == nullptr);
        if (c.failure) {
            ASSERT_TRUE(r.failure);
            EXPECT_EQ(r.failure->text, c.failure);
            EXPECT_EQ(r.failure->caption, c.caption);
            EXPECT_EQ(r.failure->icon, MessageIcon::Stop);
        }
        EXPECT_TRUE(r.warnings.empty() || c.fitting);
    }
}

} // namespace
