#include "MainWindowFixture.h"

#include "FileBytes.h"

#include "board/PieceSymbols.h"
#include "res/ResourceIds.h"

class MainViewTest : public MainWindowTest
{
};

// View > Symbols on pieces: pieces, legend and preview (five slots, the smallest) show symbols
// once the player turns them on; the next run starts with them, a run after a damaged file
// without.
TEST_F(MainViewTest, SymbolsOnPiecesShowEverywhereAndSurviveARestart)
{
    Open(9, 9, 5, 5, 8, {0, 1, 2, 3, 4, 0, 0, 0, 0, 0, 5, 6, 7, 5, 6});
    const auto checked = [](const MainDialog& main) {
        return (main.GetMenu()->GetMenuState(ID_VIEW_SYMBOLS, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    const auto inked = [&](const Rect& block, int colour) {
        return CountPixels(Buffer(), block, SymbolInk(colour));
    };
    const Rect panel = window.colorPanel.rect;
    const Rect redPiece{6, 6, 24, 24};
    const Rect redSwatch{panel.left + 1, panel.top + 1, panel.left + 10, panel.top + 10};
    EXPECT_FALSE(checked(window));
    EXPECT_EQ(inked(redPiece, 0), 0);

    ASSERT_TRUE(headless.ChooseMenuItem(window, ID_VIEW_SYMBOLS));
    headless.Pump();
    EXPECT_TRUE(checked(window));
    EXPECT_GT(inked(redPiece, 0), 20);
    EXPECT_GT(inked(redSwatch, 0), 0);
    EXPECT_EQ(ReadFileBytes(config.ViewFile()),
              Bytes({'s', 'y', 'm', 'b', 'o', 'l', 's', '=', 'o', 'n', '\n'}));
    Click(Centre(panel));
    headless.Pump();
    for (int slot = 0; slot < 5; ++slot) {
        const int left = panel.left + slot * 8 + 1;
        EXPECT_GT(inked(Rect{left, panel.top + 1, left + 6, panel.bottom - 1},
                        window.controller.nextColors[slot]),
                  0)
            << "slot " << slot;
    }

    MainDialog second;
    ASSERT_TRUE(second.Create());
    EXPECT_TRUE(checked(second));
    EXPECT_TRUE(second.controller.painter.symbols);
    headless.Close(second);

    const Bytes damaged{'s', 'y', 'm', 0xFF};
    WriteFileBytes(config.ViewFile(), damaged);
    MainDialog third;
    ASSERT_TRUE(third.Create());
    EXPECT_FALSE(checked(third));
    EXPECT_FALSE(third.controller.painter.symbols);
    EXPECT_EQ(ReadFileBytes(config.ViewFile()), damaged);
    EXPECT_TRUE(headless.MessageBoxes().empty());
    headless.Close(third);
}
