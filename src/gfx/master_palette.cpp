#include "gfx/master_palette.h"

#include "gfx/rounding.h"

namespace pelmora {

namespace {

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// The 64 base colours by NES colour index: bits 4-5 the brightness row, bits 0-3 the hue.
constexpr std::array<Rgb, 64> kBaseColours = {{
    {128, 128, 128}, {0, 61, 166},    {0, 18, 176},    {68, 0, 150},     // $00-$03
    {161, 0, 94},    {199, 0, 40},    {186, 6, 0},     {140, 23, 0},     // $04-$07
    {92, 47, 0},     {16, 69, 0},     {5, 74, 0},      {0, 71, 46},      // $08-$0B
    {0, 65, 102},    {0, 0, 0},       {5, 5, 5},       {5, 5, 5},        // $0C-$0F
    {199, 199, 199}, {0, 119, 255},   {33, 85, 255},   {130, 55, 250},   // $10-$13
    {235, 47, 181},  {255, 41, 80},   {255, 34, 0},    {214, 50, 0},     // $14-$17
    {196, 98, 0},    {53, 128, 0},    {5, 143, 0},     {0, 138, 85},     // $18-$1B
    {0, 153, 204},   {33, 33, 33},    {9, 9, 9},       {9, 9, 9},        // $1C-$1F
    {255, 255, 255}, {15, 215, 255},  {105, 162, 255}, {212, 128, 255},  // $20-$23
    {255, 69, 243},  {255, 97, 139},  {255, 136, 51},  {255, 156, 18},   // $24-$27
    {250, 188, 32},  {159, 227, 14},  {43, 240, 53},   {12, 240, 164},   // $28-$2B
    {5, 251, 255},   {94, 94, 94},    {13, 13, 13},    {13, 13, 13},     // $2C-$2F
    {255, 255, 255}, {166, 252, 255}, {179, 236, 255}, {218, 171, 235},  // $30-$33
    {255, 168, 249}, {255, 171, 179}, {255, 210, 176}, {255, 239, 166},  // $34-$37
    {255, 247, 156}, {215, 232, 149}, {166, 237, 175}, {162, 242, 218},  // $38-$3B
    {153, 255, 252}, {221, 221, 221}, {17, 17, 17},    {17, 17, 17},     // $3C-$3F
}};

struct Factors {
  double red;
  double green;
  double blue;
};

// Per-channel factors by emphasis value (PPU mask $2001 bits 5-7, shifted down).
constexpr std::array<Factors, 8> kEmphasisFactors = {{
    {1.00, 1.00, 1.00},
    {1.00, 0.80, 0.81},
    {0.78, 0.94, 0.66},
    {0.79, 0.77, 0.63},
    {0.82, 0.83, 1.12},
    {0.81, 0.71, 0.87},
    {0.68, 0.79, 0.79},
    {0.70, 0.70, 0.70},
}};

constexpr std::array<ColourValue, 4> kAttributeColours = {
    0x008080FF,  // 0: light red
    0x0080FFFF,  // 1: light yellow
    0x00FF8080,  // 2: light blue
    0x00FF80FF,  // 3: light magenta
};

constexpr std::uint8_t kGreyscaleBit = 0x01;  // $2001 bit 0
constexpr int kEmphasisShift = 5;             // $2001 bits 5-7

// One channel: 0 stays 0, anything else is scaled, rounded and limited to 255.
int scaleChannel(std::uint8_t base, double factor) {
  if (base == 0) return 0;
  const double scaled = roundHalfToEven(static_cast<double>(base) * factor);
  return scaled > 255 ? 255 : static_cast<int>(scaled);
}

// The channels of `base` scaled by `factors`: 0 stays 0, the rest rounded and limited to 255.
ColourValue scaled(const Rgb& base, const Factors& factors) {
  return scaleChannel(base.red, factors.red) + scaleChannel(base.green, factors.green) * 0x100 +
         scaleChannel(base.blue, factors.blue) * 0x10000;
}

Rgb channelsOf(ColourValue colour) {
  return {static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 8),
          static_cast<std::uint8_t>(colour >> 16)};
}

constexpr Factors kUnscaled{1.0, 1.0, 1.0};
constexpr std::size_t kColoursPerBlock = 64;

}  // namespace

ColourValue ColourTables::lookup(std::uint8_t index) const {
  return index < masterPalette.size() ? masterPalette[index] : 0;
}

ColourValue nesColourToRgb(std::uint8_t colour, bool greyscale, std::uint8_t emphasis) {
  const std::uint8_t index = greyscale ? colour & 0x30 : colour;
  if (index >= kBaseColours.size()) return 0;
  return scaled(kBaseColours[index], greyscale ? kUnscaled : kEmphasisFactors[emphasis & 7]);
}

ColourValue nesColourToRgb(std::uint8_t colour, bool greyscale, std::uint8_t emphasis,
                           const UserMasterPalette& user) {
  const std::uint8_t index = greyscale ? colour & 0x30 : colour;
  if (index >= kColoursPerBlock || user.colours.size() < kColoursPerBlock) return 0;
  if (user.colours.size() >= 8 * kColoursPerBlock)
    return user.colours[(emphasis & 7u) * kColoursPerBlock + index];
  return scaled(channelsOf(user.colours[index]),
                greyscale ? kUnscaled : kEmphasisFactors[emphasis & 7]);
}

void buildMasterPalette(const PpuRegisters& registers, ColourTables& tables,
                        const UserMasterPalette* user) {
  const std::uint8_t mask = registers.mask;
  const bool greyscale = (mask & kGreyscaleBit) != 0;
  const auto emphasis = static_cast<std::uint8_t>(mask >> kEmphasisShift);
  for (std::size_t i = 0; i < kBaseColours.size(); ++i) {
    const auto colour = static_cast<std::uint8_t>(i);
    tables.masterPalette[i] = user ? nesColourToRgb(colour, greyscale, emphasis, *user)
                                   : nesColourToRgb(colour, greyscale, emphasis);
  }
  tables.masterPalette[64] = 1;
  tables.attributeColours = kAttributeColours;
}

}  // namespace pelmora
