#include "pathlist/move_item.h"

namespace qf {

std::optional<int> MoveItem(PathList& list, int from, int to) {
    if (from == to || from < 0 || to < 0) return std::nullopt;
    list.Insert(to, list.Item(from));
    // Inserting above the entry pushed it down by one.
    if (to < from) {
        list.Delete(from + 1);
        return to;
    }
    list.Delete(from);
    return to - 1;
}

}  // namespace qf
