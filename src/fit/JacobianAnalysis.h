#pragma once

#include <cstddef>
#include <vector>

// What the Jacobian J (rows: residuals, columns: free parameters) and the residuals r say
// about a point of a least-squares problem: whether every parameter is determined, how far
// the point is from the minimum, and the covariance there.
struct JacobianAnalysis {
    // A parameter on which the residuals do not depend at all (a plateau), or -1.
    int flatColumn = -1;
    // The parameters whose columns are linearly dependent, empty when J has full rank.
    std::vector<int> dependent;
    // |Q1' r| / |r|: the cosine between r and the columns of J, 0 at a minimum.
    double offset = 0;
    double residualNorm = 0;
    // The Gauss-Newton step to the minimum of the linearised problem, per parameter.
    std::vector<double> step;
    // (J'J)^-1, m x m row-major; meaningful only at full rank.
    std::vector<double> inverse;

    bool fullRank() const { return flatColumn < 0 && dependent.empty(); }
};

// J is n x m row-major. `sizes` holds a typical size of every parameter (its value, or its
// scale where the value is 0): a column whose effect on the residuals for a change of that
// size is negligible beside the size of the model's values, `valueNorm`, is flat.
JacobianAnalysis analyseJacobian(const std::vector<double>& J, const std::vector<double>& r,
                                 std::size_t m, const std::vector<double>& sizes, double valueNorm);
