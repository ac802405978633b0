#include "platform/Translation.h"

#include "platform/Catalog.h"

#include <climits>
#include <cstring>
#ifdef _WIN32
// Only the calls for the program's path: this file shares a compilation with others of the
// layer, whose names Windows' full headers would take as macros.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <libloaderapi.h>
#include <stringapiset.h>
#include <windef.h>
#else
#include <unistd.h>
#endif

namespace {
Catalog catalog;
std::string language;

bool IsEnglish(const std::string& name)
{
    return name == "en" || name.compare(0, 3, "en_") == 0 || name.compare(0, 3, "en.") == 0;
}

// "de_DE.UTF-8@euro" -> "de_DE@euro", "de_DE@euro", "de_DE", "de@euro", "de"; nothing for C.
void AddForms(std::string name, std::vector<std::string>& forms)
{
    std::string modifier;
    if (size_t at = name.find('@'); at != std::string::npos) {
        modifier = name.substr(at);
        name.erase(at);
    }
    if (size_t dot = name.find('.'); dot != std::string::npos) {
        name.erase(dot);
    }
    // A name is one folder of the catalogues' tree, never a way out of it.
    if (name.empty() || name == "C" || name == "POSIX" ||
        (name + modifier).find_first_of("/\\") != std::string::npos || name[0] == '.') {
        return;
    }
    const std::string base = name.substr(0, name.find('_'));
    for (const std::string& form : {name + modifier, name, base + modifier, base}) {
        bool known = false;
        for (const std::string& seen : forms) {
            known = known || seen == form;
        }
        if (!known) {
            forms.push_back(form);
        }
    }
}
} // namespace

const char* Translate(const char* text)
{
    if (!text || text[0] == '\0') {
        return text;
    }
    const char* translation = catalog.Find(text);
    return translation ? translation : text;
}

std::vector<std::string> PreferredLanguages(const char* (*getValue)(const char* name))
{
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getValue(name);
        if (value && value[0] != '\0') {
            locale = value;
            break;
        }
    }
    // As the C library does, the C locale asks for the program's own texts whatever LANGUAGE says.
    if (locale == "C" || locale == "POSIX") {
        return {};
    }
    std::vector<std::string> wanted;
    if (const char* list = getValue("LANGUAGE")) {
        const char* start = list;
        for (const char* p = list;; ++p) {
            if (*p == ':' || *p == '\0') {
                wanted.emplace_back(start, p);
                start = p + 1;
            }
            if (*p == '\0') {
                break;
            }
        }
    }
    wanted.push_back(locale);
    std::vector<std::string> forms;
    for (const std::string& name : wanted) {
        if (IsEnglish(name)) {
            break;
        }
        AddForms(name, forms);
    }
    return forms;
}

std::string LoadTranslations(const std::vector<std::string>& languages, const char* domain,
                             const std::vector<std::string>& folders)
{
    catalog.Clear();
    language.clear();
    for (const std::string& wanted : languages) {
        for (const std::string& folder : folders) {
            if (catalog.Load(folder + "/" + wanted + "/LC_MESSAGES/" + domain + ".mo")) {
                language = wanted;
                return language;
            }
        }
    }
    return language;
}

std::vector<std::string> TranslationFolders()
{
#ifdef _WIN32
    // A Windows program's files lie beside it. Its path comes in UTF-16 and goes on in the
    // UTF-8 the game's paths are kept in.
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size() &&
           path.size() < 32768) {
        path.resize(path.size() * 2);
    }
    const int size = length == 0 || length == path.size()
                         ? 0
                         : WideCharToMultiByte(CP_UTF8, 0, path.data(), int(length), nullptr, 0,
                                               nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string folder(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.data(), int(length), folder.data(), size, nullptr,
                        nullptr);
    folder.erase(folder.find_last_of("\\/"));
    return {folder + "/locale"};
#else
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return {};
    }
    std::string folder(path, static_cast<size_t>(length));
    folder.erase(folder.rfind('/'));
    return {folder + "/locale", folder + "/../share/locale"};
#endif
}

const std::string& TranslationLanguage()
{
    return language;
}
