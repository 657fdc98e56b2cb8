#include "app/about_parvok.h"

#include "toolkit/exceptions.h"
#include "toolkit/platform.h"

namespace AboutParvok {

bool loaded = false;
std::string _permatext;

namespace {

constexpr int kAboutTextId = 168;

} // namespace

std::string AboutParvok() {
    if (!loaded) {
        tk::ResourceStore* store = tk::ThePlatform().Resources();
        if (!store)
            throw tk::NilObjectException("the application has no resources");
        _permatext = store->GetResource("TEXT", kAboutTextId);
        loaded = true;
    }
    return _permatext;
}

void Release() {
    _permatext.clear();
    loaded = false;
}

} // namespace AboutParvok
