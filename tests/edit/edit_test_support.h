#pragma once

#include <cstdlib>

#include "demo/demo_image.h"
#include "edit/document.h"
#include "rom/title_import.h"

namespace pelmora::test {

// The demo image opened as the editor opens a file, without the file.
inline Document demoDocument() {
  Document document;
  document.rom = buildDemoImage();
  initEditorState(document.state);
  if (!importTitleScreen(document.rom, document.state)) std::abort();
  document.loaded = true;
  return document;
}

}  // namespace pelmora::test
