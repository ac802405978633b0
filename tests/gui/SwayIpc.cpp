#include "SwayIpc.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace sway {
namespace {
constexpr std::uint32_t RUN_COMMAND = 0;
constexpr std::uint32_t GET_TREE = 4;
constexpr char MAGIC[] = "i3-ipc";
constexpr std::size_t HEADER = 6 + 4 + 4;

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t done = write(fd, data, size);
        if (done <= 0) {
            return false;
        }
        data += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

bool ReadAll(int fd, char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t done = read(fd, data, size);
        if (done <= 0) {
            return false;
        }
        data += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

// One request and its reply on a connection of their own (the input threads and the test's
// thread may ask at once); empty on failure.
std::string Ask(std::uint32_t type, const std::string& payload)
{
    const char* path = std::getenv("SWAYSOCK");
    if (!path || std::strlen(path) >= sizeof(sockaddr_un::sun_path)) {
        return {};
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return {};
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path);
    std::string reply;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        char header[HEADER];
        const auto size = static_cast<std::uint32_t>(payload.size());
        std::memcpy(header, MAGIC, 6);
        std::memcpy(header + 6, &size, 4);
        std::memcpy(header + 10, &type, 4);
        std::uint32_t length = 0;
        if (WriteAll(fd, header, HEADER) && WriteAll(fd, payload.data(), payload.size()) &&
            ReadAll(fd, header, HEADER)) {
            std::memcpy(&length, header + 6, 4);
            reply.resize(length);
            if (!ReadAll(fd, &reply[0], length)) {
                reply.clear();
            }
        }
    }
    close(fd);
    return reply;
}

// A reply without the blanks between its tokens, so that fields are found by their text.
std::string Tight(const std::string& tree)
{
    std::string tight;
    tight.reserve(tree.size());
    bool quoted = false;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const char c = tree[i];
        if (quoted && c == '\\' && i + 1 < tree.size()) {
            tight += c;
            tight += tree[++i];
            continue;
        }
        quoted = c == '"' ? !quoted : quoted;
        if (quoted || (c != ' ' && c != '\n' && c != '\t')) {
            tight += c;
        }
    }
    return tight;
}

int NumberAfter(const std::string& text, std::size_t from, const std::string& key)
{
    const std::size_t at = text.find("\"" + key + "\":", from);
    return at == std::string::npos ? 0 : std::atoi(text.c_str() + at + key.size() + 3);
}

std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}
} // namespace

bool Available()
{
    return !Ask(GET_TREE, "").empty();
}

bool Command(const std::string& command)
{
    return Tight(Ask(RUN_COMMAND, command)).find("\"success\":true") != std::string::npos;
}

std::vector<Rect> WindowsTitled(const std::string& title)
{
    // A node lists its "rect" before its "name"; a window's node (a view) then lists its "pid"
    // before the next node begins.
    const std::string tree = Tight(Ask(GET_TREE, ""));
    const std::string name = "\"name\":" + Quoted(title) + ",";
    std::vector<Rect> found;
    for (std::size_t at = tree.find(name); at != std::string::npos; at = tree.find(name, at + 1)) {
        const std::size_t rect = tree.rfind("\"rect\":{", at);
        const std::size_t node = tree.rfind("\"id\":", at);
        if (rect == std::string::npos || rect < node ||
            tree.find("\"pid\":", at) > tree.find("\"id\":", at)) {
            continue;
        }
        const int x = NumberAfter(tree, rect, "x");
        const int y = NumberAfter(tree, rect, "y");
        found.push_back(Rect{x, y, x + NumberAfter(tree, rect, "width"),
                             y + NumberAfter(tree, rect, "height")});
    }
    return found;
}

bool PlaceWindows(const std::string& title, Point at)
{
    // The criterion is a regular expression: the title's own characters are taken literally.
    std::string pattern = "^";
    for (char c : title) {
        if (std::strchr("\\^$.|?*+()[]{}\"", c)) {
            pattern += '\\';
        }
        pattern += c;
    }
    return Command("[title=" + Quoted(pattern + "$") + "] move absolute position " +
                   std::to_string(at.x) + " " + std::to_string(at.y));
}

// grim writes the picture as a binary PPM.
bool Screenshot(const Rect& screen, std::vector<std::uint32_t>& pixels)
{
    const std::string command = "grim -t ppm -g '" + std::to_string(screen.left) + "," +
                                std::to_string(screen.top) + " " + std::to_string(screen.Width()) +
                                "x" + std::to_string(screen.Height()) + "' - 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return false;
    }
    int width = 0;
    int height = 0;
    int maximum = 0;
    bool read = std::fscanf(pipe, "P6 %d %d %d", &width, &height, &maximum) == 3 &&
                std::fgetc(pipe) != EOF && width == screen.Width() && height == screen.Height() &&
                maximum == 255;
    std::vector<unsigned char> bytes(read ? static_cast<std::size_t>(width) * height * 3 : 0);
    read = read && std::fread(bytes.data(), 1, bytes.size(), pipe) == bytes.size();
    const bool ended = pclose(pipe) == 0;
    pixels.resize(bytes.size() / 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = bytes[3 * i] | bytes[3 * i + 1] << 8 | bytes[3 * i + 2] << 16;
    }
    return read && ended;
}

std::vector<std::string> AppIds()
{
    const std::string tree = Tight(Ask(GET_TREE, ""));
    const std::string key = "\"app_id\":\"";
    std::vector<std::string> ids;
    for (std::size_t at = tree.find(key); at != std::string::npos; at = tree.find(key, at + 1)) {
        const std::size_t start = at + key.size();
        ids.push_back(tree.substr(start, tree.find('"', start) - start));
    }
    return ids;
}
} // namespace sway
