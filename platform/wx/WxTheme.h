#pragma once

class wxWindow;

// The desktop theme's colours in the platform layer's theme table (GetThemeSysColor): read when
// the backend starts, and again whenever the theme changes while the game runs, so that the
// dialogs' ground stays behind text the theme colours.
class WxTheme
{
public:
    // Reads the theme now and follows its changes from then on.
    static void Follow();
    // Stops following; the table goes back to the classic colours.
    static void Stop();
    // Reads the toolkit's colours into the table.
    static void Read();
    // Gives a panel the theme's face colour, now and after every change of the theme.
    static void KeepFace(wxWindow& panel);
};
