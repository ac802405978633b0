#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

#include <cstdio>
#include <cstdlib>

namespace {
// The test program's wx application: no main loop of its own, the tests run the loops they need.
class GuiTestApp : public wxApp
{
public:
    bool OnInit() override
    {
        wxInitAllImageHandlers();
        SetExitOnFrameDelete(false);
        return true;
    }
};

// The return code that tells CTest the suite was skipped.
constexpr int SKIPPED = 77;
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // The runner's marker: this program started, so a failure from here on is the suite's own.
    if (const char* marker = std::getenv("TOBRIX_GUI_MARKER")) {
        if (FILE* file = std::fopen(marker, "w")) {
            std::fclose(file);
        }
    }
    wxApp::SetInstance(new GuiTestApp);
    char* arguments[] = {argv[0], nullptr};
    int count = 1;
    if (!wxEntryStart(count, arguments)) {
        std::fprintf(stderr, "SKIPPED: the end-to-end tests need an X server and none could be "
                             "opened (DISPLAY not set or not reachable)\n");
        return SKIPPED;
    }
    if (!wxTheApp->CallOnInit()) {
        wxEntryCleanup();
        return 1;
    }
    int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
