#include "platform/wx/WxApp.h"

#include "platform/Application.h"
#include "platform/Translation.h"
#include "platform/wx/WxEntry.h"
#include "platform/wx/WxLanguage.h"
#include "platform/wx/WxToolkitPort.h"

#include <wx/image.h>
#include <wx/init.h>

#include <cstdio>
#include <cstdlib>

bool WxApp::OnInit()
{
    // The base class would read the command line; the program has none.
    wxInitAllImageHandlers();
    SetExitOnFrameDelete(false);
    WxLanguage::Use(TranslationLanguage());
    backend = std::make_unique<WxBackend>();
    return true;
}

int WxApp::OnRun()
{
    if (Application* application = GetApplication()) {
        application->InitInstance();
    }
    return 0;
}

int WxApp::OnExit()
{
    backend.reset();
    return wxApp::OnExit();
}

wxLayoutDirection WxApp::GetLayoutDirection() const
{
    return wxLayout_LeftToRight;
}

int RunWxApplication(const char* programName)
{
    wxApp::SetInstance(new WxApp);
    char name[256] = "tobrix";
    if (programName && *programName) {
        snprintf(name, sizeof name, "%s", programName);
    }
    char* arguments[] = {name, nullptr};
    int count = 1;
    WxToolkitPort::Prepare();
    // Without a display the toolkit cannot start; the player gets one line, not its noise.
    if (!wxEntryStart(count, arguments)) {
        std::fprintf(stderr, "tobrix: cannot open the display (is DISPLAY or WAYLAND_DISPLAY set "
                             "to a running desktop session?)\n");
        return 1;
    }
    int status = 1;
    if (wxTheApp->CallOnInit()) {
        status = wxTheApp->OnRun();
        wxTheApp->OnExit();
    }
    wxEntryCleanup();
    return status;
}
