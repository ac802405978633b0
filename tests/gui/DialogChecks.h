#pragma once

#include "platform/Dialog.h"
#include "settings/PreferencesSheet.h"

#include <string>
#include <vector>

class PropertySheet;
class Window;

// The Preferences sheet as the game opens it: over an owner window, its pages made and filled
// from the factory settings, ready for its modal run.
struct PreferencesOnScreen
{
    PreferencesOnScreen();

    Dialog owner;
    PreferencesSheet sheet;
};

// The checks of a dialog's face that the English and the translated runs share.
namespace gui {
// Shows the sheet modally and, page by page, saves a screenshot (named after names[page]) and
// collects what CutTexts and LayoutFaults find there (and Unbracketed, with pseudo), each line
// after its page's name. Cancel closes the sheet at the end; false when it did not come to the
// last page.
bool CheckSheetPages(PropertySheet& sheet, const char* const names[3],
                     std::vector<std::string>& faults, bool pseudo = false);

// The texts of a window that show without the pseudo-language's brackets: its title and the
// texts of its shown controls, the toolkit's stock buttons aside.
std::vector<std::string> Unbracketed(const Window& window);
bool Bracketed(const std::string& text);
} // namespace gui
