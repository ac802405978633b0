#include "settings/SaveWarning.h"

#include "platform/MessageBox.h"

#include <cstring>

void SaveWarning::Tell(const std::string& fileName, int error)
{
    if (error == 0) {
        shown = false;
        return;
    }
    if (shown) {
        return;
    }
    shown = true;
    const std::string text = "Could not save " + fileName + ": " + std::strerror(error);
    AppMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
}
