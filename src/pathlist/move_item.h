// Moving one entry of the path list, as a drop does.
#pragma once

#include <optional>

#include "platform/ports.h"

namespace qf {

// Puts entry `from` directly above entry `to`; the entries between move by
// one. Gives the moved entry's new index, or nothing when there is nothing
// to move (either index -1, or both the same).
std::optional<int> MoveItem(PathList& list, int from, int to);

}  // namespace qf
