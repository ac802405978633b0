#pragma once

#include "platform/ClientDC.h"
#include "platform/Dialog.h"
#include "platform/PaintDC.h"
#include "platform/Resources.h"

#include <functional>
#include <string>
#include <vector>

// A small window for testing the platform layer, built from its own template with a control of
// every kind, a menu and a system menu. Every handler writes a line into the log and then runs
// the hook the test gave it, if any.
namespace testwin {
constexpr int IDD_TEST = 9000;
constexpr int IDR_TEST_MENU = 9001;
constexpr int IDS_TEST_ABOUT = 9002;
constexpr int IDS_EMPTY = 9003;
constexpr int IDC_STATUS = 100;
constexpr int IDC_CHECK = 101;
constexpr int IDC_RADIO_A = 102;
constexpr int IDC_RADIO_B = 103;
constexpr int IDC_RADIO_C = 104;
constexpr int IDC_GROUP = 105;
constexpr int IDC_LIST = 106;
constexpr int IDC_SORTED = 107;
constexpr int IDC_SLIDER = 108;
constexpr int IDC_EDIT = 109;
constexpr int IDC_PUSH = 110;
constexpr unsigned ID_FIRST = 9101;
constexpr unsigned ID_SECOND = 9102;
constexpr unsigned ID_GRAYED = 9103;
constexpr unsigned ID_HELP_ITEM = 9104;

const DialogTemplate& TestTemplate();
// Serves the test window's template, menu and strings, and whatever the game's table holds.
const ResourceTable& TestResources();
} // namespace testwin

class TestWindow : public Dialog
{
public:
    explicit TestWindow(Window* parent = nullptr);
    explicit TestWindow(const DialogTemplate* dialogTemplate, Window* parent = nullptr);

    // The values bound to the controls while exchanging is on.
    bool exchanging = false;
    int check = 0;
    int radio = -1;
    int listIndex = -1;
    std::string sortedText;
    int slider = 0;
    std::string text;

    // Painting fills the paint context's whole client area with this colour (when paintFills).
    bool paintFills = true;
    ColorRef paintColor = Rgb(255, 0, 0);

    std::vector<std::string> log;
    std::function<void()> onInit;
    std::function<void()> onPaint;
    std::function<void(Point)> onMouseMove;
    std::function<void(Point)> onLButtonDown;
    std::function<void(unsigned)> onTimer;
    std::function<void()> onPush;
    std::function<void()> onFirst;

    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    void OnPaint() override;
    void OnMouseMove(unsigned flags, Point point) override;
    void OnLButtonDown(unsigned flags, Point point) override;
    void OnRButtonUp(unsigned flags, Point point) override;
    void OnTimer(unsigned id) override;
    void OnSysCommand(unsigned id, long param) override;
    void OnOK() override;
    void OnCancel() override;

    void OnPush();
    void OnFirst();
    void OnSecond();
    void OnListChanged();

    static const CommandMap commandMap;
    const CommandMap* GetCommandMap() const override { return &commandMap; }
};
