#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "demo/demo_screen.h"
#include "state/editor_state.h"

namespace pelmora::demo {

constexpr int kTitleSlots = 36;

// The encoded update list of every title slot, each ended by 0x00: slot 1 the palette block
// record, slots 8-34 the screen, slot 35 the list that plays first. Slots 0 and 2-7 are empty
// vectors (the title screen has no list there).
//
// Between them the lists use every record form: plain runs, repeat runs, step-32 runs of both
// kinds, count fields of 0 (256 writes) and addresses with the top bits set; some slots hold
// the empty list.
std::array<std::vector<std::uint8_t>, kTitleSlots> encodeDemoLists(const DemoScreen& screen,
                                                                   const Palette& romPalette);

}  // namespace pelmora::demo
