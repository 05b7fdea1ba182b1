#pragma once

#include <array>
#include <cstdint>

namespace pelmora {

// Fixed body offsets of the title-screen data in the game's ROM. All title lists lie in the
// 8 KiB PRG bank 25 (body 0x32000-0x33FFF), reached through 2-byte pointers.
namespace title {

constexpr std::int32_t kListBank = 25;
constexpr std::int16_t kListWindow = 2;  // 8 KiB window
constexpr std::int32_t kBankStart = 0x32000;
constexpr std::int32_t kBankEnd = 0x34000;  // one past the bank

constexpr std::int32_t kPointerTable = 0x325DA;  // slot n at kPointerTable + 2 * n
constexpr std::int32_t slotPosition(int slot) { return kPointerTable + 2 * slot; }

constexpr int kPaletteSlot = 1;      // target + 3: the 32-byte palette block
constexpr int kFirstScreenSlot = 8;  // slots 8-34 are played in order after slot 35
constexpr int kLastScreenSlot = 34;
constexpr int kFirstListSlot = 35;   // played before slot 8
constexpr int kPaletteRecordHeader = 3;

constexpr std::array<std::int32_t, 4> kAlternativeSets = {0x32AB2, 0x32AC6, 0x32ADA, 0x32AEE};
constexpr std::int32_t kCoinPalette = 0x30AAA;   // 7 bytes
constexpr std::int32_t kCoinCallFirst = 0x30ADA;  // 3 bytes of 6502 code; byte 0 is the switch
constexpr std::int32_t kCoinCallSecond = 0x30C83;
constexpr std::uint8_t kOpcodeJsr = 0x20;
constexpr std::array<std::uint8_t, 3> kCoinCallOn = {0x20, 0x7D, 0xAA};  // JSR $AA7D
constexpr std::array<std::uint8_t, 3> kCoinCallOff = {0xEA, 0xEA, 0xEA};  // NOP NOP NOP

constexpr std::uint8_t kTitleChrBank = 30;
constexpr std::int16_t kTitleChrSizeCode = 1;  // 4 KiB banks

constexpr std::uint8_t kBlankTile = 0xFC;  // fills the name tables before the lists play
constexpr std::uint16_t kRow23 = 0x22E0;   // the row list 35 writes and the export carries

// The export's two write areas in bank 25.
constexpr std::int32_t kAreaA = 0x3276D;
constexpr std::int32_t kAreaALimit = 0x32A9A;  // a list must end at or before this
constexpr std::int32_t kAreaB = 0x33520;
constexpr std::int32_t kExportEnd = 0x33697;  // one past the last byte the export writes
constexpr std::int32_t kExportedList35 = 0x335E7;  // where list 35's records land (CPU $D5E7)

}  // namespace title
}  // namespace pelmora
