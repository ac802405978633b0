#include "platform/wx/WxLanguage.h"

#include <wx/stockitem.h>
#include <wx/translation.h>
#include <wx/window.h>

#include <gtk/gtk.h>

namespace {
bool active = false;

// "&Yes" -> "_Yes": GTK marks the mnemonic with an underscore and doubles a literal one.
std::string GtkMnemonics(const std::string& label)
{
    std::string converted;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&') {
            if (i + 1 < label.size() && label[i + 1] == '&') {
                converted += '&';
                ++i;
            } else {
                converted += '_';
            }
        } else if (label[i] == '_') {
            converted += "__";
        } else {
            converted += label[i];
        }
    }
    return converted;
}
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
    GtkWidget* widget = button ? button->GetHandle() : nullptr;
    if (!active || !widget || !GTK_IS_BUTTON(widget)) {
        return;
    }
    const std::string label =
        GtkMnemonics(wxGetStockLabel(button->GetId(), wxSTOCK_WITH_MNEMONIC).utf8_string());
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_button_set_use_stock(GTK_BUTTON(widget), FALSE);
    G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_button_set_use_underline(GTK_BUTTON(widget), TRUE);
    gtk_button_set_label(GTK_BUTTON(widget), label.c_str());
    // The toolkit sized the button for the stock label.
    button->InvalidateBestSize();
}
