#pragma once

class Window;

// The program's application object. The program defines one global instance of a class derived
// from it; constructing it registers it, so that it exists before the backend starts. The backend's
// start-up calls InitInstance once, which runs the main window modally; when InitInstance returns,
// the program ends.
class Application
{
public:
    Application();
    virtual ~Application();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the program. The result says whether a message loop of the application's own should
    // follow; no backend runs one, so the program ends either way.
    virtual bool InitInstance() = 0;

    // The window the program runs, while it runs (set by InitInstance).
    Window* mainWindow = nullptr;
};

// The registered application object, or nullptr when the program defines none.
Application* GetApplication();
