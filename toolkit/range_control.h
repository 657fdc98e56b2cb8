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
    // Whether the value follows the thumb while it is dragged, or changes when it is let go.
    bool LiveScroll() const { return liveScroll_; }
    void SetMinimum(int v) { SetRange(minimum_, v); }
    void SetMaximum(int v) { SetRange(maximum_, v); }
    void SetLineStep(int v) { SetRange(lineStep_, v); }
    void SetPageStep(int v) { SetRange(pageStep_, v); }
    void SetLiveScroll(bool on) { Set(liveScroll_, on, Aspect::Range); }
    void SetValue(int v) {
        const int old = value_;
        value_ = Clamped(v);
        if (value_ == old)
            return;
        Changed(Aspect::Value);
        if (ValueChanged)
            ValueChanged();
    }
    // Called by the platform when the user moved the control.
    void NotifyValue(int v) { SetValue(v); }

    std::function<void()> ValueChanged;

private:
    int Clamped(int v) const { return minimum_ <= maximum_ ? std::clamp(v, minimum_, maximum_) : v; }

    // A new range can move the value into it.
    void SetRange(int& field, int v) {
        Set(field, v, Aspect::Range);
        SetValue(value_);
    }

    int minimum_ = 0;
    int maximum_ = 100;
    int value_ = 0;
    int lineStep_ = 1;
    int pageStep_ = 20;
    bool liveScroll_ = false;
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
