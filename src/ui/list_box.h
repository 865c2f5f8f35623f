// ListBox1: the path list on a standard list box.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/ports.h"

namespace qf::win {

// The drag gestures within the list, which the list box has no
// notification for. Points are in the list's client coordinates.
struct ListBoxDrag {
    std::function<void(int x, int y)> startDrag;  // at the press
    std::function<bool()> dragOver;               // may it be dropped here?
    std::function<void(int x, int y)> dragDrop;   // released over the list
};

class ListBox final : public PathList {
public:
    // Takes over the list box's mouse input for dragging and gives it its
    // hint tooltip.
    void Attach(HWND hwnd);
    void OnDrag(ListBoxDrag drag) { drag_ = std::move(drag); }
    HWND hwnd() const { return hwnd_; }

    int Count() const override;
    int ItemIndex() const override;
    void SetItemIndex(int index) override;
    std::string Item(int index) const override;
    void Add(const std::string& text) override;
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Replace(int index, const std::string& text) override;
    void Clear() override;
    void Assign(const std::vector<std::string>& entries) override;
    int ItemAtPos(int x, int y) const override;
    void Repaint() override;
    void SetHint(const std::string& text) override;
    const std::string& Hint() const { return hint_; }

private:
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
        return SendMessageW(hwnd_, msg, wp, lp);
    }

    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                                         UINT_PTR id, DWORD_PTR self);
    LRESULT HandleMouse(UINT msg, WPARAM wp, LPARAM lp);
    void Arm(POINT at);
    void TrackDrag(POINT at);
    void Drop(POINT at);
    bool IsOverList(POINT at) const;

    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;  // owned by the main window, goes with it
    std::string hint_;
    ListBoxDrag drag_;
    bool armed_ = false;     // pressed; a drag may begin
    bool dragging_ = false;  // moved past the drag threshold
    POINT pressedAt_{};
};

}  // namespace qf::win
