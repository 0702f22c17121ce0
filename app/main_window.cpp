// MainWindow: the program's one window, its four controls and its keyboard handling.
#include "app/main_window.h"

#include "app/icon_file.h"
#include "app/unscramble.h"
#include "repair/repair_click.h"
#include "res/resource.h"

#include <stdlib.h>
#include <string.h>

namespace vantelo {

namespace {

constexpr char kClassName[] = "WTWindow";
constexpr char kCaption[] = "Vantelo Quenvo下载站";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
static_assert(kStyle == 0x02CA0000, "the window's style word");
constexpr int kWidth = 407;
constexpr int kHeight = 226;

constexpr char kExplanation[] =
    "有一部分蓝牙音箱或耳机连接电脑后在电脑上无法调节音量，\r\n"
    "不管你怎么调音量始终是100%最大音量，\r\n"
    "看到网上很多都是修改注册表方式，这对于电脑小白比较麻烦，\r\n"
    "Quenvo做成了软件版，直接点击按钮进行修改注册表的值，\r\n"
    "和网上的修改注册表方式相同的，方便了找注册表的麻烦。\r\n";

const void* lockResource(const char* name, const char* type, DWORD* size) {
    const HRSRC resource = FindResourceA(nullptr, name, type);
    const HGLOBAL loaded = resource != nullptr ? LoadResource(nullptr, resource) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    *size = bytes != nullptr ? SizeofResource(nullptr, resource) : 0;
    return bytes;
}

// The program's icon file (6-byte header, 16-byte entries, images), rebuilt from its icon
// group resource and the images it names: the exe holds each byte once. Null on failure;
// the caller frees it.
unsigned char* loadIconFile(size_t* fileSize) {
    constexpr size_t kGroupEntry = 14, kFileEntry = 16, kHeader = 6;
    DWORD groupSize = 0;
    const auto* group =
        static_cast<const unsigned char*>(lockResource("DEFAULT_ICON", RT_GROUP_ICON, &groupSize));
    if (group == nullptr || groupSize < kHeader) return nullptr;
    size_t count = group[4] | (group[5] << 8);
    if (count > (groupSize - kHeader) / kGroupEntry) count = (groupSize - kHeader) / kGroupEntry;

    size_t total = kHeader + count * kFileEntry;
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* entry = group + kHeader + i * kGroupEntry;
        DWORD imageSize = 0;
        lockResource(MAKEINTRESOURCEA(entry[12] | (entry[13] << 8)), RT_ICON, &imageSize);
        total += imageSize;
    }
    auto* file = static_cast<unsigned char*>(malloc(total));
    if (file == nullptr) return nullptr;
    memcpy(file, group, kHeader - 2);
    file[4] = static_cast<unsigned char>(count);
    file[5] = static_cast<unsigned char>(count >> 8);
    size_t offset = kHeader + count * kFileEntry;
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* entry = group + kHeader + i * kGroupEntry;
        unsigned char* out = file + kHeader + i * kFileEntry;
        DWORD imageSize = 0;
        const void* image = lockResource(MAKEINTRESOURCEA(entry[12] | (entry[13] << 8)), RT_ICON, &imageSize);
        memcpy(out, entry, 8);
        const DWORD fields[2] = {imageSize, static_cast<DWORD>(offset)};
        memcpy(out + 8, fields, sizeof fields);
        if (image != nullptr) memcpy(file + offset, image, imageSize);
        offset += imageSize;
    }
    *fileSize = total;
    return file;
}

HICON iconFromFile(const unsigned char* file, size_t size, int width) {
    IconImage image;
    if (!chooseIconImage(file, size, width, &image)) return nullptr;
    return CreateIconFromResourceEx(const_cast<BYTE*>(image.bits), image.size, TRUE, 0x00030000, image.width,
                                    image.height, LR_DEFAULTCOLOR);
}

bool isDefaultPushButton(HWND window) {
    char className[8];
    return GetClassNameA(window, className, sizeof className) > 0 && lstrcmpiA(className, "BUTTON") == 0 &&
           (GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

}  // namespace

MainWindow::~MainWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
}

bool MainWindow::create() {
    if (!registerWindowClass(kClassName, &MainWindow::windowProcedure, LoadCursorA(nullptr, IDC_ARROW)) ||
        !Label::registerClass() || !HyperLinker::registerClass()) {
        return false;
    }
    const int x = centredOrigin(GetSystemMetrics(SM_CXSCREEN), kWidth);
    const int y = centredOrigin(GetSystemMetrics(SM_CYSCREEN), kHeight);
    if (createWindow(kClassName, "", kStyle, x, y, kWidth, kHeight, nullptr, 0) == nullptr) return false;

    RECT placed;
    GetWindowRect(window_, &placed);
    if (placed.right - placed.left != kWidth || placed.bottom - placed.top != kHeight) {
        MoveWindow(window_, x, y, kWidth, kHeight, TRUE);
    }
    setIcons();
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    if (!createControls()) {
        DestroyWindow(window_);
        return false;
    }
    setRepairMessageOwner(window_);
    handleWindowCreated();
    return true;
}

void MainWindow::setIcons() {
    size_t size = 0;
    unsigned char* file = loadIconFile(&size);
    if (file == nullptr) return;
    bigIcon_ = iconFromFile(file, size, 32);
    smallIcon_ = iconFromFile(file, size, 16);
    free(file);
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

bool MainWindow::createControls() {
    if (!分组框1.create({window_, 16, 8, 368, 128, "一些说明", 100}) ||
        !标签1.create({window_, 8, 24, 352, 96, kExplanation, 110}) ||
        !按钮1.create({window_, 80, 144, 240, 32, "点击修复", 120}, &handleRepairClick) ||
        // The caption and address come from handleWindowCreated, never from plain text here.
        !超级链接框1.create({window_, 296, 177, 104, 16, "", 130})) {
        return false;
    }
    // The label belongs inside the group box; its (8, 24) is then relative to the box.
    SetParent(标签1.handle(), 分组框1.handle());

    // Stacking, top first: link, button, group box; the label alone in the box.
    constexpr UINT kKeep = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE;
    SetWindowPos(超级链接框1.handle(), HWND_TOP, 0, 0, 0, 0, kKeep);
    SetWindowPos(按钮1.handle(), 超级链接框1.handle(), 0, 0, 0, 0, kKeep);
    SetWindowPos(分组框1.handle(), 按钮1.handle(), 0, 0, 0, 0, kKeep);
    SetWindowPos(标签1.handle(), HWND_TOP, 0, 0, 0, 0, kKeep);

    // SW_SHOWNA: showing a control must not activate the still hidden window.
    const HWND controls[] = {分组框1.handle(), 标签1.handle(), 按钮1.handle(), 超级链接框1.handle()};
    for (HWND control : controls) ShowWindow(control, SW_SHOWNA);
    return true;
}

void MainWindow::handleWindowCreated() {
    SetWindowTextA(window_, kCaption);
    {
        const Text caption = unscrambleText(kLinkCaptionText);
        超级链接框1.setCaption(caption.c_str());
    }
    const Text address = unscrambleText(kLinkTargetText);
    超级链接框1.setWebAddress(address.c_str());
}

void MainWindow::show() {
    ShowWindow(window_, SW_SHOW);
}

int MainWindow::runMessageLoop() {
    loopRunning_ = true;
    MSG message;
    int exitCode = 0;
    for (;;) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            exitCode = static_cast<int>(message.wParam);
            break;
        }
        if (got == -1) break;
        if (message.message == WM_KEYDOWN && preTranslateKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    loopRunning_ = false;
    return exitCode;
}

bool MainWindow::preTranslateKey(const MSG& message) {
    if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) return false;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    switch (message.wParam) {
        case VK_ESCAPE:
            if (shift || control || alt) return false;
            SendMessageA(window_, WM_CLOSE, 0, 0);
            return true;
        case VK_TAB: {
            if (control || alt) return false;
            const HWND next = GetNextDlgTabItem(window_, GetFocus(), shift);
            if (next != nullptr) SetFocus(next);
            return true;
        }
        case VK_RETURN: {
            // The focused default push button, else the first one; with none, Enter goes on.
            HWND target = GetFocus();
            if (target == nullptr || !IsChild(window_, target) || !isDefaultPushButton(target)) {
                target = nullptr;
                for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr && target == nullptr;
                     child = GetWindow(child, GW_HWNDNEXT)) {
                    if (isDefaultPushButton(child)) target = child;
                }
            }
            if (target == nullptr) return false;
            SendMessageA(target, BM_CLICK, 0, 0);
            return true;
        }
    }
    return false;
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills the whole client area
        case WM_COMMAND:
            // Notification reflection: the control that sent it turns it into its event.
            if (reinterpret_cast<HWND>(lParam) == 按钮1.handle() && lParam != 0)
                按钮1.onCommand(HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (reinterpret_cast<HWND>(lParam) == 分组框1.handle()) {
                return 分组框1.onControlColour(reinterpret_cast<HDC>(wParam));
            }
            break;
        case WM_ACTIVATE:
            onActivate(wParam);
            break;
        case WM_SETFOCUS:
            onSetFocus();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_NCDESTROY:
            onNcDestroy();
            break;
    }
    return defaultHandling(message, wParam, lParam);
}

void MainWindow::onPaint() {
    PaintScope paint(window_);
    RECT client;
    GetClientRect(window_, &client);
    // An opaque empty text run fills with the background colour and makes no GDI object.
    SetBkColor(paint.dc(), GetSysColor(COLOR_BTNFACE));
    ExtTextOutA(paint.dc(), 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
}

void MainWindow::onActivate(WPARAM state) {
    if (LOWORD(state) != WA_INACTIVE) return;
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
}

void MainWindow::onSetFocus() {
    if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsChild(window_, lastFocus_)) {
        SetFocus(lastFocus_);
        return;
    }
    const HWND first = GetNextDlgTabItem(window_, nullptr, FALSE);
    if (first != nullptr) SetFocus(first);
}

void MainWindow::onNcDestroy() {
    setRepairMessageOwner(nullptr);
    HICON* const icons[] = {&bigIcon_, &smallIcon_};
    for (HICON* icon : icons) {
        if (*icon != nullptr) DestroyIcon(*icon);
        *icon = nullptr;
    }
    // The only window of the program is gone: end the loop.
    if (loopRunning_) PostQuitMessage(0);
}

}  // namespace vantelo
