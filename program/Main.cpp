#include "platform/Resources.h"
#include "platform/wx/WxEntry.h"
#include "program/ProgramOptions.h"
#include "res/GameResources.h"

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
    return RunWxApplication(argv[0]);
}
