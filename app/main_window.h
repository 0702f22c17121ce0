// MainWindow: the program's one window, its four controls and its keyboard handling.
#pragma once
#include <windows.h>

#include "app/controls.h"
#include "app/window_class.h"

namespace vantelo {

class MainWindow : public OwnWindow<MainWindow> {
public:
    MainWindow() = default;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    // Start-up up to the first showing: class, centred hidden window, icons, font,
    // controls, and the created event. False (nothing left behind) when any part fails.
    bool create();
    void show();
    // Runs the message loop until WM_QUIT; returns its exit code.
    int runMessageLoop();

private:
    friend class OwnWindow<MainWindow>;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool createControls();
    void setIcons();
    void handleWindowCreated();
    // Key-down messages for the window and its children, before they are dispatched;
    // true when the key was used up here.
    bool preTranslateKey(const MSG& message);
    void onPaint();
    void onActivate(WPARAM state);
    void onSetFocus();
    void onNcDestroy();

    GroupBox 分组框1;
    Label 标签1;
    Button 按钮1;
    HyperLinker 超级链接框1;
    HWND lastFocus_ = nullptr;  // the child that had the focus when the window was deactivated
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool loopRunning_ = false;
};

}  // namespace vantelo
