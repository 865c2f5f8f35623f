#include "ui/menu_images.h"

#include <cstdint>
#include <cstring>

namespace qf::win {

namespace {

// A 32-bit top-down DIB section of the given size and its pixels.
UniqueBitmap MakeDib(int width, int height, std::uint32_t** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS,
                                         reinterpret_cast<void**>(bits), nullptr, 0));
}

}  // namespace

// The strip is a 32-bit bottom-up bitmap whose pixels already carry
// premultiplied alpha, which is what menus draw item bitmaps with.
MenuImages::MenuImages(HINSTANCE instance, int resourceId) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(resourceId), RT_BITMAP);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* header = loaded ? static_cast<const BITMAPINFOHEADER*>(LockResource(loaded)) : nullptr;
    if (!header || header->biBitCount != 32 || header->biHeight <= 0) return;
    const int size = header->biHeight;
    const int width = header->biWidth;
    const auto* strip = reinterpret_cast<const std::uint32_t*>(
        reinterpret_cast<const std::uint8_t*>(header) + header->biSize);
    for (int left = 0; left + size <= width; left += size) {
        std::uint32_t* bits = nullptr;
        UniqueBitmap picture = MakeDib(size, size, &bits);
        if (!picture) return;
        const auto row = static_cast<std::size_t>(size);
        const auto stride = static_cast<std::size_t>(width);
        for (int y = 0; y < size; ++y)
            std::memcpy(bits + y * row, strip + (size - 1 - y) * stride + left, row * sizeof *bits);
        handles_.push_back(picture.get());
        bitmaps_.push_back(std::move(picture));
    }
}

}  // namespace qf::win
