// PNG output through libpng.
#include "pngFile.h"

#include <png.h>

#include <cstdio>

namespace {

// The description libpng writes a picture from.
png_image imageOf(const Picture& picture, bool fast)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGBA;
    if (fast) image.flags |= PNG_IMAGE_FLAG_FAST;
    return image;
}

}  // namespace

bool writePng(const Picture& picture, const std::string& path, bool fast)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::perror(path.c_str());
        return false;
    }
    png_image image = imageOf(picture, fast);
    const bool written = png_image_write_to_stdio(&image, file, 0, picture.rgba.data(), 0, nullptr) != 0;
    if (!written) std::fprintf(stderr, "%s: %s\n", path.c_str(), image.message);
    png_image_free(&image);
    return std::fclose(file) == 0 && written;
}

std::vector<std::uint8_t> pngBytes(const Picture& picture)
{
    png_image image = imageOf(picture, false);
    png_alloc_size_t size = 0;
    std::vector<std::uint8_t> bytes;
    if (png_image_write_to_memory(&image, nullptr, &size, 0, picture.rgba.data(), 0, nullptr)) {
        bytes.resize(size);
        const bool written = png_image_write_to_memory(&image, bytes.data(), &size, 0, picture.rgba.data(), 0, nullptr) != 0;
        bytes.resize(written ? size : 0);
    }
    png_image_free(&image);
    return bytes;
}

Picture readPng(const std::string& path)
{
    Picture picture;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return picture;
    image.format = PNG_FORMAT_RGBA;
    picture.rgba.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr)) {
        picture.width = static_cast<int>(image.width);
        picture.height = static_cast<int>(image.height);
    }
    png_image_free(&image);
    return picture;
}
