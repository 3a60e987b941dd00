#include "FitTestSupport.h"

#include "fit/Dyipolyfit.h"
#include "fit/Stdpolyfit.h"

// Polynomials over X that share leading digits. The references were computed
// once in exact rational arithmetic (the normal equations solved exactly,
// square roots to 40 digits) and are stored to 21 digits. Six correct digits
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
    if (ref.weighted) {
        expectRelative(fit.GetReducedChiSquare(), ref.reducedChiSquare, NINE_DIGITS, "chi²");
    }
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

// X shifted by 100, 10⁴ and 10⁵ times its spread of 9.
TEST(ShiftedPolynomials, QuadraticsAndCubicsKeepTheirDigits) {
    const auto y = oneBased({1.2L, 2.9L, 6.1L, 10.8L, 17.2L, 25.1L, 34.9L, 46.2L, 59.0L, 73.1L});
    const PolyReference ladder[] = {
        {2,
         900,
         false,
         {646658.727272727272727L, -1437.82651515151515152L, 0.799242424242424242424L},
         {4338.48969727875917125L, 9.59319119888312983712L, 0.00530303030303030303030L},
         0L},
        {2,
         900,
         true,
         {650155.649270651023660L, -1445.56639230006762528L, 0.803525119762144118520L},
         {4922.87944186239307002L, 10.8888427582854150597L, 0.00602116006593012912465L},
         0.762113418047601933034L},
        {2,
         9e4L,
         false,
         {6473790751.22727272727L, -143862.826515151515152L, 0.799242424242424242424L},
         {42958840.9896969697282L, 954.593181912453198884L, 0.00530303030303030303030L},
         0L},
        {2,
         9e4L,
         true,
         {6508483377.22211402598L, -144633.742733914149545L, 0.803525119762144118520L},
         {48775963.6527215252152L, 1083.85955695752023568L, 0.00602116006593012912465L},
         0.762113418047601933034L},
        {2,
         9e5L,
         false,
         {647385634773.954545455L, -1438635.55378787878788L, 0.799242424242424242424L},
         {4295497500.08060606061L, 9545.50227273670028956L, 0.00530303030303030303030L},
         0L},
        {2,
         9e5L,
         true,
         {650854646067.635331319L, -1446344.43674858762155L, 0.803525119762144118520L},
         {4877185323.96657244708L, 10838.1388636771095510L, 0.00602116006593012912465L},
         0.762113418047601933034L},
        {3,
         900,
         false,
         {2227805.12727272727273L, -6682.15578865578865579L, 6.59731934731934731935L,
          -0.00213675213675213675214L},
         {1629206.66827466772822L, 5403.72431787209593011L, 5.97429533737599387105L,
          0.00220169263463274258683L},
         0L},
        {3,
         900,
         true,
         {126266.288106896858055L, 292.530141887853057306L, -1.11861174263061707691L,
          0.000708550519908759004031L},
         {2003415.18190896353539L, 6646.67657412426962694L, 7.35046008466603278818L,
          0.00270957321982676851387L},
         0.877735371943891436084L},
        {3,
         9e4L,
         false,
         {1564399761155.12727273L, -52072132.1557886557887L, 577.751165501165501166L,
          -0.00213675213675213675214L},
         {1605274695451.36922601L, 53506481.2447624341622L, 594.486734225258518153L,
          0.00220169263463274258683L},
         0L},
        {3,
         9e4L,
         true,
         {-510098156866.323256596L, 17074773.0015492290225L, -190.514165714241898854L,
          0.000708550519908759004031L},
         {1975559227866.32796555L, 65848859.1440769502307L, 731.619379303008436130L,
          0.00270957321982676851387L},
         0.877735371943891436084L},
        {3,
         9e5L,
         false,
         {1558363058800350.93147L, -5193798251.03690753691L, 5770.05885780885780886L,
          -0.00213675213675213675214L},
         {1605058006253373.32257L, 5350166603.39867069337L, 5944.59983636135768156L,
          0.00220169263463274258683L},
         0L},
        {3,
         9e5L,
         true,
         {-515889805264066.102464L, 1720347709.79503145280L, -1912.29192909252627865L,
          0.000708550519908759004031L},
         {1975306911395167.81552L, 6584325222.15984068055L, 7315.88230345975691372L,
          0.00270957321982676851387L},
         0.877735371943891436084L},
    };
    expectReferences(ladder, y);
}

TEST(ShiftedPolynomials, CubicToQuinticOverTheYears2015To2024) {
    const auto y = oneBased(
        {400.83L, 404.21L, 406.55L, 408.72L, 411.66L, 414.24L, 416.45L, 418.56L, 421.08L, 424.61L});
    const PolyReference years[] = {
        {3,
         2015,
         false,
         {-114636626.877473193473L, 170282.873682983682984L, -84.3143822843822843823L,
          0.0139160839160839160839L},
         {49588260.0345872595959L, 73664.3115046266748896L, 36.4765447375853674387L,
          0.00602072160284305030690L},
         0L},
        {3,
         2015,
         true,
         {-99722794.8076255745377L, 148094.720767997309535L, -73.3108879993682147915L,
          0.0120971468861230361005L},
         {22308728.9696156253443L, 33144.0245625442266594L, 16.4139811432316189844L,
          0.00270957321982676851387L},
         4.28846510221703063181L},
        {4,
         2015,
         false,
         {39577992804.2256177156L, -78448640.9967715617716L, 58310.6266404428904429L,
          -19.2631293706293706294L, 0.00238636363636363636364L},
         {44060794324.5864294379L, 87270893.6999227211642L, 64821.2592899577770179L,
          21.3984668307699839280L, 0.00264898068287973495772L},
         0L},
        {4,
         2015,
         true,
         {64504653537.8258968832L, -127830309.564687189139L, 94996.4404605708556865L,
          -31.3760119990369318120L, 0.00388614378217203038231L},
         {18841737987.8842540073L, 37324635.8691881778857L, 27726.8894999587482515L,
          9.15427364837437995276L, 0.00113338531783446979390L},
         2.79483366820100229118L},
        {5,
         2015,
         false,
         {-81869577173330.8446900L, 202717695699.184187413L, -200780045.112494172494L,
          99430.4076655011655012L, -24.6199790209790209790L, 0.00243846153846153846154L},
         {20321306307340.9382292L, 50312833742.7731523253L, 49827106.8810136859067L,
          24673.0201631483984797L, 6.10869870584441864576L, 0.000604971385392915338397L},
         0L},
        {5,
         2015,
         true,
         {-73860321282888.8392983L, 182887130404.393584348L, -181140213.764666946658L,
          89704.9474600483423736L, -22.2120021241695551615L, 0.00219998030730898584145L},
         {21761606331213.9647344L, 53874986383.8458646964L, 53351067.1442019153497L,
          26416.1045435851637906L, 6.53979545721658742897L, 0.000647618534542128224889L},
         0.608586999770832205417L},
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
    expectReference(fit, {3,
                          0,
                          true,
                          {1.20000000393887942300L, 0.773893430448768396071L,
                           0.815004888220835879565L, -0.00133336767118901865486L},
                          {0.0000999999995721561996897L, 0.301570300559168783700L,
                           0.0993318355532521528517L, 0.00779342931551826860096L},
                          0.0652165112058097026076L});
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
