// The presentation view opened and closed again and again through Qt (offscreen), as over a long day
// of classes. PARVOK_PRESENTATION_OPENINGS sets how often (200 by default; make soak opens it 1,000
// times).

#include "app/menu_bar1.h"
#include "presentation/presentation_wndo.h"
#include "tests/support/resident_memory.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

namespace {

// Each time full screen over the running main window, a frame shown, then Esc twice.
TEST(PresentationOpenings, OneAfterAnotherLeaveTheMemoryFlat) {
    const char* configured = std::getenv("PARVOK_PRESENTATION_OPENINGS");
    const int openings = configured ? std::atoi(configured) : 200;
    MainWndo& main = MainWndo::Instance();
    main.PBStart_Action();
    const std::size_t ownSubscribers = main.Model().FrameAdvanced.SubscriberCount();
    long warm = 0;
    for (int i = 0; i < openings; ++i) {
        PresentationWndo::ShowShared();
        main.TMFrame_Action();
        QApplication::processEvents();
        PresentationWndo& view = PresentationWndo::Instance();
        ASSERT_TRUE(view.FullScreen() && !view.TooSmall()) << i;
        view.Leave();
        ASSERT_TRUE(view.IsOpen() && !view.FullScreen()) << i << ": Esc leaves full screen first";
        view.Leave();
        QApplication::processEvents();
        ASSERT_FALSE(view.IsOpen()) << i;
        if (i + 1 == openings / 2)
            warm = fake::ResidentKilobytes();
    }
    const long end = fake::ResidentKilobytes();
    std::cout << "presentation: " << openings << " openings; resident after " << openings / 2 << ": " << warm
              << " KiB, at the end " << end << " KiB (" << end - warm << " KiB)\n";
    if (fake::kResidentSizeTellsLeaks) {
        EXPECT_LE(end - warm, 512) << "memory grows with the openings";
    }
    EXPECT_EQ(main.Model().FrameAdvanced.SubscriberCount(), ownSubscribers);
    PresentationWndo::Release();
    MainWndo::Release();
    MenuBar1::Release();
}

} // namespace
