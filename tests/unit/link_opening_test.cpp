#include "app/link_opening.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace vantelo {
namespace {

TEST(FallbackCommand, CutsAtTheQuotedPercentOneElseAtPercentOne) {
    struct Case {
        const char* registered;
        const char* expected;
    } cases[] = {
        {"\"C:\\b.exe\" -url \"%1\"", "\"C:\\b.exe\" -url  http://a"},
        {"\"C:\\b.exe\" %1 -new", "\"C:\\b.exe\"  http://a"},
        {"\"C:\\b.exe\" \"%1\" %1", "\"C:\\b.exe\"  http://a"},
        {"b.exe %1 \"%1\"", "b.exe %1  http://a"},  // the quoted form wins wherever it stands
        {"b.exe -nohome", "b.exe -nohome http://a"},
        {"", " http://a"},
        {"\x81\"%1\" %1", "\x81\" http://a"},  // 0x81 0x22 is one character: no quoted match there
    };
    for (const Case& c : cases) {
        char out[kCommandSize];
        ASSERT_TRUE(buildFallbackCommand(c.registered, "http://a", out, sizeof out)) << c.registered;
        EXPECT_STREQ(out, c.expected);
    }
}

TEST(FallbackCommand, NeverBuildsACutOffCommand) {
    // kept + blank + target + NUL must fit exactly.
    const std::string target(20, 't');
    for (size_t kept = 480; kept < 500; ++kept) {
        const std::string registered(kept, 'p');
        char out[kCommandSize];
        std::memset(out, 'X', sizeof out);
        const bool fits = kept + 1 + target.size() + 1 <= sizeof out;
        EXPECT_EQ(buildFallbackCommand(registered.c_str(), target.c_str(), out, sizeof out), fits) << kept;
        if (fits) {
            EXPECT_EQ(std::string(out), registered + " " + target);
        } else {
            EXPECT_EQ(out[0], '\0') << "nothing usable is left behind";
        }
    }
    char tiny[1];
    EXPECT_FALSE(buildFallbackCommand("", "", tiny, 1));
}

// The shell, the registry and WinExec as opening sees them.
struct FakeShell {
    intptr_t shellResult = 42;
    std::map<std::string, std::string> classesRoot;  // key -> default value
    uintptr_t execResult = 33;
    std::vector<std::string> calls;

    intptr_t shellOpen(const char* target) {
        calls.push_back(std::string("shell ") + target);
        return shellResult;
    }
    bool readClassesRootDefault(const char* key, char* out, size_t capacity) {
        calls.push_back(std::string("read ") + key);
        auto found = classesRoot.find(key);
        if (found == classesRoot.end() || found->second.size() + 1 > capacity) return false;
        std::memcpy(out, found->second.c_str(), found->second.size() + 1);
        return true;
    }
    uintptr_t runCommand(const char* command) {
        calls.push_back(std::string("run ") + command);
        return execResult;
    }
};

TEST(OpenAddress, ShellFirstThenTheWebPageCommand) {
    FakeShell shell;
    EXPECT_TRUE(openAddress(shell, "http://a"));
    EXPECT_EQ(shell.calls, std::vector<std::string>{"shell http://a"});

    shell = FakeShell();
    shell.shellResult = 2;  // SE_ERR_FNF
    shell.classesRoot[".htm"] = "htmlfile";
    shell.classesRoot["htmlfile\\shell\\open\\command"] = "b.exe \"%1\"";
    EXPECT_TRUE(openAddress(shell, "http://a"));
    const std::vector<std::string> expected = {"shell http://a", "read .htm",
                                               "read htmlfile\\shell\\open\\command", "run b.exe  http://a"};
    EXPECT_EQ(shell.calls, expected);
}

TEST(OpenAddress, EachFailureEndsTheOpening) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> classesRoot;
        uintptr_t execResult;
        size_t calls;
    } cases[] = {
        {"no .htm key", {}, 33, 2},
        {"empty .htm value", {{".htm", ""}}, 33, 2},
        {"no command key", {{".htm", "htmlfile"}}, 33, 3},
        {"empty command", {{".htm", "htmlfile"}, {"htmlfile\\shell\\open\\command", ""}}, 33, 3},
        {"command longer than 259",
         {{".htm", "h"}, {"h\\shell\\open\\command", std::string(260, 'c')}},
         33,
         3},
        {"WinExec fails", {{".htm", "h"}, {"h\\shell\\open\\command", "b.exe"}}, 2, 4},
        {"WinExec at 32", {{".htm", "h"}, {"h\\shell\\open\\command", "b.exe"}}, 32, 4},
    };
    for (const Case& c : cases) {
        FakeShell shell;
        shell.shellResult = 32;  // 32 and below are failures
        shell.classesRoot = c.classesRoot;
        shell.execResult = c.execResult;
        EXPECT_FALSE(openAddress(shell, "http://a")) << c.what;
        EXPECT_EQ(shell.calls.size(), c.calls) << c.what;
    }
    FakeShell shell;
    EXPECT_FALSE(openAddress(shell, ""));
    EXPECT_FALSE(openAddress(shell, nullptr));
    EXPECT_TRUE(shell.calls.empty()) << "an empty address opens nothing";
}

TEST(OpenAddress, LongestProgramClassStillMakesItsCommandKey) {
    FakeShell shell;
    shell.shellResult = 0;
    const std::string program(259, 'p');
    shell.classesRoot[".htm"] = program;
    shell.classesRoot[program + "\\shell\\open\\command"] = "b.exe %1";
    EXPECT_TRUE(openAddress(shell, "http://a"));
    EXPECT_EQ(shell.calls.back(), "run b.exe  http://a");
}

}  // namespace
}  // namespace vantelo
