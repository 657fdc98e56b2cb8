#pragma once

#include "toolkit/control.h"

#include <functional>

namespace tk {

// Raises Action every Period milliseconds while Mode is 2, once when Mode is 1, never when 0.
class Timer : public Control {
public:
    static constexpr int kOff = 0;
    static constexpr int kSingle = 1;
    static constexpr int kMultiple = 2;

    using Control::Control;

    int Period() const { return period_; }
    void SetPeriod(int milliseconds) { Set(period_, milliseconds, Aspect::Schedule); }
    int Mode() const { return mode_; }
    void SetMode(int mode) { Set(mode_, mode, Aspect::Schedule); }
    // Called by the platform when the period has passed.
    void Fire() {
        if (mode_ == kOff)
            return;
        if (mode_ == kSingle)
            SetMode(kOff);
        if (Action)
            Action();
    }

    std::function<void()> Action;

private:
    int period_ = 1000;
    int mode_ = kOff;
};

} // namespace tk
