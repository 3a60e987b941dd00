#include "fitctl/FitMessages.h"

#include <gtest/gtest.h>

namespace {

TEST(FitMessages, FitStatusMessages) {
    EXPECT_FALSE(fitStatusMessage(FIT_OK));
    EXPECT_FALSE(fitStatusMessage(FIT_DIVERGED)); // its text needs the outcome
    EXPECT_EQ(fitStatusMessage(FIT_SINGULAR_MATRIX)->text, "Non-Invertable matrix. No solution.");
    const UserMessage odd = *fitStatusMessage(FIT_ZERO_VARIANCE);
    EXPECT_EQ(odd.text, "You have Zero Error Bars.");
    EXPECT_EQ(odd.caption, "This is Odd!");
    EXPECT_EQ(odd.icon, MessageIcon::Information);
    const UserMessage sameX = *fitStatusMessage(FIT_SAME_X);
    EXPECT_EQ(sameX.text, "Cannot fit: all X values are the same.");
    EXPECT_EQ(sameX.caption, "Error");
    EXPECT_EQ(sameX.icon, MessageIcon::Stop);
    EXPECT_EQ(fitStatusMessage(FIT_SAME_Y)->text, "Cannot fit: all Y values are the same.");
}

TEST(FitMessages, ADivergenceNamesItsIterationsAndLastSlope) {
    FitOutcome outcome;
    outcome.status = FIT_DIVERGED;
    outcome.iterations = 501;
    outcome.lastSlope = 0.298072916666666666L;
    const UserMessage message = *fitStatusMessage(outcome);
    EXPECT_EQ(message.text,
              "Series may be diverging! After501 iterations, Slope = 0.298072916666667");
    EXPECT_EQ(message.caption, "Divergent Series");
    EXPECT_EQ(message.icon, MessageIcon::Stop);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);

    outcome.status = FIT_SAME_X; // any other status keeps its own message
    EXPECT_EQ(fitStatusMessage(outcome), fitStatusMessage(FIT_SAME_X));
    outcome.status = FIT_OK;
    EXPECT_FALSE(fitStatusMessage(outcome));
}

TEST(FitMessages, AddColumnQuestionCountsTheColumnsTheMethodNeeds) {
    const UserMessage four = addColumnQuestion(ErrorMethod::DXIDYI);
    EXPECT_EQ(four.text, "You must have at least 4 columns of data for this error method. Do you "
                         "want to add a new column?");
    EXPECT_EQ(four.caption, "Add Columns");
    EXPECT_EQ(four.buttons, MessageButtons::YesNo);
    EXPECT_EQ(addColumnQuestion(ErrorMethod::DYI).caption, "Add A Column");
}

} // namespace
