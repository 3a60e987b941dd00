#include "FitTestSupport.h"

#include "fit/Dyipolyfit.h"
#include "fit/Stdpolyfit.h"

// Polynomials over X that share leading digits. The references were computed
// once in exact rational arithmetic (the normal equations solved exactly,
// square roots to 40 digits) and are stored to 12 digits. Six correct digits
// are what a report prints; the fits are held to nine.

namespace {

constexpr double NINE_DIGITS = 1e-9;

struct PolyReference {
    int order;
    long double firstX; // X = firstX + 0, 1, ..., 9
    bool weighted;      // by the dY below, else estimated dY
    long double coefficient[6];
    long double sigma[6];
    long double reducedChiSquare;
};

const auto DY = oneBased({0.1L, 0.2L, 0.1L, 0.3L, 0.2L, 0.1L, 0.2L, 0.3L, 0.1L, 0.2L});

void expectReference(const PolyFit& fit, const PolyReference& ref) {
    for (int k = 1; k <= ref.order + 1; ++k) {
        expectRelative(fit.GetCoefficient(k), ref.coefficient[k - 1], NINE_DIGITS,
                       "coefficient " + std::to_string(k));
        expectRelative(fit.GetCoefficientSigma(k), ref.sigma[k - 1], NINE_DIGITS,
                       "sigma " + std::to_string(k));
    }
    expectRelative(fit.GetReducedChiSquare(), ref.reducedChiSquare, NINE_DIGITS, "chi²");
}

template <std::size_t N>
void expectReferences(const PolyReference (&references)[N], const std::vector<long double>& y) {
    for (const PolyReference& ref : references) {
        SCOPED_TRACE(testing::Message()
                     << "order " << ref.order << " from X = " << static_cast<double>(ref.firstX)
                     << (ref.weighted ? ", weighted" : ""));
        std::vector<long double> x{0};
        for (int i = 0; i < 10; ++i) {
            x.push_back(ref.firstX + i);
        }
        if (ref.weighted) {
            DyiPolyFit fit(10, ref.order, x.data(), y.data(), DY.data());
            ASSERT_EQ(fit.Fit(), FIT_OK);
            expectReference(fit, ref);
        } else {
            StdPolyFit fit(10, ref.order, x.data(), y.data());
            ASSERT_EQ(fit.Fit(), FIT_OK);
            expectReference(fit, ref);
        }
    }
}

// X shifted by 10⁵ times its spread of 9.
TEST(ShiftedPolynomials, QuadraticsAndCubicsKeepTheirDigits) {
    const auto y = oneBased({1.2L, 2.9L, 6.1L, 10.8L, 17.2L, 25.1L, 34.9L, 46.2L, 59.0L, 73.1L});
    const PolyReference far[] = {
        {2,
         9e5L,
         false,
         {647385634774L, -1438635.55379L, 0.799242424242L},
         {4295497500.08L, 9545.50227274L, 0.00530303030303L},
         0},
        {3,
         9e5L,
         false,
         {1.55836305880e15L, -5193798251.04L, 5770.05885781L, -0.00213675213675L},
         {1.60505800625e15L, 5350166603.40L, 5944.59983636L, 0.00220169263463L},
         0},
        {3,
         9e5L,
         true,
         {-5.15889805264e14L, 1720347709.80L, -1912.29192909L, 0.000708550519909L},
         {1.97530691140e15L, 6584325222.16L, 7315.88230346L, 0.00270957321983L},
         0.877735371944L},
    };
    expectReferences(far, y);
}

TEST(ShiftedPolynomials, CubicToQuinticOverTheYears2015To2024) {
    const auto y = oneBased(
        {400.83L, 404.21L, 406.55L, 408.72L, 411.66L, 414.24L, 416.45L, 418.56L, 421.08L, 424.61L});
    const PolyReference years[] = {
        {3,
         2015,
         false,
         {-114636626.877L, 170282.873683L, -84.3143822844L, 0.0139160839161L},
         {49588260.0346L, 73664.3115046L, 36.4765447376L, 0.00602072160284L},
         0},
        {4,
         2015,
         false,
         {39577992804.2L, -78448640.9968L, 58310.6266404L, -19.2631293706L, 0.00238636363636L},
         {44060794324.6L, 87270893.6999L, 64821.2592900L, 21.3984668308L, 0.00264898068288L},
         0},
        {5,
         2015,
         false,
         {-8.18695771733e13L, 202717695699L, -200780045.112L, 99430.4076655L, -24.6199790210L,
          0.00243846153846L},
         {2.03213063073e13L, 50312833742.8L, 49827106.8810L, 24673.0201631L, 6.10869870584L,
          0.000604971385393L},
         0},
        {5,
         2015,
         true,
         {-7.38603212829e13L, 182887130404L, -181140213.765L, 89704.9474600L, -22.2120021242L,
          0.00219998030731L},
         {2.17616063312e13L, 53874986383.8L, 53351067.1442L, 26416.1045436L, 6.53979545722L,
          0.000647618534542L},
         0.608586999771L},
    };
    expectReferences(years, y);
}

// A point at X = 0 with a dY far below the others pins the constant term: its
// uncertainty is about that dY, and both keep their digits.
TEST(ShiftedPolynomials, AConstantTermPinnedAtZeroKeepsItsDigits) {
    std::vector<long double> x{0}, dy{0};
    for (int i = 0; i < 10; ++i) {
        x.push_back(i);
        dy.push_back(i == 0 ? 1e-4L : 0.5L);
    }
    const auto y = oneBased({1.2L, 2.9L, 6.1L, 10.8L, 17.2L, 25.1L, 34.9L, 46.2L, 59.0L, 73.1L});
    DyiPolyFit fit(10, 3, x.data(), y.data(), dy.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    expectReference(fit,
                    {3,
                     0,
                     true,
                     {1.20000000394L, 0.773893430449L, 0.815004888221L, -0.00133336767119L},
                     {0.0000999999995722L, 0.301570300559L, 0.0993318355533L, 0.00779342931552L},
                     0.0652165112058L});
}

// Rank is told by R's diagonal against 1e-15 of its largest element. Two
// clusters at 0 and 1 and a fifth point at 1 + δ give a quadratic a ratio of
// about 1.4·δ: just above the tolerance the points are fitted, just below
// (where extended precision cannot tell them from two X) they are singular.
TEST(ShiftedPolynomials, RankIsDecidedRelativeToTheLargestDiagonalElementOfR) {
    const struct {
        long double delta;
        FitStatus status;
    } cases[] = {{1e-12L, FIT_OK},
                 {1e-14L, FIT_OK},
                 {1e-16L, FIT_SINGULAR_MATRIX},
                 {0, FIT_SINGULAR_MATRIX}};
    const auto y = oneBased({1, 2, 3, 5, 4});
    for (const auto& c : cases) {
        const auto x = oneBased({0, 0, 1, 1, 1 + c.delta});
        StdPolyFit fit(5, 2, x.data(), y.data());
        EXPECT_EQ(fit.Fit(), c.status) << static_cast<double>(c.delta);
    }
}

} // namespace
