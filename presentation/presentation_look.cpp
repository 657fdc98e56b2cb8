#include "presentation/presentation_look.h"

PresentationLook LookFor(bool highContrast) {
    if (highContrast)
        return {tk::kBlack,          tk::RGB(190, 0, 0),
                tk::RGB(96, 96, 96), tk::RGB(110, 110, 110),
                tk::RGB(0, 0, 200),  2};
    return {tk::kBlack, tk::kCurveRed, tk::kGridGrey, tk::RGB(150, 150, 150), tk::RGB(0, 100, 230), 1};
}
