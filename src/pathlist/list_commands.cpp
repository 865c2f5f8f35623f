// The commands of the path list ListBox1: add, modify, delete, selection,
// copy, double click and drag-reorder.
#include "pathlist/move_item.h"
#include "shell/form1.h"

namespace qf {

namespace {

constexpr char kAddTitle[] = "增加软件安装路径，请选择一个目录";
constexpr char kModifyTitle[] = "修改软件安装路径，请选择一个目录";

bool HasSelection(const PathList& list) { return list.Count() > 0 && list.ItemIndex() >= 0; }

// Puts the auto-copy option back on every way out of the copy command.
class AutoCopyKeeper {
public:
    explicit AutoCopyKeeper(MainView& view) : view_(view), was_(view.AutoCopy()) {}
    ~AutoCopyKeeper() { view_.SetAutoCopy(was_); }
    AutoCopyKeeper(const AutoCopyKeeper&) = delete;
    AutoCopyKeeper& operator=(const AutoCopyKeeper&) = delete;

private:
    MainView& view_;
    bool was_;
};

}  // namespace

std::string TForm1::BrowseFromLast(const char* title) {
    std::string path = ports_.picker.BrowseForFolder(title, state_.LastBrowseDir);
    if (!path.empty()) state_.LastBrowseDir = path;
    return path;
}

void TForm1::zenjiaClick() {
    const std::string path = BrowseFromLast(kAddTitle);
    if (path.empty()) return;
    ports_.list.Add(path);
    ports_.list.SetItemIndex(ports_.list.Count() - 1);
}

void TForm1::N22Click() {
    if (!HasSelection(ports_.list)) return;
    const std::string path = BrowseFromLast(kModifyTitle);
    if (path.empty()) return;
    // The picker has no owner: the selection may have changed meanwhile.
    const int index = ports_.list.ItemIndex();
    if (index >= 0) ports_.list.Replace(index, path);
}

void TForm1::N3Click() {
    if (!HasSelection(ports_.list)) return;
    const int index = ports_.list.ItemIndex();
    ports_.list.Delete(index);
    if (index < ports_.list.Count()) ports_.list.SetItemIndex(index);
}

void TForm1::N9Click() { ports_.list.Clear(); }

void TForm1::ListBox1Click() {
    if (!HasSelection(ports_.list)) return;
    const std::string path = ports_.list.Item(ports_.list.ItemIndex());
    ports_.list.SetHint(path);
    if (ports_.view.AutoCopy()) ports_.clipboard.SetText(path);
}

void TForm1::N25Click() {
    const AutoCopyKeeper keeper(ports_.view);
    ports_.view.SetAutoCopy(true);
    ListBox1Click();
}

void TForm1::ListBox1DblClick() {
    if (HasSelection(ports_.list)) ports_.window.Minimize();
}

void TForm1::ListBox1StartDrag(int x, int y) { state_.DragIndex = ports_.list.ItemAtPos(x, y); }

bool TForm1::ListBox1DragOver(const PathList& source) const { return &source == &ports_.list; }

void TForm1::ListBox1DragDrop(int x, int y) {
    // A drag begun off any entry moves nothing.
    if (state_.DragIndex == -1) return;
    PathList& list = ports_.list;
    const auto moved = MoveItem(list, list.ItemIndex(), list.ItemAtPos(x, y));
    if (!moved) return;
    list.Repaint();
    list.SetItemIndex(*moved);
}

}  // namespace qf
