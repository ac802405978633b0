#include "platform/wx/WxEntry.h"

// The program: the application object, a global of app/, is already constructed; the wx backend
// runs it.
int main(int /*argc*/, char** argv)
{
    return RunWxApplication(argv[0]);
}
