// The list box as a vector, with the selection rules of the real one.
#pragma once

#include <string>
#include <vector>

#include "platform/ports.h"

namespace qf::test {

class FakePathList final : public PathList {
public:
    std::vector<std::string> items;
    int selected = -1;
    std::string hint;
    int repaints = 0;
    // Row height for ItemAtPos, in pixels.
    static constexpr int kRow = 16;

    int Count() const override { return static_cast<int>(items.size()); }
    int ItemIndex() const override { return selected; }
    void SetItemIndex(int index) override { selected = index < Count() ? index : -1; }
    std::string Item(int index) const override { return items.at(index); }
    void Add(const std::string& text) override { items.push_back(text); }
    void Insert(int index, const std::string& text) override {
        items.insert(items.begin() + index, text);
        if (selected >= index) ++selected;
    }
    void Delete(int index) override {
        items.erase(items.begin() + index);
        if (selected == index) selected = -1;
        else if (selected > index) --selected;
    }
    void Replace(int index, const std::string& text) override { items.at(index) = text; }
    void Clear() override {
        items.clear();
        selected = -1;
    }
    void Assign(const std::vector<std::string>& entries) override {
        items = entries;
        selected = -1;
    }
    int ItemAtPos(int x, int y) const override {
        if (x < 0 || y < 0) return -1;
        const int row = y / kRow;
        return row < Count() ? row : -1;
    }
    void Repaint() override { ++repaints; }
    void SetHint(const std::string& text) override { hint = text; }
};

}  // namespace qf::test
