#include "fit/JacobianAnalysis.h"

#include <gsl/gsl_linalg.h>
#include <gsl/gsl_permutation.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// A column of the column-scaled J that is a combination of the others to this relative
// precision is taken as dependent: beyond it the covariance has no correct digit left.
constexpr double RANK_TOLERANCE = 1e-11;
// A parameter that moves the model's values by less than this fraction is flat.
constexpr double FLAT_TOLERANCE = 1e-10;
// A parameter with at least this share of the null vector is part of a dependency.
constexpr double SHARE = 0.1;

struct MatrixFree {
    void operator()(gsl_matrix* m) const { gsl_matrix_free(m); }
};
struct VectorFree {
    void operator()(gsl_vector* v) const { gsl_vector_free(v); }
};
struct PermutationFree {
    void operator()(gsl_permutation* p) const { gsl_permutation_free(p); }
};

} // namespace

JacobianAnalysis analyseJacobian(const std::vector<double>& J, const std::vector<double>& r,
                                 std::size_t m, const std::vector<double>& sizes,
                                 double valueNorm) {
    JacobianAnalysis a;
    const std::size_t n = r.size();
    double rr = 0;
    for (double ri : r)
        rr += ri * ri;
    a.residualNorm = std::sqrt(rr);

    std::vector<double> norms(m, 0.0);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t k = 0; k < m; ++k)
            norms[k] += J[i * m + k] * J[i * m + k];
    double flattest = 0;
    for (std::size_t k = 0; k < m; ++k) {
        norms[k] = std::sqrt(norms[k]);
        const double effect = norms[k] * sizes[k];
        if (effect <= FLAT_TOLERANCE * valueNorm && (a.flatColumn < 0 || effect < flattest)) {
            a.flatColumn = static_cast<int>(k);
            flattest = effect;
        }
    }
    if (a.flatColumn >= 0)
        return a;

    // QR with column pivoting of J with unit columns: the scale of the parameters drops
    // out, what is left is how nearly the columns are dependent.
    std::unique_ptr<gsl_matrix, MatrixFree> qr(gsl_matrix_alloc(n, m));
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t k = 0; k < m; ++k)
            gsl_matrix_set(qr.get(), i, k, J[i * m + k] / norms[k]);
    std::unique_ptr<gsl_vector, VectorFree> tau(gsl_vector_alloc(m)), work(gsl_vector_alloc(m));
    std::unique_ptr<gsl_permutation, PermutationFree> perm(gsl_permutation_alloc(m));
    int signum = 0;
    gsl_linalg_QRPT_decomp(qr.get(), tau.get(), perm.get(), &signum, work.get());

    const double r00 = std::fabs(gsl_matrix_get(qr.get(), 0, 0));
    std::size_t rank = m;
    for (std::size_t k = 0; k < m; ++k)
        if (std::fabs(gsl_matrix_get(qr.get(), k, k)) <= RANK_TOLERANCE * r00) {
            rank = k;
            break;
        }
    auto R = [&](std::size_t i, std::size_t j) { return gsl_matrix_get(qr.get(), i, j); };
    auto original = [&](std::size_t j) { return gsl_permutation_get(perm.get(), j); };

    if (rank < m) {
        // A null vector through each dependent column c: R11 v = R12[:, c]. The parameters
        // with a share of any of them are those that cannot be told apart.
        std::vector<bool> involved(m, false);
        for (std::size_t c = rank; c < m; ++c) {
            std::vector<double> v(rank, 0.0);
            for (std::size_t i = rank; i-- > 0;) {
                double s = R(i, c);
                for (std::size_t j = i + 1; j < rank; ++j)
                    s -= R(i, j) * v[j];
                v[i] = s / R(i, i);
            }
            double largest = 1; // the dependent column's own share
            for (double e : v)
                largest = std::max(largest, std::fabs(e));
            involved[c] = true;
            for (std::size_t j = 0; j < rank; ++j)
                involved[j] = involved[j] || std::fabs(v[j]) >= SHARE * largest;
        }
        for (std::size_t j = 0; j < m; ++j)
            if (involved[j])
                a.dependent.push_back(static_cast<int>(original(j)));
        std::sort(a.dependent.begin(), a.dependent.end());
        return a;
    }

    std::unique_ptr<gsl_vector, VectorFree> qtr(gsl_vector_alloc(n));
    for (std::size_t i = 0; i < n; ++i)
        gsl_vector_set(qtr.get(), i, r[i]);
    gsl_linalg_QR_QTvec(qr.get(), tau.get(), qtr.get());
    double projected = 0;
    for (std::size_t k = 0; k < m; ++k)
        projected += gsl_vector_get(qtr.get(), k) * gsl_vector_get(qtr.get(), k);
    a.offset = a.residualNorm > 0 ? std::sqrt(projected) / a.residualNorm : 0;

    // R^-1 by back substitution, column by column.
    std::vector<double> inv(m * m, 0.0);
    for (std::size_t c = 0; c < m; ++c)
        for (std::size_t i = c + 1; i-- > 0;) {
            double s = i == c ? 1.0 : 0.0;
            for (std::size_t j = i + 1; j <= c; ++j)
                s -= R(i, j) * inv[j * m + c];
            inv[i * m + c] = s / R(i, i);
        }
    // Step: -R^-1 Q1'r in the scaled, permuted variables, then back to the parameters.
    a.step.assign(m, 0.0);
    for (std::size_t i = 0; i < m; ++i) {
        double s = 0;
        for (std::size_t j = i; j < m; ++j)
            s += inv[i * m + j] * gsl_vector_get(qtr.get(), j);
        a.step[original(i)] = -s / norms[original(i)];
    }
    // (J'J)^-1 = D^-1 P R^-1 R^-T P' D^-1.
    a.inverse.assign(m * m, 0.0);
    for (std::size_t i = 0; i < m; ++i)
        for (std::size_t j = 0; j < m; ++j) {
            double s = 0;
            for (std::size_t k = std::max(i, j); k < m; ++k)
                s += inv[i * m + k] * inv[j * m + k];
            const std::size_t oi = original(i), oj = original(j);
            a.inverse[oi * m + oj] = s / (norms[oi] * norms[oj]);
        }
    return a;
}
