#include "settings/SaveWarning.h"

#include "platform/MessageBox.h"

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
    const std::string text = "Could not save " + fileName + ": " + reason;
    AppMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
}
