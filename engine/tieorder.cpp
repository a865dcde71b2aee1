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
// Where the sort leaves the elements of a range depends only on the range's length and the
// depth left (which these ranges never exhaust), so the order of a short range, relative to
// its first position, is worked out once and applied to every range of that length: the
// partitions halve the lengths, so one sort has only a few distinct ones.
constexpr std::int64_t RememberedRange = 4096;

struct Remembered
{
    std::int64_t length;
    std::int64_t depth;
    std::vector<int> order; // order[i]: the relative position that ends at i; 0 is the head
};

bool PartitionTies(std::int64_t first, std::int64_t last, std::int64_t depth, std::int64_t head,
                   std::int64_t base, std::int64_t step, const TiedColumns& columns,
                   std::vector<Remembered>* remembered);

const Remembered* Remember(std::int64_t length, std::int64_t depth,
                           std::vector<Remembered>& remembered)
{
    for (const Remembered& known : remembered) {
        if (known.length == length && known.depth == depth)
            return &known;
    }
    std::vector<int> identity(std::size_t(length), 0);
    for (std::int64_t i = 0; i < length; ++i)
        identity[std::size_t(i)] = int(i);
    Remembered known{length, depth, std::vector<int>(std::size_t(length))};
    if (!PartitionTies(0, length, depth, 0, 0, 1, {{identity.data(), known.order.data()}}, nullptr))
        return nullptr;
    remembered.push_back(std::move(known));
    return &remembered.back();
}

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
                   std::int64_t base, std::int64_t step, const TiedColumns& columns,
                   std::vector<Remembered>* remembered)
{
    while (last - first > InsertionRange) {
        if (remembered && last - first <= RememberedRange) {
            const Remembered* known = Remember(last - first, depth, *remembered);
            if (!known)
                return false;
            const std::int64_t origin = base + step * first;
            for (const TiedColumn& column : columns) {
                for (std::size_t i = 0; i < known->order.size(); ++i) {
                    const int from = known->order[i];
                    column.to[first + std::int64_t(i)] =
                        from == 0 ? column.from[head] : column.from[origin + step * from];
                }
            }
            return true;
        }
        if (depth == 0)
            return false;
        --depth;
        const std::int64_t mid = first + (last - first) / 2;
        const std::int64_t oldHead = head;
        head = base + step * mid;
        base += step * (first + last);
        step = -step;
        const std::int64_t cut = first + (last - first + 1) / 2;
        if (!PartitionTies(cut, last, depth, oldHead, base, step, columns, remembered))
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
    // Short lists have too few ranges of one length to gain from remembering their order.
    std::vector<Remembered> remembered;
    return PartitionTies(0, std::int64_t(n), 2 * log2, 0, 0, 1, columns,
                         std::int64_t(n) > 4 * RememberedRange ? &remembered : nullptr);
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
