#include "FitTestSupport.h"

#include "fit/Dxidyi.h"
#include "fit/Dyi.h"
#include "fit/Stdfit.h"

// Data that share their leading digits: the same points shifted in X or in Y.
// The references were computed once in exact rational arithmetic from the
// decimal data (square roots to 40 digits) and are stored to 21 digits. b,
// its uncertainty, r and the reduced chi-square do not depend on the shift;
// a and its uncertainty follow it.

namespace {

constexpr double NINE_DIGITS = 1e-9;
// 1e12 + 2.1 is held to about 6e-8 in extended precision: the input itself
// moves the residuals by that much.
constexpr double INPUT_ROUNDED = 1e-7;

const auto X = oneBased({1, 2, 3, 4, 5, 6});
const auto Y = oneBased({2.1L, 3.9L, 6.2L, 7.8L, 10.1L, 12.2L});
const auto DY = oneBased({0.1L, 0.2L, 0.15L, 0.3L, 0.25L, 0.2L});
const auto DX = oneBased({0.05L, 0.1L, 0.05L, 0.1L, 0.05L, 0.1L});

// The results that no shift changes.
struct Invariant {
    long double b, sigmaB, reducedChiSquare, r;
};

// One shift and the intercept it leads to.
struct Rung {
    long double xShift, yShift, a, sigmaA;
    double tolerance; // relative
};

std::vector<long double> shifted(const std::vector<long double>& v, long double shift) {
    std::vector<long double> out = v;
    for (std::size_t i = 1; i < out.size(); ++i) {
        out[i] += shift;
    }
    return out;
}

template <class Fit> void expectRung(const Fit& fit, const Invariant& same, const Rung& rung) {
    SCOPED_TRACE(testing::Message() << "X + " << static_cast<double>(rung.xShift) << ", Y + "
                                    << static_cast<double>(rung.yShift));
    expectRelative(fit.GetA(), rung.a, rung.tolerance, "a");
    expectRelative(fit.GetSigmaA(), rung.sigmaA, rung.tolerance, "sigmaA");
    expectRelative(fit.GetB(), same.b, rung.tolerance, "b");
    expectRelative(fit.GetSigmaB(), same.sigmaB, rung.tolerance, "sigmaB");
    expectRelative(fit.GetReducedChiSquare(), same.reducedChiSquare, rung.tolerance, "chi²");
    expectRelative(fit.GetR(), same.r, rung.tolerance, "r");
}

// Fits the shifted points of every rung with make(x, y) and checks the results.
template <std::size_t N, class Make>
void climb(const Invariant& same, const Rung (&ladder)[N], Make make) {
    for (const Rung& rung : ladder) {
        const auto x = shifted(X, rung.xShift);
        const auto y = shifted(Y, rung.yShift);
        auto fit = make(x.data(), y.data());
        ASSERT_EQ(fit.Fit(), FIT_OK);
        expectRung(fit, same, rung);
    }
}

TEST(ShiftedData, StdFitKeepsItsDigits) {
    const Invariant same = {2.02L, 0.0427617987059879015495L, 0L, 0.999104932480817965289L};
    const Rung ladder[] = {
        {0, 0, -0.02L, 0.166533279957290618823L, NINE_DIGITS},
        {1e3L, 0, -2020.02L, 42.9115271448682178541L, NINE_DIGITS},
        {1e6L, 0, -2020000.02L, 42761.9483723457332454L, NINE_DIGITS},
        {1e9L, 0, -2020000000.02L, 42761798.8556541970828L, NINE_DIGITS},
        {1e12L, 0, -2020000000000.02L, 42761798706.1375678450L, NINE_DIGITS},
        {0, 1e6L, 999999.98L, 0.166533279957290618823L, NINE_DIGITS},
        {0, 1e9L, 999999999.98L, 0.166533279957290618823L, NINE_DIGITS},
        {0, 1e12L, 999999999999.98L, 0.166533279957290618823L, INPUT_ROUNDED},
    };
    climb(same, ladder, [](const long double* x, const long double* y) { return StdFit(6, x, y); });
}

TEST(ShiftedData, DyiFitKeepsItsDigits) {
    const Invariant same = {2.01261478895378658769L, 0.0385316302936177088483L,
                            0.644638735377335076195L, 0.999527771570080135458L};
    const Rung ladder[] = {
        {0, 0, 0.0619727981203567351126L, 0.117998262079987631181L, NINE_DIGITS},
        {1e3L, 0, -2012.55281615566623095L, 38.6286941240464331912L, NINE_DIGITS},
        {1e6L, 0, -2012614.72698098846733L, 38531.7272990845397587L, NINE_DIGITS},
        {1e9L, 0, -2012614788.89181378957L, 38531630.3906231171686L, NINE_DIGITS},
        {1e12L, 0, -2012614788953.72461489L, 38531630293.7147142565L, NINE_DIGITS},
        {0, 1e6L, 1000000.06197279812036L, 0.117998262079987631181L, NINE_DIGITS},
        {0, 1e9L, 1000000000.06197279812L, 0.117998262079987631181L, NINE_DIGITS},
        {0, 1e12L, 1000000000000.06197280L, 0.117998262079987631181L, INPUT_ROUNDED},
    };
    climb(same, ladder,
          [](const long double* x, const long double* y) { return DyiFit(6, x, y, DY.data()); });
}

// The chi-square is measured in coordinates centred on the weighted means.
TEST(ShiftedData, DxiDyiFitKeepsItsDigits) {
    const Invariant same = {2.01086577528271886299L, 0.0516175770641090260892L,
                            0.394680565952195611804L, 0L};
    const Rung ladder[] = {
        {0, 0, 0.0670187056025043351882L, 0.164790057124957815811L, NINE_DIGITS},
        {1e3L, 0, -2010.79875657711635865L, 51.7564447332071967791L, NINE_DIGITS},
        {1e6L, 0, -2010865.70826401326048L, 51617.7158556060025674L, NINE_DIGITS},
        {1e9L, 0, -2010865775.21570015738L, 51617577.2029004466887L, NINE_DIGITS},
        {1e12L, 0, -2010865775282.65184428L, 51617577064.2478175097L, NINE_DIGITS},
        {0, 1e6L, 1000000.06701870560250L, 0.164790057124957815811L, NINE_DIGITS},
        {0, 1e9L, 1000000000.06701870560L, 0.164790057124957815811L, NINE_DIGITS},
        {0, 1e12L, 1000000000000.06701871L, 0.164790057124957815811L, INPUT_ROUNDED},
    };
    climb(same, ladder, [](const long double* x, const long double* y) {
        return DxiDyiFit(6, x, y, DX.data(), DY.data());
    });
}

// Spreads of 1 and 2 next to 1e10 were once reported as "all the same".
TEST(ShiftedData, SpreadsFarFromZeroAreNoEqualValues) {
    const auto near = oneBased({1, 2, 3});
    const auto far = oneBased({1e10L, 1e10L + 1, 1e10L + 2});
    const auto y = oneBased({1, 2, 3.1L});
    StdFit farX(3, far.data(), y.data());
    ASSERT_EQ(farX.Fit(), FIT_OK);
    expectRelative(farX.GetB(), 1.05L, NINE_DIGITS, "b");
    expectRelative(farX.GetA(), 59.0L / 60 - 1.05e10L, NINE_DIGITS, "a");

    const auto farY = oneBased({1e10L, 1e10L + 1, 1e10L + 2.1L});
    StdFit fit(3, near.data(), farY.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    expectRelative(fit.GetB(), 1.05L, NINE_DIGITS, "b");
    expectRelative(fit.GetA(), 1e10L - 16.0L / 15, NINE_DIGITS, "a");
}

} // namespace
