#include "platform/Resources.h"
#include "platform/Translation.h"
#include "platform/wx/WxEntry.h"
#include "program/ProgramOptions.h"
#include "res/GameResources.h"

#include <cstdlib>

// The program: the application object, a global of app/, is already constructed; the wx backend
// runs it with the game's resources.
int main(int argc, char** argv)
{
    ProgramOptions options;
    int status = options.Handle(argc, argv, stdout, stderr);
    if (status != ProgramOptions::START_GAME) {
        return status;
    }
    SetResourceTable(&GameResources());
    // The language follows the desktop; English needs no catalogue.
    LoadTranslations(
        PreferredLanguages([](const char* name) -> const char* { return std::getenv(name); }),
        "tobrix", TranslationFolders());
    return RunWxApplication(argv[0]);
}
