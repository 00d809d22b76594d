#include "SparseSelectedInverse.h"

#include <algorithm>
#include <stdexcept>

namespace korvado {

// With A = L D Lᵀ, Z = A⁻¹ satisfies Z = D⁻¹ L⁻¹ + (I − Lᵀ) Z. Taken column by
// column from the last, every entry of Z on the pattern of column j of L
// needs only entries of Z in later columns that lie on the pattern too:
//   Z(i,j) = −Σ_k L(k,j) Z(i,k),  Z(j,j) = 1/d_j − Σ_k L(k,j) Z(k,j),
// k running over the pattern of column j.
SparseSelectedInverse::SparseSelectedInverse(const SparseFactor& factor) {
  const Eigen::SparseMatrix<double>& lower = factor.matrixL().nestedExpression();
  const int n = static_cast<int>(lower.cols());
  const int* starts = lower.outerIndexPtr();
  const int* rows = lower.innerIndexPtr();
  const double* entries = lower.valuePtr();
  const auto& d = factor.vectorD();

  columnStarts_.assign(starts, starts + n + 1);
  rows_.assign(rows, rows + starts[n]);
  values_.assign(rows_.size(), 0.0);
  diagonal_.assign(n, 0.0);
  permutation_.assign(factor.permutationP().indices().data(), factor.permutationP().indices().data() + n);

  std::vector<int> slot(n, -1);  // row -> its place in the current column
  std::vector<double> column;    // Z(i, j) for the rows of the current column
  for (int j = n - 1; j >= 0; --j) {
    const int begin = starts[j];
    const int end = starts[j + 1];  // the factor is compressed, rows ascending
    column.assign(end - begin, 0.0);
    for (int p = begin; p < end; ++p) slot[rows[p]] = p - begin;
    double diagonal = 1.0 / d[j];
    for (int p = begin; p < end; ++p) {
      const int k = rows[p];
      const double lkj = entries[p];
      // Z(k,k) pairs with itself; Z(i,k) for i > k in the pattern of column j
      // serves both Z(i,j) and, by symmetry, Z(k,j).
      column[p - begin] -= lkj * diagonal_[k];
      for (int q = columnStarts_[k]; q < columnStarts_[k + 1]; ++q) {
        const int i = rows_[q];
        if (slot[i] < 0) continue;
        column[slot[i]] -= lkj * values_[q];
        column[p - begin] -= entries[begin + slot[i]] * values_[q];
      }
    }
    for (int p = begin; p < end; ++p) {
      values_[p] = column[p - begin];
      diagonal -= entries[p] * column[p - begin];
      slot[rows[p]] = -1;
    }
    diagonal_[j] = diagonal;
  }
}

double SparseSelectedInverse::At(int i, int j) const {
  int r = permutation_[i];
  int c = permutation_[j];
  if (r == c) return diagonal_[r];
  if (r < c) std::swap(r, c);
  const auto first = rows_.begin() + columnStarts_[c];
  const auto last = rows_.begin() + columnStarts_[c + 1];
  const auto found = std::lower_bound(first, last, r);
  if (found == last || *found != r) throw std::logic_error("selected inverse: entry off the factor's pattern");
  return values_[found - rows_.begin()];
}

}  // namespace korvado
