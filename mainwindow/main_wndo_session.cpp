// The session: the fields as typed, the options and the open lesson with its changes, kept in the
// platform's state folder so that the next start takes them up again, after a quit or a crash.

#include "lesson/session.h"
#include "mainwindow/main_wndo.h"
#include "toolkit/platform.h"

#include <filesystem>
#include <system_error>
#include <utility>

void MainWndo::KeepSession(const std::string& folder) {
    sessionFolder_ = folder;
    if (folder.empty())
        return;
    RestoreSession((std::filesystem::path(folder) / lesson::kSessionFile).string());
    ShowLessonTitle();
}

// The fields as the session left them, loaded as Normalize loads them; where that rewrote a
// magnitude, the text typed goes back as typed, an edit not loaded yet, as it was. A session that
// cannot be read is left aside, and the program starts as it does the first time.
void MainWndo::RestoreSession(const std::string& path) {
    std::optional<lesson::Session> session = lesson::ReadSession(path);
    if (!session)
        return;
    ApplyOptions(session->options);
    WriteFields(session->magnitudes, session->angles);
    DoNormalize();
    WriteFields(session->magnitudes, session->angles); // an edit only where a text differs
    if (auto& open = session->lesson)
        lesson_.Restore(std::move(open->content), std::move(open->path), open->modified, open->current);
}

void MainWndo::ScheduleSession() {
    if (!sessionFolder_.empty() && sessionTimer_ && sessionTimer_->Mode() == tk::Timer::kOff)
        sessionTimer_->SetMode(tk::Timer::kSingle);
}

// Written as every file of the program is, to a temporary file renamed once complete: a crash
// while writing leaves the session before.
void MainWndo::WriteSession() {
    if (sessionFolder_.empty())
        return;
    lesson::Session session;
    for (int k = 0; k < kComponents; ++k) {
        session.magnitudes[k] = magnitudes_[k]->Text();
        session.angles[k] = angles_[k]->Text();
    }
    session.options = OptionsNow();
    if (lesson_.IsOpen())
        session.lesson = {lesson_.Content(), lesson_.Path(), lesson_.Modified(), lesson_.Current()};
    std::error_code ignored; // a folder that cannot be made fails the write below, which is told nowhere
    std::filesystem::create_directories(sessionFolder_, ignored);
    tk::ThePlatform().Output().WriteFile(
        (std::filesystem::path(sessionFolder_) / lesson::kSessionFile).string(),
        lesson::SessionText(session));
}
