#include "app/AboutDialog.h"

#include "res/ResourceIds.h"

AboutDialog::AboutDialog(Window* parent) : Dialog(IDD_ABOUTBOX, parent) {}
