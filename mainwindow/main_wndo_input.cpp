// The initial coefficients: their fields, the selection of what is shown, and the normalization.

#include "mainwindow/main_wndo.h"

#include "toolkit/numbers.h"

// The session keeps the fields as they are typed.
void MainWndo::EFMagn_TextChange(int /*index*/) {
    if (!writingFields_)
        DoBlank();
    ScheduleSession();
}

void MainWndo::EFAngle_TextChange(int /*index*/) {
    if (!writingFields_)
        DoBlank();
    ScheduleSession();
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
    run_.Select(run::Selection::State(index + 1));
}

void MainWndo::RBTotal_Action() {
    ShowAll();
}

void MainWndo::ShowAll() {
    run_.Select(run::Selection::Total());
}

// The first edit after a normalization blanks the phasors, once.
void MainWndo::DoBlank() {
    run_.MarkEdited();
}

// Scales the magnitudes so that their squares sum to 1 and loads every coefficient: the run
// normalizes, and the window writes the magnitudes back and shows the phasors as it follows.
void MainWndo::DoNormalize() {
    run_.Load(TypedValues());
}

void MainWndo::WriteTyped(const physics::Typed& typed) {
    std::array<std::string, kComponents> magnitudes;
    std::array<std::string, kComponents> angles;
    for (int k = 0; k < kComponents; ++k) {
        magnitudes[k] = tk::Format(typed.magnitudes[k], physics::kMagnitudeFormat);
        angles[k] = tk::Str(typed.degrees[k]);
    }
    WriteFields(magnitudes, angles);
}

// Text that is not a number reads 0.
physics::Typed MainWndo::TypedValues() const {
    physics::Typed typed;
    for (int k = 0; k < kComponents; ++k) {
        typed.magnitudes[k] = tk::Val(magnitudes_[k]->Text());
        typed.degrees[k] = tk::Val(angles_[k]->Text());
    }
    return typed;
}
