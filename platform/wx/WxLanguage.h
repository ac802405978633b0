#pragma once

#include <string>

class wxWindow;

// The toolkit speaks the game's language: its own catalogue (the texts of stock buttons and of
// its own dialogs) is loaded in the language whose catalogue the game found, so that one window
// never mixes two languages. A language the toolkit has no catalogue for leaves its texts
// English.
namespace WxLanguage {
void Use(const std::string& language);

// Gives a button with a stock id (wxID_OK, wxID_YES, ...) the toolkit's translated label for
// it, with its mnemonic, while a language is loaded. GTK would otherwise label such a button
// itself, in the language of the C library's locale, whatever the game speaks; in English the
// button is left to GTK as it was. On Windows the toolkit labels it from its catalogue itself.
void LabelStockButton(wxWindow* button);

// A stock button's text ("OK", "Cancel", "&Apply", "&Yes", "&No") from the toolkit's catalogue;
// the English text itself when there is none.
std::string StockText(const char* english);
} // namespace WxLanguage
