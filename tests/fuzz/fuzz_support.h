// What every fuzz target shares: the promise check that aborts with a line saying which promise
// broke, the demo image opened as a document (the file the readers' results go into), and the
// check that an accepted import gives a title screen Save writes and Open reads back.

#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/document.h"
#include "rom/rom_image.h"
#include "state/editor_state.h"

namespace pelmora::fuzz {

using Bytes = std::vector<std::uint8_t>;

void require(bool condition, const char* promise);

// The demo image as Open leaves it, built once.
const Document& demoDocument();

// The file Save writes for the opened demo, built once (the source patches are applied to).
const Bytes& savedDemoBytes();

// `state` put into the demo document, saved, opened again and saved again: both saves must
// succeed and write the same file, and the reopened screen must show the same tiles and cells.
void requireSavesAndReopens(const EditorState& state);

// The same for a document holding `rom`, where a Save refused for an image too short for the
// layout is allowed (it says why and writes nothing).
void requireSavesAndReopens(const RomImage& rom, const EditorState& state);

// A patch applied to the opened demo the way Apply Patch does: refused with a reason, or an
// image whose file loads and opens to the same screen, and which saves and reopens.
void requirePatchOnDemoKeepsPromises(const Bytes& patch);

// One fuzz target: its name (also its regression folder's) and the function libFuzzer calls.
using Entry = int (*)(const std::uint8_t* data, std::size_t size);
struct Target {
  const char* name;
  Entry entry;
};
std::span<const Target> targets();
Entry findTarget(std::string_view name);

// Writes the starting inputs of a target, made by the project's own writers, into `sink`.
using SeedSink = std::function<void(const std::string& name, const Bytes& bytes)>;
void makeSeeds(std::string_view target, const SeedSink& sink);
void makeTitleScreenSeeds(const SeedSink& sink);  // the demo image at the codec's edges

}  // namespace pelmora::fuzz
