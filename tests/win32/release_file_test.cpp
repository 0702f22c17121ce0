// The release exe (the i686 build) read as data: version block, manifest, icon and cursor
// groups, and its PE header and imports.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "vantelo_process.h"

namespace vantelo::testing {
namespace {

// scripts/test builds the win32 preset beside this one.
std::string releaseExe() {
    return buildFolder() + "..\\win32\\vantelo.exe";
}

std::vector<BYTE> fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(file), {});
}

class ReleaseFile : public ::testing::Test {
protected:
    HMODULE module = nullptr;
    void SetUp() override {
        module = LoadLibraryExA(releaseExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << "build the win32 preset first: " << releaseExe();
    }
    void TearDown() override {
        if (module) FreeLibrary(module);
    }
    std::vector<BYTE> resource(const char* type, const char* name, WORD language) {
        const HRSRC found = FindResourceExA(module, type, name, language);
        if (found == nullptr) return {};
        const BYTE* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
        return std::vector<BYTE>(bytes, bytes + SizeofResource(module, found));
    }
};

constexpr WORD kNeutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
constexpr WORD kChinesePrc = 2052;

TEST_F(ReleaseFile, VersionBlockInChinese) {
    const std::string path = releaseExe();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0u);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, DWORD{VOS__WINDOWS32});
    EXPECT_EQ(fixed->dwFileType, DWORD{VFT_APP});
    EXPECT_EQ(fixed->dwFileSubtype, 0u);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 0x04B0);

    struct Case {
        const char* key;
        std::string value;  // code page 936
    } cases[] = {
        {"FileVersion", "1.0.0.0"},
        {"FileDescription",
         "\xBD\xE2\xBE\xF6\xB5\xE7\xC4\xD4\xC0\xB6\xD1\xC0\xC1\xAC\xBD\xD3\xBA\xF3\xCE\xDE\xB7\xA8\xB5\xF7"
         "\xBD\xDA"
         "\xD2\xF4\xC1\xBF\xCE\xCA\xCC\xE2\xD0\xA1\xB9\xA4\xBE\xDF"},
        {"ProductName", "Vantelo"},
        {"ProductVersion", "1.0.0.0"},
        {"CompanyName", "Quenvo\xCF\xC2\xD4\xD8\xD5\xBE"},
        {"LegalCopyright", "Copyright (C) 2026 Quenvo\xCF\xC2\xD4\xD8\xD5\xBE"},
        {"Comments", "Vantelo"},
    };
    for (const Case& c : cases) {
        char* value = nullptr;
        const std::string query = std::string("\\StringFileInfo\\080404B0\\") + c.key;
        ASSERT_TRUE(VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            << c.key;
        EXPECT_EQ(std::string(value), c.value) << c.key;
    }

    // The keys stand in this order in the string table (the block itself is UTF-16).
    std::vector<std::string> keys;
    const BYTE* table = block.data();
    auto keyAt = [](const BYTE* node) {
        std::string key;
        for (const WORD* p = reinterpret_cast<const WORD*>(node + 6); *p; ++p) key += static_cast<char>(*p);
        return key;
    };
    auto firstChild = [&](const BYTE* node) {
        const size_t keyEnd = 6 + (keyAt(node).size() + 1) * 2;
        const WORD valueLength = reinterpret_cast<const WORD*>(node)[1];
        const WORD type = reinterpret_cast<const WORD*>(node)[2];
        const size_t valueBytes = type == 1 ? valueLength * 2 : valueLength;
        size_t offset = (keyEnd + 3) & ~size_t{3};
        if (valueBytes) offset = (offset + valueBytes + 3) & ~size_t{3};
        return node + offset;
    };
    const BYTE* stringFileInfo = firstChild(table);
    ASSERT_EQ(keyAt(stringFileInfo), "StringFileInfo");
    const BYTE* stringTable = firstChild(stringFileInfo);
    ASSERT_EQ(keyAt(stringTable), "080404B0");
    const BYTE* end = stringTable + reinterpret_cast<const WORD*>(stringTable)[0];
    for (const BYTE* node = firstChild(stringTable); node < end;
         node += (reinterpret_cast<const WORD*>(node)[0] + 3) & ~3) {
        keys.push_back(keyAt(node));
    }
    const std::vector<std::string> order = {"FileVersion", "FileDescription", "ProductName", "ProductVersion",
                                            "CompanyName", "LegalCopyright",  "Comments"};
    EXPECT_EQ(keys, order);
}

TEST_F(ReleaseFile, ManifestAsksForAdministratorAndCommonControls6) {
    const std::vector<BYTE> bytes = resource(MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1), kNeutral);
    ASSERT_FALSE(bytes.empty());
    const std::string manifest(bytes.begin(), bytes.end());
    for (const char* piece : {
             "standalone=\"yes\"",
             "xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\"",
             "processorArchitecture=\"x86\"",
             "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" processorArchitecture=\"x86\" "
             "publicKeyToken=\"6595b64144ccf1df\" language=\"*\"",
             "<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">",
             "<requestedExecutionLevel level=\"requireAdministrator\" uiAccess=\"false\"/>",
         }) {
        EXPECT_NE(manifest.find(piece), std::string::npos) << piece;
    }
    EXPECT_EQ(manifest.find("amd64"), std::string::npos);
}

TEST_F(ReleaseFile, IconGroupAndLinkCursor) {
    const std::vector<BYTE> group = resource(RT_GROUP_ICON, "DEFAULT_ICON", kNeutral);
    ASSERT_EQ(group.size(), 6u + 14u);
    const BYTE expectedGroup[] = {0, 0, 1, 0, 1, 0, 48, 48, 0, 0, 1, 0, 32, 0, 0xA8, 0x25, 0, 0, 3, 0};
    EXPECT_EQ(std::memcmp(group.data(), expectedGroup, sizeof expectedGroup), 0);  // 9640 bytes, id 3
    const std::vector<BYTE> image = resource(RT_ICON, MAKEINTRESOURCEA(3), kNeutral);
    ASSERT_EQ(image.size(), 9640u);
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
    EXPECT_EQ(header->biWidth, 48);
    EXPECT_EQ(header->biHeight, 96);
    EXPECT_EQ(header->biBitCount, 32);

    const std::vector<BYTE> cursors = resource(RT_GROUP_CURSOR, MAKEINTRESOURCEA(1032), kChinesePrc);
    ASSERT_EQ(cursors.size(), 6u + 14u);
    EXPECT_EQ(cursors[4], 1);  // one entry
    const WORD cursorId = static_cast<WORD>(cursors[18] | (cursors[19] << 8));
    const std::vector<BYTE> cursor = resource(RT_CURSOR, MAKEINTRESOURCEA(cursorId), kChinesePrc);
    ASSERT_GE(cursor.size(), 4u + sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(cursor[0] | (cursor[1] << 8), 6) << "hot spot x";
    EXPECT_EQ(cursor[2] | (cursor[3] << 8), 1) << "hot spot y";
    const auto* cursorHeader = reinterpret_cast<const BITMAPINFOHEADER*>(cursor.data() + 4);
    EXPECT_EQ(cursorHeader->biWidth, 32);
    EXPECT_EQ(cursorHeader->biHeight, 64);
    EXPECT_EQ(cursorHeader->biBitCount, 1);
}

TEST(ReleaseFileHeader, I386GuiNxDynamicBaseAndOnlySystemDlls) {
    const std::vector<BYTE> file = fileBytes(releaseExe());
    ASSERT_GT(file.size(), 1024u);
    const LONG peOffset = reinterpret_cast<const IMAGE_DOS_HEADER*>(file.data())->e_lfanew;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(file.data() + peOffset);
    ASSERT_EQ(nt->Signature, DWORD{IMAGE_NT_SIGNATURE});
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(nt->FileHeader.TimeDateStamp, 0u) << "no time stamp: two builds give the same bytes";
    EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    EXPECT_TRUE(nt->OptionalHeader.DllCharacteristics & IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
    EXPECT_TRUE(nt->OptionalHeader.DllCharacteristics & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE);

    const auto* sections = IMAGE_FIRST_SECTION(nt);
    auto offsetOf = [&](DWORD rva) -> size_t {
        for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const auto& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize) {
                return rva - s.VirtualAddress + s.PointerToRawData;
            }
        }
        return 0;
    };
    const DWORD importRva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    const size_t importOffset = offsetOf(importRva);
    ASSERT_NE(importOffset, 0u);
    std::set<std::string> imports;
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(file.data() + importOffset);
         entry->Name; ++entry) {
        std::string name = reinterpret_cast<const char*>(file.data() + offsetOf(entry->Name));
        for (char& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        imports.insert(name);
    }
    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll",
                                          "shell32.dll",  "ole32.dll",  "msvcrt.dll"};
    for (const std::string& name : imports) EXPECT_TRUE(system.count(name)) << name;
    EXPECT_FALSE(imports.count("shell32.dll")) << "shell32 is loaded at the first click, not at start";
}

TEST(TestBuildManifest, NamesTheX64Architecture) {
    const HMODULE module =
        LoadLibraryExA((buildFolder() + "vantelo.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    const std::string manifest(bytes, SizeofResource(module, found));
    EXPECT_EQ(manifest.find("\"x86\""), std::string::npos);
    EXPECT_NE(manifest.find("processorArchitecture=\"amd64\" publicKeyToken"), std::string::npos);
    FreeLibrary(module);
}

}  // namespace
}  // namespace vantelo::testing
