#include "app/AboutDialog.h"

#include "platform/Control.h"
#include "platform/Translation.h"
#include "res/ResourceIds.h"

#include <cstdio>

AboutDialog::AboutDialog(Window* parent) : Dialog(IDD_ABOUTBOX, parent) {}

bool AboutDialog::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();
    if (Control* line = GetDlgItem(IDC_ABOUT_VERSION)) {
        char version[64];
        // TRANSLATORS: under the credit line of About; %s is the version, as 1.0.0.
        std::snprintf(version, sizeof version, _("Version %s"), TOBRIX_VERSION);
        line->SetWindowText(version);
    }
    return result;
}
