#pragma once

#include "platform/Dialog.h"

// The About box: the icon, the credit line, the version and OK, all from its template.
class AboutDialog : public Dialog
{
public:
    explicit AboutDialog(Window* parent = nullptr);
    ~AboutDialog() override = default;

    bool OnInitDialog() override;
};
