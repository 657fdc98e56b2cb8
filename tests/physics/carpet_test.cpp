// The density over position and time against exact properties of the box: the revival at T1, the
// mirror image at T1/2, the shorter period of states 1 and 2, and each row's integral over the box.

#include "physics/carpet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

using physics::Carpet;
using physics::State;
using physics::Turning;

constexpr int kColumns = 64;

// A state of six coefficients with random sizes and phases, normalized.
State RandomState(std::mt19937& random) {
    std::uniform_real_distribution<double> size(0, 1);
    std::uniform_real_distribution<double> angle(-10, 10);
    State state;
    double sum = 0;
    for (auto& c : state.c) {
        c = std::polar(size(random), angle(random));
        sum += std::norm(c);
    }
    for (auto& c : state.c)
        c /= std::sqrt(sum);
    return state;
}

struct Case {
    std::string name;
    State state;
    Turning turning;
};

std::vector<Case> RandomStates() {
    std::mt19937 random(31);
    std::vector<Case> cases;
    cases.reserve(8);
    for (int i = 0; i < 4; ++i)
        cases.push_back({"random state " + std::to_string(i) + ", counter-clockwise", RandomState(random),
                         Turning::CounterClockwise});
    for (int i = 0; i < 4; ++i)
        cases.push_back({"random state " + std::to_string(i + 4) + ", clockwise", RandomState(random),
                         Turning::Clockwise});
    return cases;
}

// Rows at t/T1 = 0, 0.1, ..., 1.9: row i + 10 is a whole period after row i, row i + 5 half a one,
// and the mirror image of a row is the same row read from the other wall.
TEST(Carpet, RevivesAtT1AndIsMirroredAtHalfOfIt) {
    for (const Case& c : RandomStates()) {
        SCOPED_TRACE(c.name);
        Carpet carpet;
        carpet.Resize(kColumns, 20);
        carpet.Fill(c.state, c.turning, 2);
        for (int i = 0; i < 15; ++i)
            for (int j = 0; j < kColumns; ++j) {
                ASSERT_NEAR(carpet.At(kColumns - 1 - j, i + 5), carpet.At(j, i), 1e-12) << i << ", " << j;
                if (i < 10) {
                    ASSERT_NEAR(carpet.At(j, i + 10), carpet.At(j, i), 1e-12) << i << ", " << j;
                }
            }
    }
}

// States 1 and 2 alone beat at (E2 - E1) / h = 3 / T1: the picture repeats every T1/3, and not
// before: at T1/6 it is another one.
TEST(Carpet, OfStatesOneAndTwoRepeatsEveryThirdOfAPeriod) {
    State state;
    state.c[0] = std::sqrt(0.5);
    state.c[1] = std::polar(std::sqrt(0.5), 0.7);
    Carpet carpet;
    carpet.Resize(kColumns, 6);
    carpet.Fill(state, Turning::CounterClockwise, 1);
    double sixthApart = 0;
    for (int j = 0; j < kColumns; ++j) {
        for (int i = 0; i < 4; ++i)
            ASSERT_NEAR(carpet.At(j, i + 2), carpet.At(j, i), 1e-12) << i << ", " << j;
        sixthApart = std::max(sixthApart, std::abs(carpet.At(j, 1) - carpet.At(j, 0)));
    }
    EXPECT_GT(sixthApart, 0.5);
}

// Each row summed by the midpoint rule over the columns, which is exact for the products of sines
// of the box: the share of the particle in the states given, whatever the instant.
TEST(Carpet, HasTheShareOfTheStatesGivenInEveryRow) {
    std::mt19937 random(7);
    const State whole = RandomState(random);
    State part; // states 2 and 5 of it
    part.c[1] = whole.c[1];
    part.c[4] = whole.c[4];
    const struct {
        const char* name = "";
        State state;
        double share = 0;
    } cases[] = {
        {"a whole state", whole, 1},
        {"states 2 and 5 of it", part, std::norm(whole.c[1]) + std::norm(whole.c[4])},
        {"no state", State{}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Carpet carpet;
        carpet.Resize(kColumns, 37);
        carpet.Fill(c.state, Turning::Clockwise, 1);
        for (int i = 0; i < carpet.Rows(); ++i) {
            double sum = 0;
            for (double density : carpet.Row(i))
                sum += density;
            ASSERT_NEAR(sum / kColumns, c.share, 1e-12) << "row " << i;
        }
    }
}

} // namespace
