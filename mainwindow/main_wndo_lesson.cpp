// The lesson: its file commands in the File menu, its states in the States menu, and the title,
// which names it and marks its changes not saved.

#include "app/commands.h"
#include "mainwindow/main_wndo.h"
#include "mainwindow/packet_wndo.h"
#include "toolkit/application.h"
#include "toolkit/numbers.h"
#include "toolkit/platform.h"
#include "toolkit/translation.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// A handler that carries out an action and says it did.
template <class Action> tk::MenuHandlers::Handler Doing(Action action) {
    return [action] {
        action();
        return true;
    };
}

// The States menu lists at most this many of the lesson's states, those around the one shown last,
// so that a long lesson leaves the menu's other items on the screen; Next and Previous go through
// them all.
constexpr std::size_t kListedStates = 20;

std::size_t FirstListed(std::size_t count, std::optional<std::size_t> current) {
    if (count <= kListedStates)
        return 0;
    const std::size_t shown = current.value_or(0);
    return std::min(shown > kListedStates / 2 ? shown - kListedStates / 2 : 0, count - kListedStates);
}

} // namespace

void MainWndo::OpenLesson(const std::string& path) {
    if (lesson_.MayDrop())
        ReadLesson(path);
}

void MainWndo::ReadLesson(const std::string& path) {
    if (!lesson_.Open(path))
        return;
    ApplyOptions(lesson_.Content().options);
    if (!lesson_.Content().states.empty())
        ShowLessonState(0);
}

void MainWndo::ShowLessonState(std::size_t index) {
    if (index >= lesson_.Content().states.size())
        return;
    const lesson::State state = lesson_.Content().states[index];
    ShowTyped({state.magnitudes, state.degrees});
    if (state.periods)
        run_.GoTo(*state.periods);
    lesson_.SetCurrent(index);
}

void MainWndo::ShowTyped(const physics::Typed& typed) {
    run_.Stop();
    std::array<std::string, kComponents> magnitudes;
    std::array<std::string, kComponents> angles;
    for (int k = 0; k < kComponents; ++k) {
        magnitudes[k] = tk::Str(typed.magnitudes[k]);
        angles[k] = tk::Str(typed.degrees[k]);
    }
    WriteFields(magnitudes, angles);
    DoNormalize();
}

lesson::Options MainWndo::OptionsNow() const {
    return {run_.Speed(), run_.Shown().StateNumber(), run_.PhysicalScale(), run_.TimeForward()};
}

void MainWndo::AddCurrentState() {
    const std::size_t number = lesson_.Content().states.size() + 1;
    const auto texts = tk::ThePlatform().Dialogs().AskTexts(
        tk::Translate("MainWndo", "Add Current State"),
        {{tk::Translate("MainWndo", "Name:"),
          tk::Substitute(tk::Translate("MainWndo", "State %1"), {std::to_string(number)})},
         {tk::Translate("MainWndo", "Note:"), "", true}});
    if (!texts)
        return;
    const physics::Typed typed = TypedValues();
    lesson::State state{(*texts)[0], typed.magnitudes, typed.degrees, (*texts)[1], std::nullopt};
    // A state held at an instant is kept with it; the state at rest is shown from t = 0.
    if (run_.State() != run::RunState::Idle && std::isfinite(run_.ElapsedPeriods()) &&
        run_.ElapsedPeriods() != 0)
        state.periods = run_.ElapsedPeriods();
    if (!lesson_.IsOpen())
        lesson_.New(OptionsNow());
    lesson_.Add(std::move(state));
}

void MainWndo::RenameCurrentState() {
    const lesson::State* state = lesson_.CurrentState();
    if (!state)
        return;
    const auto texts = tk::ThePlatform().Dialogs().AskTexts(
        tk::Translate("MainWndo", "Rename State"), {{tk::Translate("MainWndo", "Name:"), state->name},
                                                    {tk::Translate("MainWndo", "Note:"), state->note, true}});
    if (texts)
        lesson_.Rename(*lesson_.Current(), (*texts)[0], (*texts)[1]);
}

// "name — Parvok", with the mark of changes not saved after the name; "Parvok" with none open.
void MainWndo::ShowLessonTitle() {
    if (!lesson_.IsOpen())
        SetTitle("Parvok", false);
    else
        SetTitle(lesson_.Name() + "[*] — Parvok", lesson_.Modified());
}

bool MainWndo::Event_CancelClose() {
    return !MayQuit();
}

// The changes not saved are asked about; those discarded are gone from the session too, which the
// next start would otherwise take up again.
bool MainWndo::MayQuit() {
    if (!lesson_.MayDrop())
        return false;
    if (lesson_.Modified())
        lesson_.Revert();
    return true;
}

// File: the lesson's commands, which act from every window; Quit asks first about changes not
// saved.
void MainWndo::AddLessonHandlers() {
    const auto open = [this] { return lesson_.IsOpen(); };
    commands_.AddMenuHandler(command::kFileNewLesson, Doing([this] {
                                 if (lesson_.MayDrop())
                                     lesson_.New(OptionsNow());
                             }));
    commands_.AddMenuHandler(command::kFileOpen, Doing([this] {
                                 if (!lesson_.MayDrop())
                                     return;
                                 if (const auto path = lesson_.AskFileToOpen())
                                     ReadLesson(*path);
                             }));
    commands_.SetMenuList(command::kFileOpenRecent, {[this] { return lesson_.Recent(); },
                                                     [this](std::size_t index) {
                                                         const auto recent = lesson_.Recent();
                                                         if (index < recent.size())
                                                             OpenLesson(recent[index]);
                                                     }});
    commands_.AddMenuHandler(command::kFileSave, Doing([this] { lesson_.Save(); }), open);
    commands_.AddMenuHandler(command::kFileSaveAs, Doing([this] { lesson_.SaveAs(); }), open);
    commands_.AddMenuHandler(command::kFileQuit, Doing([this] {
                                 if (!MayQuit())
                                     return;
                                 WriteSession();
                                 tk::Quit(0);
                             }));
    followLesson_ = lesson_.Changed.Connect([this] {
        ShowLessonTitle();
        ScheduleSession();
        UpdateMenus();
    });
    // The lesson keeps the options it is shown with; those it gives the run are its own already.
    followRunForLesson_ = run_.Changed.Connect([this](run::Change change) {
        if (applyingOptions_)
            return;
        if (change == run::Change::Speed || change == run::Change::Selection ||
            change == run::Change::Scale || change == run::Change::Turning)
            lesson_.SetOptions(OptionsNow());
        ScheduleSession();
    });
    AddLessonStateHandlers();
}

// States: the lesson's states after the ready-made ones, the way through them, and their editing.
// Each acts on the current state, the one shown last.
void MainWndo::AddLessonStateHandlers() {
    const auto current = [this] { return lesson_.CurrentState() != nullptr; };
    const auto count = [this] { return lesson_.Content().states.size(); };
    const auto first = [this, count] { return FirstListed(count(), lesson_.Current()); };
    commands_.SetMenuList(command::kStatesLesson,
                          {[this, first, count] {
                               std::vector<std::string> names;
                               for (std::size_t i = first(); i < std::min(count(), first() + kListedStates);
                                    ++i)
                                   names.push_back(lesson_.Content().states[i].name);
                               return names;
                           },
                           [this, first](std::size_t index) { ShowLessonState(first() + index); },
                           [this, first]() -> std::optional<std::size_t> {
                               if (!lesson_.Current())
                                   return std::nullopt;
                               return *lesson_.Current() - first();
                           }});
    commands_.AddMenuHandler(
        command::kStatesNext,
        Doing([this] { ShowLessonState(lesson_.Current() ? *lesson_.Current() + 1 : 0); }),
        [this, count] { return (lesson_.Current() ? *lesson_.Current() + 1 : 0) < count(); });
    commands_.AddMenuHandler(command::kStatesPrevious,
                             Doing([this] { ShowLessonState(*lesson_.Current() - 1); }),
                             [this] { return lesson_.Current().value_or(0) > 0; });
    commands_.AddMenuHandler(command::kStatesBuildPacket, Doing([this] {
                                 if (!packetWindow_ || !packetWindow_->IsOpen()) {
                                     packetWindow_ = std::make_unique<PacketWndo>(
                                         [this](const physics::Typed& typed) { ShowTyped(typed); });
                                     packetWindow_->Open();
                                 }
                                 packetWindow_->Show();
                             }));
    commands_.AddMenuHandler(command::kStatesAdd, Doing([this] { AddCurrentState(); }));
    commands_.AddMenuHandler(command::kStatesRename, Doing([this] { RenameCurrentState(); }), current);
    commands_.AddMenuHandler(command::kStatesRemove, Doing([this] { lesson_.Remove(*lesson_.Current()); }),
                             current);
    commands_.AddMenuHandler(command::kStatesMoveUp, Doing([this] { lesson_.Move(*lesson_.Current(), -1); }),
                             [this] { return lesson_.CurrentState() && *lesson_.Current() > 0; });
    commands_.AddMenuHandler(
        command::kStatesMoveDown, Doing([this] { lesson_.Move(*lesson_.Current(), +1); }),
        [this, count] { return lesson_.CurrentState() && *lesson_.Current() + 1 < count(); });
}
