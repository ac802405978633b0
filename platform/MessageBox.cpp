#include "platform/MessageBox.h"

#include "platform/Backend.h"
#include "platform/Translation.h"

#include <string>

namespace {
std::string& AppTitle()
{
    static std::string title = "TOBRIX++";
    return title;
}
} // namespace

int DefaultButton(unsigned type)
{
    const bool second = (type & MB_DEFBUTTON_MASK) == MB_DEFBUTTON2;
    switch (type & MB_BUTTONS_MASK) {
    case MB_YESNO:
        return second ? IDNO : IDYES;
    case MB_OKCANCEL:
        return second ? IDCANCEL : IDOK;
    default:
        return IDOK;
    }
}

int MessageBox(Window* owner, const char* text, const char* caption, unsigned type)
{
    Backend* backend = GetBackend();
    if (!backend) {
        return DefaultButton(type);
    }
    return backend->MessageBox(owner, text ? text : "", caption ? caption : "", type);
}

int AppMessageBox(const char* text, unsigned type)
{
    return MessageBox(nullptr, text, Translate(GetAppTitle()), type);
}

void SetAppTitle(const char* title)
{
    AppTitle() = title ? title : "";
}

const char* GetAppTitle()
{
    return AppTitle().c_str();
}
