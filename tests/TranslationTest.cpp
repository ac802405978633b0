#include "LanguageList.h"
#include "MainWindowFixture.h"

#include "app/AboutDialog.h"

#include "platform/Catalog.h"
#include "platform/Translation.h"
#include "res/ResourceIds.h"
#include "res/Templates.h"
#include "settings/SaveWarning.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

namespace {
// The game's catalogue in one language (or none) for one test; English again afterwards.
struct ScopedLanguage
{
    explicit ScopedLanguage(const char* language)
    {
        const std::vector<std::string> wanted = {language};
        loaded = LoadTranslations(language[0] ? wanted : std::vector<std::string>{}, "tobrix",
                                  {TOBRIX_LOCALE_DIR});
    }
    ~ScopedLanguage() { LoadTranslations({}, "tobrix", {}); }
    std::string loaded;
};

std::vector<char> FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The mnemonic letter of a menu text (the UTF-8 character after its '&', folded to lower case
// when it is ASCII), or "" when it has none.
std::string Mnemonic(const char* text)
{
    const char* mark = std::strchr(text, '&');
    if (!mark || mark[1] == '\0') {
        return "";
    }
    size_t length = 1;
    while ((static_cast<unsigned char>(mark[1 + length]) & 0xC0) == 0x80) {
        ++length;
    }
    std::string letter(mark + 1, length);
    if (length == 1) {
        letter[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(letter[0])));
    }
    return letter;
}
} // namespace

TEST(TranslationTest, TheLanguageFollowsTheDesktopAndTheCLocaleKeepsEnglish)
{
    struct Case
    {
        std::map<std::string, std::string> env;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{}, {}},
        {{{"LANG", "de_DE.UTF-8"}}, {"de_DE", "de"}},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "fr"}}, {"fr"}},
        {{{"LANGUAGE", "fi"}}, {"fi"}},
        {{{"LC_ALL", "C"}, {"LANGUAGE", "de"}, {"LANG", "de_DE.UTF-8"}}, {}},
        {{{"LANG", "POSIX"}, {"LANGUAGE", "de"}}, {}},
        {{{"LC_MESSAGES", "pt_BR.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, {"pt_BR", "pt"}},
        {{{"LANGUAGE", "uk:pl"}, {"LANG", "en_US.UTF-8"}}, {"uk", "pl"}},
        {{{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}}, {}},
        {{{"LANGUAGE", "en@pseudo"}}, {"en@pseudo", "en"}},
        {{{"LANGUAGE", "../../tmp/x:de/../de:..:fr"}}, {"fr"}},
        {{{"LC_ALL", "sr_RS.UTF-8@latin"}}, {"sr_RS@latin", "sr_RS", "sr@latin", "sr"}},
    };
    for (const Case& c : cases) {
        static const std::map<std::string, std::string>* env;
        env = &c.env;
        const std::vector<std::string> got =
            PreferredLanguages([](const char* name) -> const char* {
                auto found = env->find(name);
                return found == env->end() ? nullptr : found->second.c_str();
            });
        std::string shown;
        for (const auto& [name, value] : c.env) {
            shown += name + "=" + value + " ";
        }
        EXPECT_EQ(got, c.expected) << shown;
    }
}

// A damaged catalogue is refused whole: nothing read outside the file, no text half translated.
TEST(TranslationTest, ADamagedCatalogueIsRefused)
{
    const std::vector<char> good =
        FileBytes(std::string(TOBRIX_LOCALE_DIR) + "/de/LC_MESSAGES/tobrix.mo");
    ASSERT_GT(good.size(), 28u);
    Catalog catalog;
    ASSERT_TRUE(catalog.Parse(good));
    ASSERT_NE(catalog.Find("Game end"), nullptr);
    EXPECT_EQ(catalog.Find("No such text"), nullptr);

    auto with = [&](size_t offset, uint32_t value) {
        std::vector<char> bytes = good;
        std::memcpy(bytes.data() + offset, &value, sizeof value);
        return bytes;
    };
    uint32_t originals = 0;
    std::memcpy(&originals, good.data() + 12, 4);
    const std::vector<std::vector<char>> damaged = {
        {},
        std::vector<char>(good.begin(), good.begin() + 27),
        std::vector<char>(good.begin(), good.end() - 1), // the last string loses its end
        with(0, 0x12345678),                             // not a catalogue
        with(8, 0x10000000),                             // more entries than the file holds
        with(12, static_cast<uint32_t>(good.size())),    // the table past the end
        with(originals + 4, static_cast<uint32_t>(good.size() - 2)), // a string past the end
        with(originals, 0xFFFFFFF0u),                                // a length that wraps around
    };
    for (size_t i = 0; i < damaged.size(); ++i) {
        EXPECT_FALSE(catalog.Parse(damaged[i])) << "case " << i;
        EXPECT_EQ(catalog.Find("Game end"), nullptr) << "case " << i;
    }
    EXPECT_FALSE(catalog.Load(std::string(TOBRIX_LOCALE_DIR) + "/none/tobrix.mo"));
}

// Every language: each menu text that has a mnemonic letter keeps one, and no two items of one
// menu (or of the menu bar) share a letter, so that Alt and a letter always choose one item.
TEST(TranslationTest, EveryLanguageLoadsAndKeepsTheMenusMnemonicsApart)
{
    const MenuTemplate* menu = FindMenuTemplate(IDR_MENU);
    ASSERT_NE(menu, nullptr);
    const std::vector<std::string> languages = CatalogueLanguages();
    ASSERT_EQ(languages.size(), 8u);
    for (const std::string& language : languages) {
        ScopedLanguage scoped(language.c_str());
        ASSERT_EQ(scoped.loaded, language);
        EXPECT_STRNE(Translate("Game end"), "Game end") << language;
        std::vector<std::pair<const MenuItemTemplate*, int>> menus = {{menu->items, menu->count}};
        for (int i = 0; i < menu->count; ++i) {
            menus.push_back({menu->items[i].subItems, menu->items[i].subCount});
        }
        for (const auto& [items, count] : menus) {
            std::set<std::string> letters;
            for (int i = 0; i < count; ++i) {
                if (!items[i].text || Mnemonic(items[i].text).empty()) {
                    continue;
                }
                const char* shown = Translate(items[i].text);
                const std::string letter = Mnemonic(shown);
                EXPECT_FALSE(letter.empty()) << language << ": " << shown;
                EXPECT_TRUE(letters.insert(letter).second) << language << ": " << shown;
            }
        }
    }
}

class TranslatedWindowTest : public MainWindowTest
{
};

// The texts a player reads first, in the C locale exactly the English ones and in German the
// German ones; the names in them (a file name) and the version stay as they are.
TEST_F(TranslatedWindowTest, TheWindowSpeaksEnglishInTheCLocaleAndGermanInGerman)
{
    struct Row
    {
        const char* what;
        const char* english;
        const char* german;
    };
    const Row rows[] = {
        {"caption", "TOBRIX++", "TOBRIX++"},
        {"status", "Delete piece (7)", "Stein löschen (7)"},
        {"menu", "&Game", "&Spiel"},
        {"item", "Dra&w next", "Nach&ziehen"},
        {"box", "Are you sure?", "Sind Sie sicher?"},
        {"box caption", "Clear High Scores", "Bestenliste löschen"},
        {"about", "Version " TOBRIX_VERSION, "Version " TOBRIX_VERSION},
        {"warning", "Could not save players.kvd: disk full",
         "players.kvd konnte nicht gespeichert werden: disk full"},
    };
    for (const char* language : {"", "de"}) {
        ScopedLanguage scoped(language);
        ASSERT_EQ(scoped.loaded, language);
        MainDialog window;
        ASSERT_TRUE(window.Create());
        headless.Pump();
        window.controller.deleteCredits = 7;
        window.ShowState(STATE_DELETING);
        const size_t box = headless.MessageBoxes().size();
        window.OnClearHighScores();
        SaveWarning().Tell("players.kvd", "disk full");
        ASSERT_EQ(headless.MessageBoxes().size(), box + 2);
        AboutDialog about(&window);
        ASSERT_TRUE(about.Create());
        const std::string shown[] = {
            window.GetWindowText(),
            window.statusLine.GetWindowText(),
            window.GetMenu()->GetMenuString(0, MF_BYPOSITION),
            window.GetMenu()->GetSubMenu(0)->GetMenuString(ID_GAME_DRAW_NEXT, MF_BYCOMMAND),
            headless.MessageBoxes()[box].text,
            headless.MessageBoxes()[box].caption,
            about.GetDlgItem(IDC_ABOUT_VERSION)->GetWindowText(),
            headless.MessageBoxes()[box + 1].text};
        for (size_t i = 0; i < std::size(rows); ++i) {
            EXPECT_EQ(shown[i], language[0] ? rows[i].german : rows[i].english)
                << rows[i].what << " in '" << language << "'";
        }
        about.DestroyWindow();
        window.DestroyWindow();
    }
}
