#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

// Writes the catalogue of the pseudo-language en@pseudo from the game's message template: every
// text in brackets, its letters accented and lengthened by about 40 %, so that a text that
// escapes translation (no brackets) or a control too small for a longer language shows at a
// glance. Format directives, mnemonic letters and line breaks stay as they are.
namespace {
// The C escapes of a .po string, both ways.
std::string Unescape(const std::string& quoted)
{
    std::string text;
    for (size_t i = 0; i < quoted.size(); ++i) {
        if (quoted[i] != '\\' || i + 1 == quoted.size()) {
            text += quoted[i];
            continue;
        }
        const char next = quoted[++i];
        text += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    }
    return text;
}

std::string Escape(const std::string& text)
{
    std::string quoted;
    for (char c : text) {
        if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else {
            quoted += c;
        }
    }
    return quoted;
}

const char* Accented(char c)
{
    static const char* const lower[26] = {"á", "ƀ", "ç", "ð", "é", "ƒ", "ĝ", "ĥ", "í",
                                          "ĵ", "ķ", "ĺ", "ɱ", "ñ", "ó", "þ", "ǫ", "ŕ",
                                          "š", "ţ", "ú", "ṽ", "ŵ", "ẋ", "ý", "ž"};
    static const char* const upper[26] = {"Å", "Ɓ", "Ç", "Ð", "É", "Ƒ", "Ĝ", "Ĥ", "Í",
                                          "Ĵ", "Ķ", "Ĺ", "Ṁ", "Ñ", "Ó", "Þ", "Ǫ", "Ŕ",
                                          "Š", "Ţ", "Û", "Ṽ", "Ŵ", "Ẋ", "Ý", "Ž"};
    if (c >= 'a' && c <= 'z') {
        return lower[c - 'a'];
    }
    if (c >= 'A' && c <= 'Z') {
        return upper[c - 'A'];
    }
    return nullptr;
}

// One line of text: letters accented (the letter after '&' and format directives kept), then
// filler to make it about 40 % longer.
std::string PseudoLine(const std::string& line)
{
    std::string out;
    size_t letters = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '%' && i + 1 < line.size()) {
            out += c;
            out += line[++i];
            continue;
        }
        if (c == '&' && i + 1 < line.size()) {
            out += c;
            out += line[++i];
            ++letters;
            continue;
        }
        const char* accented = Accented(c);
        out += accented ? accented : std::string(1, c);
        letters += c != ' ';
    }
    const size_t extra = (line.size() * 2 + 4) / 5;
    if (letters > 0) {
        out += std::string(extra, '~');
    }
    return out;
}

std::string Pseudo(const std::string& text)
{
    std::string out = "[";
    size_t start = 0;
    for (;;) {
        const size_t end = text.find('\n', start);
        out += PseudoLine(text.substr(start, end - start));
        if (end == std::string::npos) {
            break;
        }
        out += '\n';
        start = end + 1;
    }
    return out + "]";
}

// The string of a keyword line or a continuation line: what lies between its outer quotes.
std::string Quoted(const std::string& line)
{
    const size_t open = line.find('"');
    const size_t close = line.rfind('"');
    return open < close ? line.substr(open + 1, close - open - 1) : std::string();
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TEMPLATE.pot OUTPUT.po\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1]);
    std::ofstream out(argv[2]);
    if (!in || !out) {
        std::fprintf(stderr, "%s: cannot read %s or write %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    out << "msgid \"\"\nmsgstr \"\"\n\"Project-Id-Version: tobrix\\n\"\n\"Language: "
           "en@pseudo\\n\"\n"
           "\"PO-Revision-Date: 2026-12-07 00:00+0000\\n\"\n\"Last-Translator: tobrix_pseudo\\n\"\n"
           "\"Language-Team: none\\n\"\n\"MIME-Version: 1.0\\n\"\n\"Content-Type: text/plain; "
           "charset=UTF-8\\n\"\n"
           "\"Content-Transfer-Encoding: 8bit\\n\"\n";
    std::string flags;
    std::string msgid;
    bool inMsgid = false;
    auto finish = [&]() {
        if (!msgid.empty()) {
            out << '\n'
                << flags << "msgid \"" << msgid << "\"\nmsgstr \""
                << Escape(Pseudo(Unescape(msgid))) << "\"\n";
        }
        flags.clear();
        msgid.clear();
        inMsgid = false;
    };
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("#,", 0) == 0) {
            flags = line.find("fuzzy") == std::string::npos ? line + '\n' : "";
        } else if (line.rfind("msgid ", 0) == 0) {
            msgid = Quoted(line);
            inMsgid = true;
        } else if (line.rfind("msgstr", 0) == 0) {
            inMsgid = false;
        } else if (line.rfind('"', 0) == 0 && inMsgid) {
            msgid += Quoted(line);
        } else if (line.empty()) {
            finish();
        }
    }
    finish();
    return out ? 0 : 1;
}
