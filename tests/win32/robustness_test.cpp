// vantelo.exe under long use and in a bad environment.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "expected_texts.h"
#include "registry_fixture.h"
#include "vantelo_process.h"

namespace vantelo::testing {
namespace {

void expectFourByteOne(const std::string& key = ctKey()) {
    const StoredValue value = readValue(key, kValueName);
    EXPECT_EQ(value.type, DWORD{REG_DWORD});
    EXPECT_EQ(value.data, dwordBytes(1));
}

// Clicks the button (through the window's reflection, as a mouse click arrives) and returns
// the text of the box it shows, closing it.
std::string clickAndRead(const VanteloProcess& vantelo) {
    PostMessageA(vantelo.control(120), BM_CLICK, 0, 0);
    const HWND box = vantelo.messageBox();
    if (box == nullptr) return "(no box)";
    const std::string text = messageBoxText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    waitFor([&] { return IsWindowEnabled(vantelo.window()) && !IsWindow(box); });
    return text;
}

using Robustness = RegistryTest;

TEST_F(Robustness, ThousandClicksEachTellingTheStateItFound) {
    VanteloProcess vantelo;
    ASSERT_TRUE(vantelo.start());
    // Warm up: the first boxes fill the system's caches (fonts, icons, themes) for good.
    for (int click = 0; click < 10; ++click) {
        if (click % 2 == 0) RegDeleteTreeA(HKEY_LOCAL_MACHINE, ctKey().c_str());
        clickAndRead(vantelo);
    }
    const DWORD fontsBefore = callProbe(vantelo.process(), "probeCreatableFonts");
    int written = 0;
    for (int click = 0; click < 1000; ++click) {
        // Now and then the value goes back to 0 or away, as another tool might do.
        const bool reset = click % 7 == 0;
        if (reset) {
            if (click % 2 == 0) {
                writeValue(ctKey(), kValueName, REG_DWORD, dwordBytes(0));
            } else {
                RegDeleteTreeA(HKEY_LOCAL_MACHINE, ctKey().c_str());
            }
        }
        const std::string text = clickAndRead(vantelo);
        ASSERT_EQ(text, reset ? kWritten : kAlreadySet) << "click " << click;
        written += reset;
    }
    EXPECT_EQ(written, 143);
    expectFourByteOne();
    EXPECT_EQ(callProbe(vantelo.process(), "probeCreatableFonts"), fontsBefore) << "no GDI object leaked";
    PostMessageA(vantelo.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(vantelo.waitForExit(), 0u);
}

TEST_F(Robustness, CommandLineArgumentsAreIgnored) {
    VanteloProcess vantelo;
    ASSERT_TRUE(vantelo.start("/uninstall --reset \"C:\\x y\" %1 \xB5\xE3"));
    EXPECT_EQ(clickAndRead(vantelo), kWritten);
    PostMessageA(vantelo.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(vantelo.waitForExit(), 0u);
}

// SYSTEM\Select taken away for one test and put back as it was.
class WithoutSelect : public RegistryTest {
protected:
    std::vector<std::pair<std::string, DWORD>> saved;
    void SetUp() override {
        RegistryTest::SetUp();
        HKEY key;
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\Select", 0, KEY_READ, &key), ERROR_SUCCESS);
        char name[256];
        for (DWORD i = 0;; ++i) {
            DWORD nameSize = sizeof name, type = 0, value = 0, size = sizeof value;
            if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                              &size) != ERROR_SUCCESS) {
                break;
            }
            if (type == REG_DWORD) saved.emplace_back(name, value);
        }
        RegCloseKey(key);
        ASSERT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SYSTEM\\Select"), ERROR_SUCCESS);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SYSTEM\\Select");
    }
    void TearDown() override {
        for (const auto& [name, value] : saved)
            writeValue("SYSTEM\\Select", name.c_str(), REG_DWORD, dwordBytes(value));
        RegistryTest::TearDown();
    }
};

TEST_F(WithoutSelect, FixFallsBackToControlSet001) {
    ASSERT_FALSE(keyExists("SYSTEM\\Select"));
    VanteloProcess vantelo;
    ASSERT_TRUE(vantelo.start());
    EXPECT_EQ(clickAndRead(vantelo), kWritten);
    expectFourByteOne(ctKey(1));
    EXPECT_FALSE(keyExists("SYSTEM\\Select")) << "nothing but the one value is written";
    PostMessageA(vantelo.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(vantelo.waitForExit(), 0u);
}

TEST_F(Robustness, TwoCopiesClickingAtOnceBothEndWithOne) {
    VanteloProcess first, second;
    ASSERT_TRUE(first.start());
    ASSERT_TRUE(second.start());
    PostMessageA(first.control(120), BM_CLICK, 0, 0);
    PostMessageA(second.control(120), BM_CLICK, 0, 0);
    std::vector<std::string> texts;
    for (VanteloProcess* copy : {&first, &second}) {
        const HWND box = copy->messageBox();
        ASSERT_NE(box, nullptr);
        texts.push_back(messageBoxText(box));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    // Each tells what it found: at least one wrote; the other wrote too or found it set.
    for (const std::string& text : texts) EXPECT_TRUE(text == kWritten || text == kAlreadySet) << text;
    EXPECT_TRUE(texts[0] == kWritten || texts[1] == kWritten);
    expectFourByteOne();
    for (VanteloProcess* copy : {&first, &second}) {
        PostMessageA(copy->window(), WM_CLOSE, 0, 0);
        EXPECT_EQ(copy->waitForExit(), 0u);
    }
}

}  // namespace
}  // namespace vantelo::testing
