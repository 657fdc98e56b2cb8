// The main window's controls: made in a fixed order, each registered by name (and index), found,
// given its settings, and finally bound to the window's handlers.

#include "mainwindow/main_wndo.h"

#include "toolkit/numbers.h"
#include "toolkit/translation.h"

#include <string>
#include <type_traits>

namespace {

// The columns of the control group, in window coordinates.
constexpr int kShowColumn = 552;   // the radio buttons, "Show" and "Start"
constexpr int kPhasorColumn = 613; // the phasors and their caption
constexpr int kLabelColumn = 695;  // "Initial data:" and the fields' labels
constexpr int kFieldColumn = 732;  // the magnitude and angle fields and "Normalize"
constexpr int kSpeedColumn = 644;  // the slider and its label
constexpr int kPlotColumn = 20;    // the plots and their captions

// The rows: the captions over the group, then the first component row, whose controls sit at
// these tops; the six rows are kRowSpacing apart. Each field's label sits 1 pixel below the field.
constexpr int kHeaderTop = 32;
constexpr int kPhasorTop = 57;
constexpr int kMagnitudeTop = 64;
constexpr int kNthTop = 82;
constexpr int kAngleTop = 95;
constexpr int kFieldLabelDrop = 1;
constexpr int kRowSpacing = 82;

std::string StateNumber(int index) {
    return std::to_string(index + 1);
}

// A single-line field with a border, editable, plain text in black on white, left aligned, with
// no length limit; the tab key moves on.
void ApplyFieldSettings(tk::EditField& field) {
    field.SetBorder(true);
    field.SetReadOnly(false);
    field.SetPassword(false);
    field.SetAcceptTabs(false);
    field.SetTextColor(tk::kBlack);
    field.SetBackColor(tk::kWhite);
    field.SetLimitText(0);
    field.SetAlignment(tk::EditField::kLeft);
    field.SetUseFocusRing(true);
}

// Plots and phasors take neither the focus nor tabs, and erase their background before painting.
void ApplyCanvasSettings(tk::Canvas& canvas) {
    canvas.SetAcceptFocus(false);
    canvas.SetAcceptTabs(false);
    canvas.SetEraseBackground(true);
}

// A button of the group that is neither the default nor the cancel button, 20 pixels high.
void GroupButton(tk::PushButton& button, tk::GroupBox* group, int left, int top, int width,
                 const std::string& caption, const std::string& accessibleName) {
    button.SetBounds(left, top, width, 20);
    button.SetCaption(caption);
    button.SetParent(group);
    button.SetDefault(false);
    button.SetCancel(false);
    button.SetAccessibleName(accessibleName);
}

void Label(tk::StaticText& label, int left, int top, int width, const std::string& text,
           int alignment = tk::StaticText::kLeft) {
    label.SetBounds(left, top, width, 20);
    label.SetText(text);
    label.SetAlignment(alignment);
}

} // namespace

template <class T> T& MainWndo::Create(const std::string& name, int index) {
    if constexpr (std::is_constructible_v<T, int>)
        AddControl(name, std::make_unique<T>(index));
    else
        AddControl(name, std::make_unique<T>());
    return *Find<T>(name, index);
}

void MainWndo::CreateControls() {
    _CreateControls0();
}

void MainWndo::_CreateControls0() {
    CreateGraphs();
    CreateControlGroup();
    for (int i = 1; i < kComponents; ++i)
        CreateComponentRow(i);
    CreateRunControls();

    BindArray("RBNth", &tk::RadioButton::Action, &MainWndo::RBNth_Action);
    BindArray("EFMagn", &tk::EditField::TextChange, &MainWndo::EFMagn_TextChange);
    BindArray("EFMagn", &tk::EditField::GotFocus, &MainWndo::EFMagn_GotFocus);
    BindArray("EFAngle", &tk::EditField::TextChange, &MainWndo::EFAngle_TextChange);
    BindArray("EFAngle", &tk::EditField::GotFocus, &MainWndo::EFAngle_GotFocus);
}

void MainWndo::CreateGraphs() {
    wavefunction_ = &Create<Graph>("GFWFunc");
    wavefunction_->SetBounds(kPlotColumn, 26, 500, 300);
    ApplyCanvasSettings(*wavefunction_);
    wavefunction_->SetAccessibleName(
        tk::Translate("MainWndo", "Wavefunction: real part in black, imaginary part in red"));
    tk::Bind(*wavefunction_, &Graph::Open, *this, &MainWndo::GFWFunc_Open);
    tk::Bind(*wavefunction_, &Graph::DrawContent, *this, &MainWndo::GFWFunc_DrawContent);
    pictureCaptions_[0] = &Create<STLabel>("STLabel", 0);
    Label(*pictureCaptions_[0], kPlotColumn, 6, 91, tk::Translate("MainWndo", "Wavefunction"));

    probability_ = &Create<Graph>("GFProb");
    probability_->SetBounds(kPlotColumn, 392, 500, 250);
    ApplyCanvasSettings(*probability_);
    probability_->SetAccessibleName(tk::Translate("MainWndo", "Probability density"));
    tk::Bind(*probability_, &Graph::Open, *this, &MainWndo::GFProb_Open);
    tk::Bind(*probability_, &Graph::DrawContent, *this, &MainWndo::GFProb_DrawContent);
    pictureCaptions_[1] = &Create<STLabel>("STLabel", 1);
    Label(*pictureCaptions_[1], kPlotColumn, 371, 91, tk::Translate("MainWndo", "Probability"));
}

// The group box, its header row, the choice of the whole superposition and the first component row.
void MainWndo::CreateControlGroup() {
    group_ = &Create<tk::GroupBox>("GBControl");
    group_->SetBounds(540, 6, 285, 643);
    group_->SetCaption(tk::Translate("MainWndo", "Control"));

    auto& total = Create<tk::RadioButton>("RBTotal");
    total.SetBounds(kShowColumn, 559, 61, 20);
    total.SetCaption(tk::Translate("MainWndo", "Total"));
    total.SetParent(group_);
    total.SetValue(true);
    total.SetAccessibleName(tk::Translate("MainWndo", "Show all states together"));
    tk::Bind(total, &tk::RadioButton::Action, *this, &MainWndo::RBTotal_Action);

    auto& show = Create<STLabel>("STLabel", 2);
    Label(show, kShowColumn, kHeaderTop, 55, tk::Translate("MainWndo", "Show"));
    show.SetParent(group_);
    CreateComponentRow(0);
}

// Row i of the group: the phasor, the radio button, the magnitude and angle fields and their labels.
// The first row interleaves the header captions above it, in the order the controls are made.
void MainWndo::CreateComponentRow(int i) {
    const int offset = kRowSpacing * i;
    const std::string n = StateNumber(i);

    auto& phasor = Create<Phasor>("Phasor", i);
    phasor.SetBounds(kPhasorColumn, kPhasorTop + offset, 70, 70);
    phasor.SetParent(group_);
    ApplyCanvasSettings(phasor);
    phasor.SetAccessibleName(tk::Substitute(tk::Translate("MainWndo", "Phasor of state %1"), {n}));
    phasor.SetAccessibleDescription(tk::Substitute(tk::Translate("MainWndo", "State %1"), {n}));
    phasors_[i] = &phasor;
    if (i == 0) {
        auto& header = Create<STLabel>("STLabel", 3);
        Label(header, kPhasorColumn, kHeaderTop, 55, tk::Translate("MainWndo", "Phasor"));
        header.SetParent(group_);
        pictureCaptions_[2] = &header;
    }

    auto& nth = Create<RBNth>("RBNth", i);
    nth.SetBounds(kShowColumn, kNthTop + offset, 49, 20);
    nth.SetCaption(tk::Substitute(tk::Translate("MainWndo", "n=%1"), {n}));
    nth.SetParent(group_);
    nth.SetValue(false);
    nth.SetAccessibleName(tk::Substitute(tk::Translate("MainWndo", "Show state %1 alone"), {n}));
    stateButtons_[i] = &nth;
    if (i == 0) {
        auto& header = Create<STLabel>("STLabel", 4);
        Label(header, kLabelColumn, kHeaderTop, 79, tk::Translate("MainWndo", "Initial data:"));
        header.SetParent(group_);
    }

    auto& magnitude = Create<EFMagn>("EFMagn", i);
    magnitude.SetBounds(kFieldColumn, kMagnitudeTop + offset, 82, 22);
    magnitude.SetText(tk::Format(i == 0 ? 1.0 : 0.0, physics::kMagnitudeFormat));
    magnitude.SetParent(group_);
    ApplyFieldSettings(magnitude);
    magnitude.SetAccessibleName(tk::Substitute(tk::Translate("MainWndo", "Magnitude of state %1"), {n}));
    magnitudes_[i] = &magnitude;

    auto& angle = Create<EFAngle>("EFAngle", i);
    angle.SetBounds(kFieldColumn, kAngleTop + offset, 82, 22);
    angle.SetText("0");
    angle.SetParent(group_);
    ApplyFieldSettings(angle);
    angle.SetAccessibleName(tk::Substitute(tk::Translate("MainWndo", "Angle of state %1 in degrees"), {n}));
    angles_[i] = &angle;

    auto& magnitudeLabel = Create<STML>("STML", i);
    Label(magnitudeLabel, kLabelColumn, kMagnitudeTop + kFieldLabelDrop + offset, 33,
          tk::Translate("MainWndo", "mag:"), tk::StaticText::kRight);
    magnitudeLabel.SetParent(group_);
    auto& angleLabel = Create<STAL>("STAL", i);
    Label(angleLabel, kLabelColumn, kAngleTop + kFieldLabelDrop + offset, 33,
          tk::Translate("MainWndo", "ang:"), tk::StaticText::kRight);
    angleLabel.SetParent(group_);
}

void MainWndo::CreateRunControls() {
    normalize_ = &Create<tk::PushButton>("PBNorm");
    GroupButton(*normalize_, group_, kFieldColumn, 541, 82, tk::Translate("MainWndo", "Normalize"),
                tk::Translate("MainWndo", "Normalize the magnitudes"));
    tk::Bind(*normalize_, &tk::PushButton::Action, *this, &MainWndo::PBNorm_Action);

    start_ = &Create<tk::PushButton>("PBStart");
    GroupButton(*start_, group_, kShowColumn, 610, 80, startCaption_,
                tk::Translate("MainWndo", "Start or stop the animation"));
    tk::Bind(*start_, &tk::PushButton::Action, *this, &MainWndo::PBStart_Action);

    speed_ = &Create<tk::Slider>("SLSpeed");
    speed_->SetBounds(kSpeedColumn, 614, 170, 16);
    speed_->SetParent(group_);
    speed_->SetMinimum(run::RunModel::kMinimumSpeed);
    speed_->SetMaximum(run::RunModel::kMaximumSpeed);
    speed_->SetValue(run::RunModel::kInitialSpeed);
    speed_->SetLineStep(1);
    speed_->SetPageStep(20);
    speed_->SetLiveScroll(false);
    speed_->SetAccessibleName(tk::Translate("MainWndo", "Phase speed"));
    speed_->ValueChanged = [this] { run_.SetSpeed(speed_->Value()); };

    auto& speedLabel = Create<STLabel>("STLabel", 5);
    Label(speedLabel, kSpeedColumn, 588, 46, tk::Translate("MainWndo", "Speed:"));
    speedLabel.SetParent(group_);

    timer_ = &Create<TMFrame>("TMFrame");
    timer_->_SetWindow(this);
    timer_->SetVisible(false);
    timer_->SetMode(tk::Timer::kOff);
    timer_->SetPeriod(33);
    tk::Bind(*timer_, &tk::Timer::Action, *this, &MainWndo::TMFrame_Action);

    // Writes the session a moment after the first change since it was written last.
    constexpr int kSessionDelay = 500; // ms
    sessionTimer_ = &Create<tk::Timer>("TMSession");
    sessionTimer_->SetVisible(false);
    sessionTimer_->SetMode(tk::Timer::kOff);
    sessionTimer_->SetPeriod(kSessionDelay);
    sessionTimer_->Action = [this] { WriteSession(); };
}
