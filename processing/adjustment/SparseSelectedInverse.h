#pragma once
// The entries of the inverse of a sparse symmetric positive definite matrix
// on the pattern of its LDLᵀ factor, without forming the inverse
// (the sparse-inverse recurrences). An adjustment needs exactly these: the diagonal
// gives the variances of the unknowns, and every pair joined by an
// observation lies on the pattern.

#include <Eigen/SparseCholesky>
#include <cstdint>
#include <vector>

namespace korvado {

using SparseFactor = Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower, Eigen::AMDOrdering<int>>;

class SparseSelectedInverse {
 public:
  explicit SparseSelectedInverse(const SparseFactor& factor);

  // Entry (i, j) of the inverse in the unknowns' own numbering. Only pairs
  // that are equal or adjacent in the factored matrix are available.
  double At(int i, int j) const;
  double Diagonal(int i) const { return diagonal_[permutation_[i]]; }

 private:
  // Lower part of the permuted inverse, column by column, on the pattern of L.
  std::vector<int> columnStarts_;
  std::vector<int> rows_;
  std::vector<double> values_;
  std::vector<double> diagonal_;
  std::vector<int> permutation_;  // own numbering -> factored numbering
};

}  // namespace korvado
