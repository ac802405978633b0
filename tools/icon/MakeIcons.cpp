#include "platform/DeviceContext.h"
#include "platform/PixelImage.h"
#include "tools/icon/IconPainter.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

// Writes the game's icon as <folder>/<N>x<N>/apps/<name>.png for every size the desktop's icon
// theme asks for, and all of them side by side on a contact sheet, on a light and a dark ground.
int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s FOLDER NAME CONTACT-SHEET.png\n", argv[0]);
        return 2;
    }
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
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], file.c_str());
            return 1;
        }
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
    return 0;
}
