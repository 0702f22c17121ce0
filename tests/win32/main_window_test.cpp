// The real vantelo.exe: its window, controls, keyboard and closing.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "expected_texts.h"
#include "registry_fixture.h"
#include "vantelo_process.h"

namespace vantelo::testing {
namespace {

const std::string kExplanation =
    "\xD3\xD0\xD2\xBB\xB2\xBF\xB7\xD6\xC0\xB6\xD1\xC0\xD2\xF4\xCF\xE4\xBB\xF2\xB6\xFA\xBB\xFA\xC1\xAC\xBD\xD3"
    "\xB5\xE7\xC4\xD4\xBA\xF3\xD4\xDA\xB5\xE7\xC4\xD4\xC9\xCF\xCE\xDE\xB7\xA8\xB5\xF7\xBD\xDA\xD2\xF4\xC1\xBF"
    "\xA3\xAC\r\n"
    "\xB2\xBB\xB9\xDC\xC4\xE3\xD4\xF5\xC3\xB4\xB5\xF7\xD2\xF4\xC1\xBF\xCA\xBC\xD6\xD5\xCA\xC7"
    "100%\xD7\xEE\xB4\xF3\xD2\xF4\xC1\xBF\xA3\xAC\r\n"
    "\xBF\xB4\xB5\xBD\xCD\xF8\xC9\xCF\xBA\xDC\xB6\xE0\xB6\xBC\xCA\xC7\xD0\xDE\xB8\xC4\xD7\xA2\xB2\xE1\xB1\xED"
    "\xB7\xBD\xCA\xBD\xA3\xAC\xD5\xE2\xB6\xD4\xD3\xDA\xB5\xE7\xC4\xD4\xD0\xA1\xB0\xD7\xB1\xC8\xBD\xCF\xC2\xE9"
    "\xB7\xB3\xA3\xAC\r\n"
    "Quenvo\xD7\xF6\xB3\xC9\xC1\xCB\xC8\xED\xBC\xFE\xB0\xE6\xA3\xAC\xD6\xB1\xBD\xD3\xB5\xE3\xBB\xF7\xB0\xB4"
    "\xC5\xA5\xBD\xF8\xD0\xD0\xD0\xDE\xB8\xC4\xD7\xA2\xB2\xE1\xB1\xED\xB5\xC4\xD6\xB5\xA3\xAC\r\n"
    "\xBA\xCD\xCD\xF8\xC9\xCF\xB5\xC4\xD0\xDE\xB8\xC4\xD7\xA2\xB2\xE1\xB1\xED\xB7\xBD\xCA\xBD\xCF\xE0\xCD\xAC"
    "\xB5\xC4\xA3\xAC\xB7\xBD\xB1\xE3\xC1\xCB\xD5\xD2\xD7\xA2\xB2\xE1\xB1\xED\xB5\xC4\xC2\xE9\xB7\xB3\xA1\xA3"
    "\r\n";

class MainWindowTest : public RegistryTest {
protected:
    VanteloProcess vantelo;
    void SetUp() override {
        RegistryTest::SetUp();
        ASSERT_TRUE(vantelo.start());
    }
};

std::string classOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT rectIn(HWND window, HWND parent) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The picture of the icon a message box of `style` shows, from a box of our own.
std::vector<COLORREF> referenceIcon(UINT style) {
    std::vector<COLORREF> pixels;
    std::thread shower([style] { MessageBoxA(nullptr, "reference", "reference", style); });
    const HWND box = findWindowOf(GetCurrentProcessId(), "#32770");
    if (box != nullptr) {
        Sleep(200);
        pixels = screenPixels(GetDlgItem(box, 0x0440)).pixels;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    shower.join();
    return pixels;
}

TEST_F(MainWindowTest, OpensCentredWithItsCaptionAndFixedStyle) {
    const HWND window = vantelo.window();
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 756);
    EXPECT_EQ(rect.top, 427);
    EXPECT_EQ(rect.right - rect.left, 407);
    EXPECT_EQ(rect.bottom - rect.top, 226);
    EXPECT_EQ(windowTextOf(window), kCaption);
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), 0x02CA0000);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_EQ(GetForegroundWindow(), window);
}

TEST_F(MainWindowTest, ControlsHaveTheirClassesPlacesTextsAndStacking) {
    const HWND window = vantelo.window();
    const HWND groupBox = vantelo.control(100);
    struct Case {
        HWND control;
        HWND parent;
        const char* className;
        LONG_PTR style;
        RECT place;
        std::string text;
    } cases[] = {
        {groupBox,
         window,
         "Button",
         WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT,
         {16, 8, 384, 136},
         "\xD2\xBB\xD0\xA9\xCB\xB5\xC3\xF7"},
        {vantelo.label(), groupBox, "VanteloLabel", WS_CHILD | WS_CLIPSIBLINGS, {8, 24, 360, 120}, ""},
        {vantelo.control(120),
         window,
         "Button",
         WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE,
         {80, 144, 320, 176},
         "\xB5\xE3\xBB\xF7\xD0\xDE\xB8\xB4"},
        {vantelo.control(130),
         window,
         "VanteloHyperLinker",
         WS_CHILD | WS_CLIPSIBLINGS,
         {296, 177, 400, 193},
         "www.quenvo.test"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        ASSERT_NE(c.control, nullptr);
        EXPECT_EQ(GetParent(c.control), c.parent);
        EXPECT_EQ(lstrcmpiA(classOf(c.control).c_str(), c.className), 0) << classOf(c.control);
        EXPECT_EQ(GetWindowLongPtrA(c.control, GWL_STYLE), c.style | WS_VISIBLE);
        EXPECT_EQ(GetWindowLongPtrA(c.control, GWL_EXSTYLE), 0);
        const RECT place = rectIn(c.control, c.parent);
        EXPECT_EQ(place.left, c.place.left);
        EXPECT_EQ(place.top, c.place.top);
        EXPECT_EQ(place.right, c.place.right);
        EXPECT_EQ(place.bottom, c.place.bottom);
        if (!c.text.empty()) {
            EXPECT_EQ(windowTextOf(c.control), c.text);
        }
    }
    EXPECT_EQ(windowTextOf(vantelo.label()), kExplanation);

    // Stacking, top first: link, button, group box.
    HWND child = GetWindow(window, GW_CHILD);
    for (int id : {130, 120, 100}) {
        EXPECT_EQ(GetDlgCtrlID(child), id);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
}

TEST_F(MainWindowTest, KeyboardFocusStartsOnTheButtonAndTabKeepsItThere) {
    const HWND button = vantelo.control(120);
    EXPECT_TRUE(waitFor([&] { return vantelo.focus() == button; }));
    pressKey(VK_TAB);
    pressKey(VK_TAB, VK_SHIFT);
    EXPECT_EQ(vantelo.focus(), button);
}

TEST_F(MainWindowTest, EnterDoesNothingSpaceRepairs) {
    pressKey(VK_RETURN);
    EXPECT_EQ(vantelo.messageBox(700), nullptr);
    EXPECT_FALSE(readValue(ctKey(), kValueName).present);

    pressKey(VK_SPACE);
    const HWND box = vantelo.messageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(messageBoxText(box), kWritten);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(vantelo.waitForExit(300), DWORD{STILL_ACTIVE});
}

TEST_F(MainWindowTest, ClicksShowTaskModalBoxesOwnedByTheWindow) {
    const HWND window = vantelo.window();
    const std::vector<COLORREF> information = referenceIcon(MB_ICONINFORMATION);
    ASSERT_FALSE(information.empty());
    ASSERT_NE(information, referenceIcon(MB_ICONERROR));
    for (const std::string& expected : {kWritten, kAlreadySet}) {
        const POINT button = centreOf(vantelo.control(120));
        clickAt(button.x, button.y);
        const HWND box = vantelo.messageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(windowTextOf(box), kMessageTitle);
        EXPECT_EQ(messageBoxText(box), expected);
        EXPECT_EQ(GetWindow(box, GW_OWNER), window);
        EXPECT_FALSE(IsWindowEnabled(window)) << "the window takes no input while the box is open";
        EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
        EXPECT_EQ(GetDlgItem(box, IDNO), nullptr);
        Sleep(200);
        EXPECT_EQ(screenPixels(GetDlgItem(box, 0x0440)).pixels, information) << "the information icon";
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(window) != FALSE; }));
    }
}

TEST_F(MainWindowTest, MinimiseAndRestoreKeepTheSize) {
    const HWND window = vantelo.window();
    SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(waitFor([&] { return IsIconic(window) != FALSE; }));
    SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(waitFor([&] { return IsIconic(window) == FALSE; }));
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 407);
    EXPECT_EQ(rect.bottom - rect.top, 226);
    // No maximise box: a double click on the title bar maximises nothing.
    const int captionY = rect.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 3;
    clickAt((rect.left + rect.right) / 2, captionY);
    clickAt((rect.left + rect.right) / 2, captionY);
    Sleep(200);
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 407);
    EXPECT_EQ(rect.bottom - rect.top, 226);
}

enum class Closing { Escape, AltF4, CloseMessage, CloseBox };

class ClosingTest : public ::testing::TestWithParam<Closing> {};

TEST_P(ClosingTest, EndsWithExitCodeZero) {
    VanteloProcess vantelo;
    ASSERT_TRUE(vantelo.start());
    ASSERT_TRUE(waitFor([&] { return vantelo.focus() == vantelo.control(120); }));
    switch (GetParam()) {
        case Closing::Escape:
            pressKey(VK_ESCAPE);
            break;
        case Closing::AltF4:
            pressKey(VK_F4, VK_MENU);
            break;
        case Closing::CloseMessage:
            PostMessageA(vantelo.window(), WM_CLOSE, 0, 0);
            break;
        case Closing::CloseBox: {
            RECT rect;
            GetWindowRect(vantelo.window(), &rect);
            const int caption = GetSystemMetrics(SM_CYCAPTION);
            const LRESULT hit =
                SendMessageA(vantelo.window(), WM_NCHITTEST, 0,
                             MAKELPARAM(rect.right - caption / 2 - 4, rect.top + caption / 2 + 3));
            ASSERT_EQ(hit, HTCLOSE);
            clickAt(rect.right - caption / 2 - 4, rect.top + caption / 2 + 3);
            break;
        }
    }
    EXPECT_EQ(vantelo.waitForExit(), 0u);
}

std::string closingName(const ::testing::TestParamInfo<Closing>& param) {
    const char* const names[] = {"Escape", "AltF4", "CloseMessage", "CloseBox"};
    return names[static_cast<int>(param.param)];
}

INSTANTIATE_TEST_SUITE_P(Each, ClosingTest,
                         ::testing::Values(Closing::Escape, Closing::AltF4, Closing::CloseMessage,
                                           Closing::CloseBox),
                         closingName);

TEST(MainWindowCopies, TwoRunSideBySideAndEachEndsWithZero) {
    VanteloProcess first, second;
    ASSERT_TRUE(first.start());
    ASSERT_TRUE(second.start());
    EXPECT_NE(first.window(), second.window());
    PostMessageA(first.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(first.waitForExit(), 0u);
    EXPECT_EQ(second.waitForExit(200), DWORD{STILL_ACTIVE});
    PostMessageA(second.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(second.waitForExit(), 0u);
}

}  // namespace
}  // namespace vantelo::testing

namespace vantelo::testing {
namespace {

// The window's place on a primary screen of another size: a virtual desktop of that size,
// looked at from a thread that joins it.
POINT placementOnScreen(int width, int height) {
    char name[32], size[32];
    wsprintfA(name, "Screen%dx%d", width, height);
    wsprintfA(size, "%dx%d", width, height);
    HKEY desktops;
    RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops", &desktops);
    RegSetValueExA(desktops, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(size), lstrlenA(size) + 1);
    RegCloseKey(desktops);

    VanteloProcess vantelo;
    POINT origin = {-9999, -9999};
    if (!vantelo.start("", name)) return origin;
    std::thread onThatDesktop([&] {
        HDESK desktop = nullptr;
        waitFor([&] { return (desktop = OpenDesktopA(name, 0, FALSE, GENERIC_ALL)) != nullptr; });
        if (desktop == nullptr || !SetThreadDesktop(desktop)) return;
        const HWND window = findWindowOf(vantelo.processId(), "WTWindow");
        RECT rect;
        if (window != nullptr && GetWindowRect(window, &rect)) origin = POINT{rect.left, rect.top};
        PostMessageA(window, WM_CLOSE, 0, 0);
        CloseDesktop(desktop);
    });
    onThatDesktop.join();
    EXPECT_EQ(vantelo.waitForExit(), 0u);
    return origin;
}

TEST(MainWindowPlacement, CentredOnThePrimaryScreenTruncatingTowardZero) {
    struct Case {
        int width, height, x, y;
    } cases[] = {
        {1366, 768, 479, 271}, {400, 300, -3, 37},  // -3.5 becomes -3, not -4
    };
    for (const Case& c : cases) {
        const POINT origin = placementOnScreen(c.width, c.height);
        EXPECT_EQ(origin.x, c.x) << c.width;
        EXPECT_EQ(origin.y, c.y) << c.height;
    }
}

TEST(MainWindowStart, CaptionIsSetWheneverTheWindowIsVisible) {
    VanteloProcess vantelo;
    ASSERT_TRUE(vantelo.start("", nullptr, false));
    // Poll as fast as we can from creation on: visible must never come with another caption.
    HWND window = nullptr;
    int visibleSamples = 0;
    waitFor(
        [&] {
            if (window == nullptr) window = findWindowOf(vantelo.processId(), "WTWindow", 0, false);
            if (window == nullptr) return false;
            for (int i = 0; i < 200; ++i) {
                if (!IsWindowVisible(window)) continue;
                char caption[64] = "";
                GetWindowTextA(window, caption, sizeof caption);
                EXPECT_EQ(std::string(caption), kCaption);
                ++visibleSamples;
            }
            return visibleSamples > 0;
        },
        10000);
    EXPECT_GT(visibleSamples, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(vantelo.waitForExit(), 0u);
}

}  // namespace
}  // namespace vantelo::testing

namespace vantelo::testing {
namespace {

std::string probeReport(VanteloProcess& vantelo) {
    const std::string path = buildFolder() + "probe.txt";
    DeleteFileA(path.c_str());
    EXPECT_EQ(callProbe(vantelo.process(), "probeReport"), 0u);
    std::ifstream file(path);
    std::stringstream report;
    report << file.rdbuf();
    return report.str();
}

TEST_F(MainWindowTest, IconsFontsAndGroupBoxColoursAsTheProcessHoldsThem) {
    const std::string report = probeReport(vantelo);
    // Both icons are the icon file's one 48 x 48, 32-bit image at its own size.
    EXPECT_NE(report.find("bigIcon=48x48,32\n"), std::string::npos) << report;
    EXPECT_NE(report.find("smallIcon=48x48,32\n"), std::string::npos) << report;
    // 微软雅黑, 12 pixels, regular; DEFAULT_CHARSET, default precisions, PROOF_QUALITY, DEFAULT_PITCH.
    const std::string yahei = "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA,-12,400,0,1,0,0,2,0\n";
    EXPECT_NE(report.find("groupBoxFont=" + yahei), std::string::npos) << report;
    EXPECT_NE(report.find("buttonFont=" + yahei), std::string::npos) << report;
    char colours[80];
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    wsprintfA(colours, "groupBoxColours=808080,%06lx,%06lx,%06lx\n", face, face, face);
    EXPECT_NE(report.find(colours), std::string::npos) << report;
    EXPECT_NE(report.find("microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::string::npos)
        << report;
}

TEST_F(MainWindowTest, PaintingLeaksNoGdiObject) {
    callProbe(vantelo.process(), "probeRepaint", 10);  // let caches settle
    const DWORD before = callProbe(vantelo.process(), "probeCreatableFonts");
    ASSERT_GT(before, 1000u);
    ASSERT_LT(before, 200000u) << "GDI must run out somewhere for this to show a leak";
    // More repaints than GDI has handles: one leaked object a paint would exhaust it.
    callProbe(vantelo.process(), "probeRepaint", before + 1000);
    EXPECT_EQ(callProbe(vantelo.process(), "probeCreatableFonts"), before);
    EXPECT_EQ(vantelo.waitForExit(0), DWORD{STILL_ACTIVE});
}

}  // namespace
}  // namespace vantelo::testing

namespace vantelo::testing {
namespace {

// A window that can't be made: a CBT hook in vantelo.exe's process refuses that class.
class CreationFailure : public ::testing::TestWithParam<const char*> {};

TEST_P(CreationFailure, ShowsTheErrorBoxAndEndsWithMinusOne) {
    const HMODULE probe = LoadLibraryA((buildFolder() + "vantelo_probe.dll").c_str());
    ASSERT_NE(probe, nullptr);
    const auto hookProcedure =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(GetProcAddress(probe, "probeFailCreation")));
    const HHOOK hook = SetWindowsHookExA(WH_CBT, hookProcedure, probe, 0);
    ASSERT_NE(hook, nullptr);
    const std::vector<COLORREF> errorIcon = referenceIcon(MB_ICONERROR);

    VanteloProcess vantelo;
    SetEnvironmentVariableA("VANTELO_TEST_FAIL_CLASS", GetParam());
    const bool started = vantelo.start("", nullptr, false);
    SetEnvironmentVariableA("VANTELO_TEST_FAIL_CLASS", nullptr);
    ASSERT_TRUE(started);
    const HWND box = vantelo.messageBox(10000);
    UnhookWindowsHookEx(hook);
    ASSERT_NE(box, nullptr) << "exit " << vantelo.waitForExit(0);
    EXPECT_EQ(windowTextOf(box), "\xB4\xED\xCE\xF3");  // 错误
    const std::string text = messageBoxText(box);
    EXPECT_EQ(text.rfind("\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!", 0), 0u) << text;  // 运行时出错!
    EXPECT_NE(text.find("\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC"),
              std::string::npos);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_EQ(findWindowOf(vantelo.processId(), "WTWindow", 0), nullptr) << "no window is shown";
    Sleep(200);
    EXPECT_EQ(screenPixels(GetDlgItem(box, 0x0440)).pixels, errorIcon);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(vantelo.waitForExit(), 0xFFFFFFFFu);
    FreeLibrary(probe);
}

INSTANTIATE_TEST_SUITE_P(Window, CreationFailure, ::testing::Values("WTWindow"));
INSTANTIATE_TEST_SUITE_P(Control, CreationFailure, ::testing::Values("VanteloHyperLinker", "VanteloLabel"));

}  // namespace
}  // namespace vantelo::testing
