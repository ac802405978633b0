#pragma once

// Runs the program on the real desktop: starts wxWidgets with the wx backend installed, calls
// the registered application object's InitInstance, and ends when it returns. Only the program's
// name is passed on; no command line is read. Returns the process's exit status.
int RunWxApplication(const char* programName);
