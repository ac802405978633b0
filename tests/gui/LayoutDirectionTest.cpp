#include "platform/wx/WxApp.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <utility>

// The game's windows are laid out left to right whatever direction the desktop's language gives
// GTK: the board and its pictures are drawn for that direction.
TEST(LayoutDirectionTest, StaysLeftToRightOnEveryDesktop)
{
    const std::pair<GtkTextDirection, wxLayoutDirection> cases[] = {
        {GTK_TEXT_DIR_LTR, wxLayout_LeftToRight}, {GTK_TEXT_DIR_RTL, wxLayout_LeftToRight}};
    wxAppConsole* const running = wxApp::GetInstance();
    const GtkTextDirection before = gtk_widget_get_default_direction();
    {
        // A second application object makes itself the instance, and leaves none when it ends.
        WxApp app;
        wxApp::SetInstance(running);
        for (const auto& [gtk, expected] : cases) {
            gtk_widget_set_default_direction(gtk);
            EXPECT_EQ(app.GetLayoutDirection(), expected) << "GTK direction " << gtk;
        }
    }
    wxApp::SetInstance(running);
    gtk_widget_set_default_direction(before);
}
