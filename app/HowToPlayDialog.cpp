#include "app/HowToPlayDialog.h"

#include "res/ResourceIds.h"

HowToPlayDialog::HowToPlayDialog(Window* parent) : Dialog(IDD_HOW_TO_PLAY, parent) {}
