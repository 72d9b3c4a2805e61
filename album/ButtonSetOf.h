#pragma once
// A button family of `WindowCount` windows, each hooked by its own `Subclass` object:
// window w is row w of the layout table and is hooked by subclass object w.

#include <array>
#include <cstddef>

#include "album/ButtonSet.h"

template <typename Subclass, size_t WindowCount>
class ButtonSetOf : public ButtonSet {
public:
    explicit ButtonSetOf(int32_t pictureCount = static_cast<int32_t>(WindowCount))
        : ButtonSet(static_cast<int32_t>(WindowCount), pictureCount) {}
    ~ButtonSetOf() override { ButtonSetOf::UnsubclassAll(); }

    void SubclassAll() override {
        for (size_t w = 0; w < WindowCount; ++w) {
            m_subclasses[w].SubclassWindow(GetWindow(static_cast<int32_t>(w)));
        }
    }

    void UnsubclassAll() override {
        for (Subclass& subclass : m_subclasses) subclass.SubclassWindow(nullptr);
    }

    Subclass& GetSubclass(size_t w) { return m_subclasses.at(w); }

private:
    std::array<Subclass, WindowCount> m_subclasses;
};
