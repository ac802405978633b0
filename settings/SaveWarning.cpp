#include "settings/SaveWarning.h"

#include "platform/MessageBox.h"
#include "platform/Translation.h"

#include <cstdio>

void SaveWarning::Tell(const std::string& fileName, const std::string& reason)
{
    if (reason.empty()) {
        shown = false;
        return;
    }
    if (shown) {
        return;
    }
    shown = true;
    // The names are arguments of the format, never part of it: a file name may hold a '%'.
    const char* format = _("Could not save %s: %s");
    const int length = std::snprintf(nullptr, 0, format, fileName.c_str(), reason.c_str());
    std::string text(static_cast<size_t>(length > 0 ? length : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, format, fileName.c_str(), reason.c_str());
    AppMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
}
