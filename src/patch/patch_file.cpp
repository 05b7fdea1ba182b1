#include "patch/patch_file.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "patch/bps_metadata.h"
#include "patch/bps_patch.h"
#include "patch/ips_patch.h"

namespace pelmora {
namespace {

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool startsWith(const std::vector<std::uint8_t>& bytes, std::string_view text) {
  return bytes.size() >= text.size() && std::equal(text.begin(), text.end(), bytes.begin());
}

}  // namespace

std::optional<PatchFormat> patchFormatNamed(std::string_view name) {
  const std::string lower = lowerCase(std::string(name));
  if (lower == "ips") return PatchFormat::kIps;
  if (lower == "bps") return PatchFormat::kBps;
  return std::nullopt;
}

std::optional<PatchFormat> patchFormatForPath(const std::filesystem::path& path) {
  const std::string extension = path.extension().string();
  if (extension.empty()) return std::nullopt;
  return patchFormatNamed(std::string_view(extension).substr(1));
}

Expected<std::vector<std::uint8_t>> createPatch(PatchFormat format,
                                                const std::vector<std::uint8_t>& source,
                                                const std::vector<std::uint8_t>& target) {
  if (format == PatchFormat::kIps) return createIpsPatch(source, target);
  return createBpsPatch(source, target, bpsSourceMetadata(source));
}

Expected<std::vector<std::uint8_t>> applyPatch(const std::vector<std::uint8_t>& source,
                                               const std::vector<std::uint8_t>& patch) {
  if (startsWith(patch, "PATCH")) return applyIpsPatch(source, patch);
  if (startsWith(patch, "BPS1")) return applyBpsPatch(source, patch);
  return CodecError{"The file is not an IPS or BPS patch"};
}

}  // namespace pelmora
