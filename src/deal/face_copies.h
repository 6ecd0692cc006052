// The faces a deal lays along its random order of the slots: the copies of each face on
// consecutive positions, faces ascending.
#pragma once

#include "board/geometry.h"
#include "board/templates.h"

#include <array>

namespace mj::deal {

// faceCopies(f) = how many tiles show face f: two of bamboo 9 and of each season and flower,
// four of every other face.
constexpr int faceCopies(int face) {
    constexpr int kBamboo9 = 8, kSpring = 30, kBambooFlower = 37;
    return face == kBamboo9 || (face >= kSpring && face <= kBambooFlower) ? 2 : 4;
}

// kFaceCopies[k] = the face that position k of the deal order receives.
inline constexpr std::array<int, board::kSlots> kFaceCopies = [] {
    std::array<int, board::kSlots> table{};
    std::size_t k = 0;
    for (int face = 0; face < board::kFaces; ++face)
        for (int copy = 0; copy < faceCopies(face); ++copy)
            table[k++] = face;
    return table;
}();

} // namespace mj::deal
