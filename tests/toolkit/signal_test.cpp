// A signal's subscribers: called in order, ended by their connections, safe to end mid-emission.

#include "toolkit/signal.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace {

TEST(Signal, CallsSubscribersInOrderUntilTheirConnectionsGo) {
    std::string log;
    std::optional<tk::Connection> c;
    auto signal = std::make_unique<tk::Signal<int>>();
    tk::Connection a = signal->Connect([&](int v) { log += "a" + std::to_string(v) + " "; });
    tk::Connection b = signal->Connect([&](int v) {
        log += "b" + std::to_string(v) + " ";
        c.reset(); // ends the next one during this emission: it is not called
    });
    c = signal->Connect([&](int v) { log += "c" + std::to_string(v) + " "; });
    signal->Emit(1);
    b.Disconnect();
    signal->Emit(2);
    EXPECT_EQ(log, "a1 b1 a2 ");
    EXPECT_EQ(signal->SubscriberCount(), 1u);
    { tk::Connection moved = std::move(a); }
    signal->Emit(3);
    EXPECT_EQ(log, "a1 b1 a2 ");
    tk::Connection late = signal->Connect([](int) {});
    signal.reset();
    late.Disconnect(); // after the signal went: nothing to do
}

} // namespace
