// The initial coefficients: their fields, the selection of what is shown, and the normalization.

#include "mainwindow/main_wndo.h"

#include "physics/normalization.h"
#include "toolkit/numbers.h"
#include "toolkit/translation.h"

#include <utility>

namespace {

// Raises a flag for the lifetime of the scope.
class Raised {
public:
    explicit Raised(bool& flag) : flag_(flag), before_(std::exchange(flag, true)) {}
    ~Raised() { flag_ = before_; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

private:
    bool& flag_;
    bool before_;
};

} // namespace

void MainWndo::EFMagn_TextChange(int /*index*/) {
    if (!writingFields_)
        DoBlank();
}

void MainWndo::EFAngle_TextChange(int /*index*/) {
    if (!writingFields_)
        DoBlank();
}

void MainWndo::EFMagn_GotFocus(int index) {
    SelectWholeText(*magnitudes_[index]);
}

void MainWndo::EFAngle_GotFocus(int index) {
    SelectWholeText(*angles_[index]);
}

void MainWndo::SelectWholeText(tk::EditField& field) {
    field.SetSelStart(0);
    field.SetSelLength(tk::CharacterCount(field.Text()));
}

void MainWndo::PBNorm_Action() {
    DoNormalize();
}

void MainWndo::RBNth_Action(int index) {
    for (int k = 0; k < kComponents; ++k)
        Show[k] = k == index ? 1 : 0;
    StateChanged.Emit(Change::Selection);
}

void MainWndo::RBTotal_Action() {
    ShowAll();
    StateChanged.Emit(Change::Selection);
}

void MainWndo::ShowAll() {
    Show.fill(1);
}

void MainWndo::DoBlank() {
    if (Blanked)
        return;
    for (PhasorDiagram* phasor : phasors_)
        phasor->Blank();
    Blanked = true;
    StateChanged.Emit(Change::Edited);
}

// Scales the magnitudes so that their squares sum to 1, writes them back with six decimals and
// loads every coefficient into its phasor. The window's own writing to the fields is no edit of
// the user's, so it blanks nothing.
void MainWndo::DoNormalize() {
    physics::Components typed{};
    for (int k = 0; k < kComponents; ++k)
        typed[k] = tk::Val(magnitudes_[k]->Text());
    const physics::Components normalized = physics::Normalized(typed);
    const Raised writing(writingFields_);
    for (int k = 0; k < kComponents; ++k) {
        const double magnitude = normalized[k];
        magnitudes_[k]->SetText(tk::Format(magnitude, "0.000000"));
        PhasorDiagram& phasor = *phasors_[k];
        phasor.magn = magnitude;
        phasor.angle = tk::Val(angles_[k]->Text());
        loadedPhases_[k] = phasor.angle;
        phasor.Update();
        phasor.SetAccessibleDescription(tk::Substitute(
            tk::Translate("MainWndo", "State %1: magnitude %2, angle %3 degrees"),
            {std::to_string(k + 1), tk::Format(magnitude, "0.000000"), tk::Str(phasor.angle)}));
        Blanked = false;
    }
    framesAdvanced_ = 0;
    StateChanged.Emit(Change::Normalized);
}
