// A user model through the fit request and its results: the dialog's checks, the same
// numbers as the built-in line where the law is one, the texts, the curve, the band.

#include "fit/NonlinearMessages.h"
#include "fitctl/FitBand.h"
#include "fitctl/FitMessages.h"
#include "fitctl/FitResiduals.h"
#include "fitctl/FitResultTexts.h"
#include "fitctl/RoundedResults.h"
#include "fitctl/UserModelEntries.h"
#include "fitctl/UserModelRun.h"

#include "../support/FitFixture.h"
#include "../support/TableFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const std::string CR = "\r";

// The worked example of the X and Y error bars: X = 1..4, Y = 2.1, 3.9, 6.2, 7.8, every
// dX 0.1 and dY 0.2, in columns X, Y, dX, dY.
Document workedExample(const std::string& law = "a + b*x") {
    Document d = documentWith({{"1", "2.1", "0.1", "0.2"},
                               {"2", "3.9", "0.1", "0.2"},
                               {"3", "6.2", "0.1", "0.2"},
                               {"4", "7.8", "0.1", "0.2"}});
    d.roles = ColumnRoles{1, 3, 2, 4};
    d.userModel.equation = law;
    return d;
}

std::variant<UserModelSettings, UserMessage> checked(const std::string& equation,
                                                     std::vector<UserParameterEntry> entries) {
    return checkedUserModel(equation, entries);
}

std::string problemOf(const std::variant<UserModelSettings, UserMessage>& v) {
    const UserMessage* m = std::get_if<UserMessage>(&v);
    return m ? m->text : "(accepted)";
}

// The dialog's checks answer with the engine's messages, so the window and kelvane-fit say
// the same; the first problem decides.
TEST(UserModelEntries, EachProblemHasItsMessage) {
    namespace m = nonlinear_messages;
    const UserParameterEntry good{"tau", "2", false, "", ""};
    const struct {
        const char* equation;
        UserParameterEntry entry;
        std::string message;
    } cases[] = {
        {"  ", good, m::blankEquation()},
        {"tau*x", {"tau", "two", false, "", ""}, m::startNotNumber("tau")},
        {"tau*x", {"tau", "", false, "", ""}, m::startNotNumber("tau")},
        {"tau*x", {"tau", "2", false, "0..1", ""}, m::boundNotNumber("tau")},
        {"tau*x", {"tau", "2", false, "", "inf"}, m::boundNotNumber("tau")},
        {"tau*x", {"tau", "2", false, "3", "1"}, m::lowerNotBelowUpper("tau")},
        {"tau*x", {"tau", "2", false, "2", "2"}, m::lowerNotBelowUpper("tau")},
        {"tau*x", {"tau", "5", false, "0", "2.5"}, m::startOutsideBounds("tau")},
        {"tau*x", {"tau", "-1", false, "0", ""}, m::startOutsideBounds("tau")},
        {"tau*x", {"tau", "2", true, "", ""}, m::everythingFixed()},
        {"tau*x", {"tau", "2", false, " 1 ", "+3"}, "(accepted)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(problemOf(checked(c.equation, {c.entry})), c.message)
            << c.entry.start << " " << c.entry.lower << " " << c.entry.upper;
}

TEST(UserModelEntries, SoundRowsBecomeTheSettings) {
    const auto v = checked("V0*(1 - exp(-x/tau))",
                           {{"V0", " +5 ", true, "", ""}, {"tau", "0.25", false, "0", "1e3"}});
    ASSERT_TRUE(std::holds_alternative<UserModelSettings>(v)) << problemOf(v);
    const UserModelSettings& m = std::get<UserModelSettings>(v);
    EXPECT_EQ(m.equation, "V0*(1 - exp(-x/tau))");
    EXPECT_EQ(m.parameters, (std::vector<UserParameterSettings>{{"V0", 5, true, {}, {}},
                                                                {"tau", 0.25, false, 0.0, 1e3}}));
    // The parser's own message for a law that does not parse.
    EXPECT_NE(problemOf(checked("a*(x", {})), "(accepted)");
}

TEST(UserModelEntries, RowsFollowTheEquationAndKeepWhatWasTyped) {
    const std::vector<UserParameterEntry> typed{{"tau", "0.5", true, "0", ""},
                                                {"gone", "3", false, "", ""}};
    const std::vector<UserParameterEntry> rows = refreshedEntries({"V0", "tau"}, typed);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "V0");
    EXPECT_EQ(rows[0].start, "1");
    EXPECT_EQ(rows[1].start, "0.5");
    EXPECT_TRUE(rows[1].fixed);
    EXPECT_EQ(entriesOf({{"a", 0.1 + 0.2, false, -1.0, {}}})[0].start, "0.30000000000000004");
}

// Typed as a law, the straight line must give the built-in line's numbers: the same
// least squares for estimated dY and Y error bars, York's line for X and Y error bars.
TEST(UserModelFit, TheLineTypedAsALawIsTheBuiltInLine) {
    for (ErrorMethod method : {ErrorMethod::ESTDY, ErrorMethod::DYI, ErrorMethod::DXIDYI}) {
        const FitOutcome user = fitDocument(workedExample(), FitType::USERMODEL, method);
        const FitOutcome line = fitDocument(workedExample(), FitType::LINEAR, method);
        ASSERT_TRUE(user.succeeded()) << user.failure;
        ASSERT_EQ(user.parameters.size(), 2u);
        for (int k = 0; k < 2; ++k) {
            EXPECT_NEAR(double(user.parameters[k].value), double(line.parameters[k].value), 1e-6)
                << int(method) << " " << k;
            if (method != ErrorMethod::DXIDYI) { // York's σ come from a different expansion
                EXPECT_NEAR(double(user.parameters[k].sigma), double(line.parameters[k].sigma),
                            1e-6);
            }
        }
        EXPECT_EQ(user.degreesOfFreedom, 2);
        if (method != ErrorMethod::ESTDY) {
            EXPECT_NEAR(double(user.reducedChiSquare), double(line.reducedChiSquare), 1e-5);
        }
    }
    const FitOutcome york = fitDocument(workedExample(), FitType::USERMODEL, ErrorMethod::DXIDYI);
    EXPECT_NEAR(double(york.parameters[0].value), 0.139744, 5e-7);
    EXPECT_NEAR(double(york.parameters[1].value), 1.944103, 5e-7);
}

// For a law linear in its parameters the delta method is exact: the band is the line's.
TEST(UserModelFit, TheBandOfALinearLawIsTheLinesBand) {
    const FitOutcome user = fitDocument(workedExample(), FitType::USERMODEL, ErrorMethod::DYI);
    const FitOutcome line = fitDocument(workedExample(), FitType::LINEAR, ErrorMethod::DYI);
    for (double x : {-1.0, 0.0, 2.5, 10.0})
        EXPECT_NEAR(double(fittedSigma(user, x)), double(fittedSigma(line, x)), 1e-7) << x;
    const FitCurve curve = fitCurve(user, {0, 5});
    EXPECT_EQ(curve.belowRange.size() + curve.withinRange.size() + curve.aboveRange.size(), 1001u);
    EXPECT_EQ(curve.withinRange.front().x, 1); // solid over the data only
    EXPECT_EQ(curve.withinRange.back().x, 4);
    EXPECT_EQ(confidenceBand(user, curve).size(), 1001u);
    const std::vector<Residual> residuals =
        fitResiduals(user, runFitRequest(
                               [] {
                                   Document d = workedExample();
                                   d.fitType = FitType::USERMODEL;
                                   d.errorMethod = ErrorMethod::DYI;
                                   return d;
                               }(),
                               true)
                               .points);
    ASSERT_EQ(residuals.size(), 4u);
    EXPECT_NEAR(residuals[0].residual, 2.1 - double(evaluateFit(user, 1)), 1e-12);
    EXPECT_EQ(residuals[0].dy, 0.2);
}

// An outcome with the texts' figures set by hand.
FitOutcome handOutcome(ErrorMethod method) {
    FitOutcome o;
    o.fitType = FitType::USERMODEL;
    o.errorMethod = method;
    o.userModel = std::get<std::shared_ptr<const UserModel>>(parseUserModel("V0*(1-exp(-x/tau))"));
    o.parameters = {{"V0", 4.98765432L, 0.0123456L}, {"tau", 0.5L, 0, true}};
    o.residualStandardDeviation = 0.0321L;
    o.reducedChiSquare = 1.25L;
    o.iterations = 7;
    return o;
}

TEST(UserModelFit, ResultTextsNameTheParametersAndTheFitsFigures) {
    EXPECT_EQ(summaryText(handOutcome(ErrorMethod::ESTDY), '.'),
              "y = V0*(1-exp(-x/tau)):" + CR + "V0 = 4.98765  +/-  0.0123456" + CR +
                  "tau = 0.5 (fixed)" + CR + "Residual Std Dev = 0.0321   Iterations = 7");
    EXPECT_EQ(
        resultLines(handOutcome(ErrorMethod::DYI), ','),
        (std::vector<std::string>{"y = V0*(1-exp(-x/tau))", "V0 = 4,98765 +/- 0,0123456",
                                  "tau = 0,5 (fixed)", "Reduced Chi^2 = 1,25    Iterations = 7"}));
    EXPECT_EQ(roundedResults(handOutcome(ErrorMethod::ESTDY), '.').text,
              "y = V0*(1-exp(-x/tau))\nV0 = (4.988 ± 0.012)\ntau = 0.5 (fixed)\n"
              "Residual Std Dev = 0.032\n");
    // A law typed with its own "y =" is not given a second one.
    FitOutcome typed = handOutcome(ErrorMethod::DXIDYI);
    typed.userModel = std::get<std::shared_ptr<const UserModel>>(parseUserModel("y = V0*x"));
    EXPECT_EQ(footerEquationOf(typed), "y = V0*x");
}

TEST(UserModelFit, AFailedFitShowsWhyAndNothingElse) {
    // Two points cannot carry a line and a third free parameter.
    Document d = workedExample("a + b*x + c*x^2 + d*x^3");
    d.fitType = FitType::USERMODEL;
    const FitRequestResult r = runFitRequest(d, true);
    ASSERT_TRUE(r.failure);
    EXPECT_FALSE(r.outcome.succeeded());
    EXPECT_TRUE(r.outcome.parameters.empty());
    EXPECT_EQ(*r.failure, *fitStatusMessage(r.outcome));
    EXPECT_TRUE(fitCurve(r.outcome, {0, 5}).withinRange.empty());
}

TEST(UserModelFit, ThePreviewIsTheLawAtItsStartValues) {
    Document d = workedExample("log(x - c)");
    d.userModel.parameters = {{"c", 1.5, false, {}, {}}};
    d.fitType = FitType::USERMODEL;
    const FitPoints points = std::get<FitPoints>(collectFitPoints(d, fitRowsOf(d)));
    const FitOutcome start = startValueOutcome(
        std::get<std::shared_ptr<const UserModel>>(parseUserModel(d.userModel.equation)),
        d.userModel, points);
    EXPECT_NEAR(double(evaluateFit(start, 3)), std::log(1.5), 1e-15);
    EXPECT_EQ(start.xMin, 1);
    EXPECT_EQ(start.xMax, 4);
    EXPECT_EQ(firstUnevaluatedX(start, points), 1.0L);
    d.userModel.parameters[0].start = 0;
    EXPECT_EQ(firstUnevaluatedX(startValueOutcome(start.userModel, d.userModel, points), points),
              std::nullopt);
}

} // namespace
