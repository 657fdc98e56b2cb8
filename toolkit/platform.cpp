#include "toolkit/platform.h"

#include "toolkit/exceptions.h"

#include <utility>

namespace tk {

namespace {

Platform* current = nullptr;

class NoDialogs : public Dialogs {
public:
    std::optional<SaveAnswer> AskSaveFile(const SaveQuestion& /*question*/) override { return std::nullopt; }
    bool Confirm(const std::string& /*title*/, const std::string& /*question*/,
                 const std::string& /*action*/) override {
        return false;
    }
    void Warn(const std::string& /*title*/, const std::string& /*message*/) override {}
    std::optional<std::string> AskOpenFile(const OpenQuestion& /*question*/) override { return std::nullopt; }
    UnsavedAnswer AskUnsaved(const std::string& /*title*/, const std::string& /*question*/) override {
        return UnsavedAnswer::Cancel;
    }
    std::optional<std::vector<std::string>> AskTexts(const std::string& /*title*/,
                                                     const std::vector<TextEntry>& /*entries*/) override {
        return std::nullopt;
    }
};

class NoOutput : public Output {
public:
    std::string Encode(const Drawing& /*drawing*/, PictureFormat /*format*/) override { return {}; }
    std::string WriteFile(const std::string& /*path*/, std::string_view /*contents*/) override {
        return "this platform writes no files";
    }
    void CopyToClipboard(const Drawing& /*drawing*/) override {}
    PrintResult Print(const Drawing& /*drawing*/) override { return PrintResult::Cancelled; }
};

} // namespace

tk::Dialogs& Platform::Dialogs() {
    static NoDialogs none;
    return none;
}

tk::Output& Platform::Output() {
    static NoOutput none;
    return none;
}

tk::Settings& Platform::Settings() {
    static SessionSettings session;
    return session;
}

Platform& ThePlatform() {
    if (!current)
        throw NilObjectException("no platform installed");
    return *current;
}

Platform* SetPlatform(Platform* platform) {
    return std::exchange(current, platform);
}

void Quit(int exitCode) {
    ThePlatform().Quit(exitCode);
}

std::unique_ptr<Picture> NewPicture(int width, int height, int depth, int zoom) {
    return ThePlatform().NewPicture(width, height, depth, zoom);
}

} // namespace tk
