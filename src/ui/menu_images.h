// The menu pictures (ImageList1): nine 16x16 bitmaps with alpha, cut from
// one strip in the resources.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "platform/win32/unique_handle.h"

namespace qf::win {

using UniqueBitmap = UniqueHandle<HBITMAP, &DeleteObject>;

class MenuImages {
public:
    // Cuts the strip resource into square pictures as high as the strip.
    MenuImages(HINSTANCE instance, int resourceId);
    std::span<const HBITMAP> Handles() const { return handles_; }

private:
    std::vector<UniqueBitmap> bitmaps_;
    std::vector<HBITMAP> handles_;
};

}  // namespace qf::win
