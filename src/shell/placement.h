// Start-up scaling of the main window to the screen, as pure arithmetic.
#pragma once

#include "platform/ports.h"

namespace qf {

// The window grows with screens wider than 800 pixels, or exactly 800 wide
// and taller than 600; signed 32-bit products, divisions that drop the
// remainder.
Size ScaledWindowSize(Size screen, Size window);

}  // namespace qf
