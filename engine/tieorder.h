// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIEORDER_H
#define TIEORDER_H

// The grouping's result depends on the order in which std::sort, which is not stable, leaves
// the spare recorders that tie on free bandwidth. A million cameras can leave half a million of
// them tied, sorted again after every camera type: reproducing that order without sorting
// keeps the results byte for byte while copying each entry once instead of sorting.
//
// std::sort's moves depend only on the outcomes of its comparisons, so when every element ties
// with every other, where each one ends depends on nothing but their number. docs/tieorder.md
// says how GCC's standard library sorts and why the order below is its own; the tests compare
// it with std::sort itself.

#include <cstddef>
#include <initializer_list>
#include <vector>

// One column of values to be moved: what `from` holds at position i before the sort, `to`
// holds where the sort leaves it. Distinct arrays.
struct TiedColumn
{
    const int* from;
    int* to;
};
using TiedColumns = std::initializer_list<TiedColumn>;

// Moves each column's `n` values to where std::sort leaves `n` elements that all tie. False
// (with the columns unspecified) when the sort would fall back to its heap sort, which no tie
// of fewer than 2^31 elements makes it do.
bool SortTied(std::size_t n, const TiedColumns& columns);

// The same as one index per position: order[i] is where the element that ends at i stood.
bool TiedSortOrder(std::size_t n, std::vector<int>& order);

#endif
