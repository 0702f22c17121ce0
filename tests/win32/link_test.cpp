// The link of the real vantelo.exe under real mouse input: colours, opening, the fallback.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "vantelo_process.h"

namespace vantelo::testing {
namespace {

constexpr COLORREF kNormal = RGB(0, 0, 255);
constexpr COLORREF kVisited = RGB(128, 0, 0);
constexpr COLORREF kHover = RGB(0, 120, 215);
const std::string kAddress = "http://www.quenvo.test";

std::string recorder() {
    return buildFolder() + "url_recorder.exe";
}
std::string openedLog() {
    return buildFolder() + "opened.log";
}

// HKEY_CLASSES_ROOT as Wine reads it: HKLM\Software\Classes (it does not merge in HKCU's).
const char kClasses[] = "Software\\Classes\\";

std::string defaultValue(const std::string& key, bool* present) {
    char value[1024] = "";
    LONG size = sizeof value;
    *present = RegQueryValueA(HKEY_LOCAL_MACHINE, (kClasses + key).c_str(), value, &size) == ERROR_SUCCESS;
    return value;
}

void setDefault(const std::string& key, const std::string& value) {
    HKEY handle;
    ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, (kClasses + key).c_str(), &handle), ERROR_SUCCESS);
    RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}

// Puts the prefix's own handlers back after a test.
class SavedDefault {
public:
    explicit SavedDefault(std::string key) : key_(std::move(key)) { value_ = defaultValue(key_, &present_); }
    ~SavedDefault() {
        if (present_) {
            setDefault(key_, value_);
        } else {
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, (kClasses + key_).c_str());
        }
    }

private:
    std::string key_, value_;
    bool present_ = false;
};

// Which of the link's three colours its text shows now.
std::vector<COLORREF> linkColours(HWND link) {
    std::vector<COLORREF> seen;
    for (COLORREF pixel : screenPixels(link).pixels) {
        for (COLORREF colour : {kNormal, kVisited, kHover}) {
            if (pixel == colour && std::find(seen.begin(), seen.end(), colour) == seen.end())
                seen.push_back(colour);
        }
    }
    return seen;
}

::testing::AssertionResult showsOnly(HWND link, COLORREF colour) {
    std::vector<COLORREF> seen;
    if (waitFor([&] { return (seen = linkColours(link)) == std::vector<COLORREF>{colour}; }, 3000)) {
        return ::testing::AssertionSuccess();
    }
    auto failure = ::testing::AssertionFailure() << "the link shows colours";
    for (COLORREF c : seen) failure << " " << std::hex << c;
    return failure;
}

class LinkTest : public ::testing::Test {
protected:
    SavedDefault shellCommand{"http\\shell\\open\\command"};
    SavedDefault webPageClass{".htm"};
    SavedDefault fallbackCommand{"VanteloTest.htm"};
    VanteloProcess vantelo;
    HWND link = nullptr;
    POINT onLink{}, offLink{};

    void SetUp() override {
        DeleteFileA(openedLog().c_str());
        useShellHandler(true);
        setDefault(".htm", "VanteloMissing.htm");
        ASSERT_TRUE(vantelo.start());
        link = vantelo.control(130);
        onLink = centreOf(link);
        offLink = centreOf(vantelo.control(100));
        moveMouseTo(offLink.x, offLink.y);
    }
    // The recorder as the web browser, or a browser that can't be started.
    void useShellHandler(bool works) {
        const std::string program = works ? recorder() : buildFolder() + "missing-browser.exe";
        setDefault("http\\shell\\open\\command", "\"" + program + "\" shell \"%1\"");
    }
    void useFallbackCommand(const std::string& command) {
        setDefault(".htm", "VanteloTest.htm");
        setDefault("VanteloTest.htm\\shell\\open\\command", command);
    }

    std::vector<std::string> opened(size_t expected) {
        std::vector<std::string> lines;
        waitFor(
            [&] {
                lines.clear();
                std::ifstream log(openedLog());
                for (std::string line; std::getline(log, line);) lines.push_back(line);
                return lines.size() >= expected && expected > 0;
            },
            expected > 0 ? 5000 : 1000);
        return lines;
    }

    // A press of its own, not the second half of a double click.
    void pressOnLink() {
        Sleep(GetDoubleClickTime() + 50);
        moveMouseTo(onLink.x, onLink.y);
        mouseButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    }
    void leaveLink() { moveMouseTo(offLink.x, offLink.y); }
};

TEST_F(LinkTest, ColoursFollowThePointerAndTheVisit) {
    EXPECT_TRUE(showsOnly(link, kNormal));
    moveMouseTo(onLink.x, onLink.y);
    EXPECT_TRUE(showsOnly(link, kHover));
    leaveLink();
    EXPECT_TRUE(showsOnly(link, kNormal));

    pressOnLink();
    const std::vector<std::string> lines = opened(1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(" shell \"" + kAddress + "\""), std::string::npos) << lines[0];
    EXPECT_TRUE(showsOnly(link, kHover));
    leaveLink();
    EXPECT_TRUE(showsOnly(link, kVisited));
}

// Columns of the link that show its normal colour.
std::vector<bool> colouredColumns(HWND link) {
    const ScreenPixels shown = screenPixels(link);
    std::vector<bool> columns(static_cast<size_t>(shown.width), false);
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width; ++x) columns[x] = columns[x] || shown.at(x, y) == kNormal;
    }
    return columns;
}

TEST_F(LinkTest, EmptyCaptionShowsTheAddressOnOneLineCutAtBothSides) {
    const std::vector<bool> caption = colouredColumns(link);
    ASSERT_EQ(caption.size(), 104u);
    auto atLeft = [](const std::vector<bool>& c) { return c[0] || c[1] || c[2]; };
    auto atRight = [](const std::vector<bool>& c) { return c[101] || c[102] || c[103]; };
    EXPECT_FALSE(atLeft(caption) || atRight(caption)) << "the caption fits inside";
    SendMessageA(link, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    InvalidateRect(link, nullptr, FALSE);
    // The 22-character address is wider than 104 pixels: centred, it runs out at both sides.
    EXPECT_TRUE(waitFor([&] {
        const std::vector<bool> address = colouredColumns(link);
        return atLeft(address) && atRight(address);
    }));
    EXPECT_TRUE(showsOnly(link, kNormal));
}

TEST_F(LinkTest, EachPressOfTheLeftButtonOpensOnce) {
    moveMouseTo(onLink.x, onLink.y);
    mouseButton(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    mouseButton(MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    EXPECT_TRUE(opened(0).empty()) << "right and middle buttons open nothing";

    // A double click: the second press comes as a double-click message and is ignored.
    INPUT clicks[4] = {};
    const DWORD flags[4] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN,
                            MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = flags[i];
    }
    SendInput(4, clicks, sizeof clicks[0]);
    opened(2);
    EXPECT_EQ(opened(1).size(), 1u);
}

TEST_F(LinkTest, FallbackRunsTheCommandRegisteredForWebPages) {
    useShellHandler(false);
    const std::string program = "\"" + recorder() + "\"";
    struct Case {
        std::string registered;
        std::string expected;
    } cases[] = {
        // Cut before the quoted %1, then one blank and the bare address.
        {program + " -osint -url \"%1\"", program + " -osint -url  " + kAddress},
        {program + " -url %1 -new", program + " -url  " + kAddress},
        {program + " -nohome", program + " -nohome " + kAddress},
    };
    size_t count = 0;
    for (const Case& c : cases) {
        useFallbackCommand(c.registered);
        pressOnLink();
        const std::vector<std::string> lines = opened(++count);
        ASSERT_EQ(lines.size(), count);
        EXPECT_EQ(lines.back(), c.expected);
    }
    leaveLink();
    EXPECT_TRUE(showsOnly(link, kVisited));
}

TEST_F(LinkTest, RegisteredCommandThatDoesNotFitRunsNothing) {
    useShellHandler(false);
    // The command is read into 260 bytes, its terminating NUL included: 260 characters
    // don't fit, and a cut-off command line must never run.
    const std::string program = "\"" + recorder() + "\" ";
    const std::string tooLong = program + std::string(260 - program.size() - 5, 'x') + " \"%1\"";
    ASSERT_EQ(tooLong.size(), 260u);
    useFallbackCommand(tooLong);
    pressOnLink();
    leaveLink();
    EXPECT_TRUE(opened(0).empty());
    EXPECT_TRUE(showsOnly(link, kNormal));

    useFallbackCommand(tooLong.substr(0, 254) + " \"%1\"");  // 259 characters fit
    pressOnLink();
    const std::vector<std::string> lines = opened(1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], tooLong.substr(0, 254) + "  " + kAddress);
}

TEST_F(LinkTest, FailedOpeningClearsTheVisitedColour) {
    pressOnLink();
    ASSERT_EQ(opened(1).size(), 1u);
    leaveLink();
    ASSERT_TRUE(showsOnly(link, kVisited));

    useShellHandler(false);  // and no .htm command either
    pressOnLink();
    leaveLink();
    EXPECT_TRUE(showsOnly(link, kNormal));
    EXPECT_EQ(opened(0).size(), 1u);
}

}  // namespace
}  // namespace vantelo::testing
