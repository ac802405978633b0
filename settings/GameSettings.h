#pragma once

#include <cstdint>

// The playing parameters of one game, as the main window hands them to the game controller.
// The controller copies the nine fields in this order.
class GameSettings
{
public:
    virtual ~GameSettings() = default;

    int32_t boardCols = 0;     // 5..20
    int32_t boardRows = 0;     // 5..20
    int32_t addedPieces = 0;   // 1..5
    int32_t lineLength = 0;    // 3..7
    int32_t colorCount = 0;    // 1..8
    int32_t fadeSpeed = 0;     // 0 = off, else 1 (slow) .. 5 (fast)
    int32_t travelSpeed = 0;   // 0 = off, else 1 (slow) .. 5 (fast)
    int32_t rewardEnabled = 0; // 0, 1
    int32_t rewardPile = 0;    // 0 = "Immediately", 1 = "Pile"
};
