// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tieorder.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// Ranges of at most this many are left to the final insertion sort, which moves no tie.
constexpr std::int64_t InsertionRange = 16;

// A range [first, last) as the sort leaves it when all comparisons are false: its first
// position holds the element that stood at `head`, every other position p the one that stood
// at base + step * p.
//
// The median of three ties is the middle element, swapped to the front as the pivot; the
// partition then stops at every element from both ends and swaps the pairs until the ends
// meet, which reverses the rest of the range, and cuts it at first + ceil(length / 2). The old
// front, swapped to the middle, is reversed onto the cut: so each part again holds one element
// at its first position and an affine run after it. The right part is done by recursion, the
// left one by the loop, as in the sort.
bool PartitionTies(std::int64_t first, std::int64_t last, std::int64_t depth, std::int64_t head,
                   std::int64_t base, std::int64_t step, const TiedColumns& columns)
{
    while (last - first > InsertionRange) {
        if (depth == 0)
            return false;
        --depth;
        const std::int64_t mid = first + (last - first) / 2;
        const std::int64_t oldHead = head;
        head = base + step * mid;
        base += step * (first + last);
        step = -step;
        const std::int64_t cut = first + (last - first + 1) / 2;
        if (!PartitionTies(cut, last, depth, oldHead, base, step, columns))
            return false;
        last = cut;
    }
    for (const TiedColumn& column : columns) {
        column.to[first] = column.from[head];
        for (std::int64_t p = first + 1; p < last; ++p)
            column.to[p] = column.from[base + step * p];
    }
    return true;
}

} // namespace

bool SortTied(std::size_t n, const TiedColumns& columns)
{
    if (n > std::size_t(std::numeric_limits<std::int32_t>::max()))
        return false;
    if (n < 2) {
        for (const TiedColumn& column : columns)
            std::copy(column.from, column.from + n, column.to);
        return true;
    }
    // The sort's depth limit: twice the floor of the binary logarithm of n.
    std::int64_t log2 = 0;
    while ((std::size_t(2) << log2) <= n)
        ++log2;
    return PartitionTies(0, std::int64_t(n), 2 * log2, 0, 0, 1, columns);
}

bool TiedSortOrder(std::size_t n, std::vector<int>& order)
{
    if (n > std::size_t(std::numeric_limits<std::int32_t>::max()))
        return false;
    std::vector<int> identity(n);
    for (std::size_t i = 0; i < n; ++i)
        identity[i] = int(i);
    order.resize(n);
    return SortTied(n, {{identity.data(), order.data()}});
}
