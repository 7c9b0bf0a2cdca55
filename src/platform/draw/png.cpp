// PNG files through libpng: screenshots and pictures saved by tests and tools.
#include <png.h>

#include <cstdio>
#include <vector>

#include "platform/platform.h"

namespace platform {

bool SavePng(const std::string& path, int width, int height, const std::uint32_t* pixels) {
  if (width <= 0 || height <= 0 || !pixels) return false;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, nullptr);
    std::fclose(file);
    return false;
  }
  std::vector<png_byte> row(std::size_t(width) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    std::remove(path.c_str());
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* source = pixels + std::size_t(y) * std::size_t(width);
    for (int x = 0; x < width; ++x) {
      row[std::size_t(x) * 3] = png_byte(RedOf(source[x]));
      row[std::size_t(x) * 3 + 1] = png_byte(GreenOf(source[x]));
      row[std::size_t(x) * 3 + 2] = png_byte(BlueOf(source[x]));
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

bool LoadPng(const std::string& path, int* width, int* height, std::vector<std::uint32_t>* pixels) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_BGRA;  // little-endian words 0xAARRGGBB
  std::vector<std::uint32_t> read(std::size_t(image.width) * std::size_t(image.height));
  if (read.empty() || !png_image_finish_read(&image, nullptr, read.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  for (std::uint32_t& pixel : read) pixel &= 0x00FFFFFFu;
  *width = int(image.width);
  *height = int(image.height);
  *pixels = std::move(read);
  return true;
}

}  // namespace platform
