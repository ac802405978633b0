#include "platform/wx/WxLanguage.h"

#include "platform/wx/WxToolkitPort.h"

#include <wx/stockitem.h>
#include <wx/translation.h>
#include <wx/window.h>

namespace {
bool active = false;
} // namespace

void WxLanguage::Use(const std::string& language)
{
    active = !language.empty();
    if (!active) {
        wxTranslations::Set(nullptr);
        return;
    }
    auto* translations = new wxTranslations;
    translations->SetLanguage(wxString::FromUTF8(language));
    translations->AddStdCatalog();
    wxTranslations::Set(translations);
}

std::string WxLanguage::StockText(const char* english)
{
    return wxGetTranslation(wxString::FromUTF8(english)).utf8_string();
}

void WxLanguage::LabelStockButton(wxWindow* button)
{
    if (!active || !button) {
        return;
    }
    const std::string label = wxGetStockLabel(button->GetId(), wxSTOCK_WITH_MNEMONIC).utf8_string();
    // The toolkit sized the button for the stock label.
    if (WxToolkitPort::SetStockButtonLabel(*button, label)) {
        button->InvalidateBestSize();
    }
}
