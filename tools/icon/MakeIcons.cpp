#include "platform/DeviceContext.h"
#include "platform/PixelImage.h"
#include "tools/icon/IconPainter.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace {

void PutLittleEndian(std::vector<char>& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// A Windows icon file of the PNG files given, one image each (Windows reads PNG images in an
// icon from Vista on).
bool WriteIco(const std::string& ico, const std::vector<std::filesystem::path>& pngs,
              const int* sizes)
{
    std::vector<std::vector<char>> images;
    for (const auto& png : pngs) {
        std::ifstream in(png, std::ios::binary);
        images.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (!in || images.back().empty()) {
            return false;
        }
    }
    std::vector<char> bytes;
    PutLittleEndian(bytes, 0, 2); // reserved
    PutLittleEndian(bytes, 1, 2); // an icon, not a cursor
    PutLittleEndian(bytes, static_cast<std::uint32_t>(images.size()), 2);
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const std::uint32_t side = sizes[i] >= 256 ? 0 : static_cast<std::uint32_t>(sizes[i]);
        PutLittleEndian(bytes, side, 1);
        PutLittleEndian(bytes, side, 1);
        PutLittleEndian(bytes, 0, 2); // no palette
        PutLittleEndian(bytes, 1, 2); // planes
        PutLittleEndian(bytes, 24, 2);
        PutLittleEndian(bytes, static_cast<std::uint32_t>(images[i].size()), 4);
        PutLittleEndian(bytes, offset, 4);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    std::ofstream out(ico, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    for (const auto& image : images) {
        out.write(image.data(), static_cast<std::streamsize>(image.size()));
    }
    return static_cast<bool>(out.flush());
}

} // namespace

// Writes the game's icon as <folder>/<N>x<N>/apps/<name>.png for every size the desktop's icon
// theme asks for, and all of them side by side on a contact sheet, on a light and a dark ground;
// given a fifth argument, also the Windows icon file of them all.
int main(int argc, char** argv)
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s FOLDER NAME CONTACT-SHEET.png [ICON.ico]\n", argv[0]);
        return 2;
    }
    std::vector<std::filesystem::path> pngs;
    const std::filesystem::path folder = argv[1];
    const std::string name = argv[2];
    static const int SIZES[] = {16, 24, 32, 48, 64, 128, 256};
    constexpr int MARGIN = 16;

    int sheetWidth = MARGIN;
    for (int size : SIZES) {
        sheetWidth += size + MARGIN;
    }
    const int rowHeight = 256 + 2 * MARGIN;
    PixelImage sheet(sheetWidth, 2 * rowHeight, Rgb(240, 240, 240));
    DeviceContext sheetDc(&sheet);
    sheetDc.FillSolidRect(0, rowHeight, sheetWidth, rowHeight, Rgb(48, 48, 48));

    IconPainter painter;
    int x = MARGIN;
    for (int size : SIZES) {
        PixelImage icon(size, size);
        DeviceContext dc(&icon);
        painter.Draw(dc, size);

        const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path file = folder / sizeName / "apps" / (name + ".png");
        std::error_code error;
        std::filesystem::create_directories(file.parent_path(), error);
        if (error || !icon.SavePng(file.string())) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], file.string().c_str());
            return 1;
        }
        pngs.push_back(file);
        for (int row = 0; row < 2; ++row) {
            sheetDc.BitBlt(x, row * rowHeight + MARGIN + 256 - size, size, size, &dc, 0, 0,
                           SRCCOPY);
        }
        x += size + MARGIN;
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(argv[3]).parent_path(), error);
    if (error || !sheet.SavePng(argv[3])) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    if (argc == 5 && !WriteIco(argv[4], pngs, SIZES)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[4]);
        return 1;
    }
    return 0;
}
