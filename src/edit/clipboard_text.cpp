#include "edit/clipboard_text.h"

#include <algorithm>
#include <vector>

#include "edit/screen_cells.h"
#include "state/hex_caption.h"

namespace pelmora {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The words of one line, split at spaces and tabs.
std::vector<std::string_view> wordsOf(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && isBlank(line[at])) ++at;
    const std::size_t start = at;
    while (at < line.size() && !isBlank(line[at])) ++at;
    if (at > start) words.push_back(line.substr(start, at - start));
  }
  return words;
}

// The lines of `text`, without the blank ones at its end.
std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  while (!lines.empty() && wordsOf(lines.back()).empty()) lines.pop_back();
  return lines;
}

Expected<std::uint8_t> tileNumber(std::string_view word, std::size_t row) {
  if (word.size() == 2 && hexDigit(word[0]) >= 0 && hexDigit(word[1]) >= 0) {
    return static_cast<std::uint8_t>(hexDigit(word[0]) * 16 + hexDigit(word[1]));
  }
  return CodecError{"\"" + std::string(word.substr(0, 8)) + "\" in row " +
                    std::to_string(row + 1) + " is not a two-digit hexadecimal tile number."};
}

Status checkRowLength(std::size_t words, std::size_t expected, std::size_t row) {
  if (words == expected) return success();
  return CodecError{"Row " + std::to_string(row + 1) + " has " + std::to_string(words) +
                    (words == 1 ? " tile number" : " tile numbers") + "; row 1 has " +
                    std::to_string(expected) + "."};
}

}  // namespace

std::string blockText(const TileBlock& block) {
  std::string text;
  if (block.empty()) return text;
  for (int row = 0; row < block.height; ++row) {
    for (int column = 0; column < block.width; ++column) {
      if (column > 0) text += ' ';
      text += twoDigitHex(block.at(column, row));
    }
    text += '\n';
  }
  return text;
}

Expected<TileBlock> parseBlockText(std::string_view text) {
  const std::vector<std::string_view> lines = linesOf(text);
  if (lines.empty()) return CodecError{"The text holds no tile numbers."};
  if (lines.size() > static_cast<std::size_t>(kTileCellRows)) {
    return CodecError{"The block has more rows than the screen (" + std::to_string(kTileCellRows) +
                      ")."};
  }
  const std::size_t width = wordsOf(lines[0]).size();
  if (width == 0) return CodecError{"Row 1 holds no tile numbers."};
  if (width > static_cast<std::size_t>(kTileCellColumns)) {
    return CodecError{"The block is wider than the screen (" + std::to_string(kTileCellColumns) +
                      " columns)."};
  }
  TileBlock block{static_cast<int>(width), static_cast<int>(lines.size()), {}};
  for (std::size_t row = 0; row < lines.size(); ++row) {
    const std::vector<std::string_view> words = wordsOf(lines[row]);
    if (Status length = checkRowLength(words.size(), width, row); !length) return length.error();
    for (const std::string_view word : words) {
      const auto tile = tileNumber(word, row);
      if (!tile) return tile.error();
      block.tiles.push_back(*tile);
    }
  }
  return block;
}

}  // namespace pelmora
