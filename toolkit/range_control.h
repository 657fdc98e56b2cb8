#pragma once

#include "toolkit/control.h"

#include <algorithm>
#include <functional>

namespace tk {

// A control holding a value between a minimum and a maximum: the base of sliders and scroll bars.
class RangeControl : public Control {
public:
    using Control::Control;

    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    int Value() const { return value_; }
    int LineStep() const { return lineStep_; }
    int PageStep() const { return pageStep_; }
    void SetMinimum(int v) { Set(minimum_, v); }
    void SetMaximum(int v) { Set(maximum_, v); }
    void SetLineStep(int v) { Set(lineStep_, v); }
    void SetPageStep(int v) { Set(pageStep_, v); }
    void SetValue(int v) {
        const int old = value_;
        Set(value_, v);
        if (value_ != old && ValueChanged)
            ValueChanged();
    }
    // Called by the platform when the user moved the control.
    void NotifyValue(int v) { SetValue(v); }

    std::function<void()> ValueChanged;
    bool LiveScroll = false;

private:
    void Set(int& field, int v) {
        field = v;
        if (minimum_ <= maximum_)
            value_ = std::clamp(value_, minimum_, maximum_);
        Changed();
    }

    int minimum_ = 0;
    int maximum_ = 100;
    int value_ = 0;
    int lineStep_ = 1;
    int pageStep_ = 20;
};

class Slider : public RangeControl {
public:
    using RangeControl::RangeControl;
};

class ScrollBar : public RangeControl {
public:
    using RangeControl::RangeControl;
};

} // namespace tk
