// Whatever is typed into the fields: what each field reads after Normalize, what its phasor shows,
// and whether a frame after Start draws curves.

#include "tests/mainwindow/opened_main_wndo.h"
#include "tests/mainwindow/typed_inputs.h"

#include <cmath>
#include <string>

namespace {

using namespace testing_main;
using BadInputTest = OpenedMainWndo;

TEST_F(BadInputTest, EveryMagnitudeGivesANumberAPhasorAndCurvesOrNone) {
    for (const TypedMagnitudes& c : kTypedMagnitudes)
        for (const std::string& typed : c.texts) {
            SCOPED_TRACE("typed '" + typed.substr(0, 20) + "'");
            Retype({typed});
            window.PBNorm_Action();
            EXPECT_EQ(Magnitude(0).Text(), c.reads);
            EXPECT_EQ(Picture(0).Ops().back(), c.phasorLine);
            for (int k = 0; k < MainWndo::kComponents; ++k)
                EXPECT_TRUE(std::isfinite(Phasor(k).magn) && std::isfinite(Phasor(k).angle)) << k;
            Toggle();
            EXPECT_EQ(DensityCurveSegments() == 100, c.curves);
            for (double v : window.PsiSqrd)
                ASSERT_TRUE(c.curves ? std::isfinite(v) : std::isnan(v)) << "finite, or all undrawn";
        }
}

TEST_F(BadInputTest, EveryAngleIsLoadedAsANumberAndLeftAsTyped) {
    const struct {
        std::string typed;
        std::string phasorLine; // magnitude 1
    } cases[] = {
        {"90", "DrawLine 35 35 35 0"},   {"-90", "DrawLine 35 35 35 70"},   {"450", "DrawLine 35 35 35 0"},
        {"", "DrawLine 35 35 70 35"},    {"nan", "DrawLine 35 35 70 35"},   {"inf", "DrawLine 35 35 70 35"},
        {"abc", "DrawLine 35 35 70 35"}, {"1,5e2", "DrawLine 35 35 69 34"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("typed '" + c.typed + "'");
        Type({"1"}, {c.typed});
        window.PBNorm_Action();
        EXPECT_EQ(Angle(0).Text(), c.typed);
        EXPECT_EQ(Picture(0).Ops().back(), c.phasorLine);
    }
    for (const std::string& huge : {std::string("1e999"), kLongNumber}) {
        Type({"1"}, {huge});
        Toggle();
        EXPECT_EQ(DensityCurveSegments(), 100) << "a huge phase still turns and draws";
        EXPECT_TRUE(std::isfinite(Phasor(0).angle));
        Toggle();
    }
}

} // namespace
