// ListBox1: the path list on a standard list box.
#pragma once

#include <windows.h>

#include "platform/ports.h"

namespace qf::win {

class ListBox final : public PathList {
public:
    void Attach(HWND hwnd) { hwnd_ = hwnd; }
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

    HWND hwnd_ = nullptr;
    std::string hint_;
};

}  // namespace qf::win
