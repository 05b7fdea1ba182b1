// The least a program can do to write a picture with libspng: read raw RGB pixels and write
// them as a PNG file. The baseline that pelmora-cli render is measured against.
//   minimal_png_writer PIXELS.rgb WIDTH HEIGHT OUT.png
#include <spng.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  const auto width = static_cast<std::uint32_t>(std::atoi(argv[2]));
  const auto height = static_cast<std::uint32_t>(std::atoi(argv[3]));
  std::vector<unsigned char> pixels(std::size_t{width} * height * 3);
  FILE* in = std::fopen(argv[1], "rb");
  if (in == nullptr || std::fread(pixels.data(), 1, pixels.size(), in) != pixels.size()) return 1;
  std::fclose(in);
  FILE* out = std::fopen(argv[4], "wb");
  if (out == nullptr) return 1;
  spng_ctx* context = spng_ctx_new(SPNG_CTX_ENCODER);
  spng_set_png_file(context, out);
  spng_ihdr header{};
  header.width = width;
  header.height = height;
  header.bit_depth = 8;
  header.color_type = SPNG_COLOR_TYPE_TRUECOLOR;
  spng_set_ihdr(context, &header);
  const int result = spng_encode_image(context, pixels.data(), pixels.size(), SPNG_FMT_PNG,
                                       SPNG_ENCODE_FINALIZE);
  spng_ctx_free(context);
  return std::fclose(out) == 0 && result == 0 ? 0 : 1;
}
