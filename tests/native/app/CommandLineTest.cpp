// The command line: its options, and what the program does with each of
// them alone and beside a running instance, with the process's exit code.
#include "app/CommandLine.h"
#include "app/Program.h"
#include "tests/native/app/MainWindowFixture.h"

TEST(CommandLineTest, OptionsAreReadWithEitherSignInAnyCase) {
    const std::tuple<const char*, TCommand, int> cases[] = {
        {"", cmStart, 0},
        {"  \t", cmStart, 0},
        {"/optimise", cmOptimise, 0},
        {"-OPTIMISE", cmOptimise, 0},
        {"/Optimise 64", cmOptimise, 64},
        {"  -optimise   999999999 ", cmOptimise, 999999999},
        {"\"/optimise\" \"64\"", cmOptimise, 64},
        {"/?", cmUsage, 0},
        {"-?", cmUsage, 0},
        {"/optimise 0", cmBadOption, 0},
        {"/optimise -5", cmBadOption, 0},
        {"/optimise 6x", cmBadOption, 0},
        {"/optimise 1000000000", cmBadOption, 0},
        {"/optimise 64 1", cmBadOption, 0},
        {"/optimize", cmBadOption, 0},
        {"optimise", cmBadOption, 0},
        {"/? /optimise", cmBadOption, 0},
        {"/x", cmBadOption, 0},
    };
    for (auto [arguments, command, megabytes] : cases) {
        const TCommandLine parsed = ParseCommandLine(arguments);
        EXPECT_EQ(parsed.Command, command) << arguments;
        EXPECT_EQ(parsed.Megabytes, megabytes) << arguments;
    }
}

namespace {
const std::string HistoryFile = "C:\\Users\\Jeanne\\AppData\\Torvane XP\\historique.csv";
const std::string SettingsPath = "HKCU\\Software\\Torvane XP\\settings";
}  // namespace

using CommandTest = MainWindowTest;

TEST_F(CommandTest, ACommandRunsWithoutAWindowAndEndsWithTheRunsExitCode) {
    int instance = 0;
    struct TCase {
        const char* Arguments;
        std::function<void()> Prepare;
        int Exit;
        uint32_t Box;       // the message box's icon, or 0 for none
        std::string Line;   // the history's line after its header, if any
        int PostedLParam;   // the request posted to the instance, or -1
    };
    const TCase cases[] = {
        {"/?", [] {}, 0, MB_ICONINFORMATION_STYLE, "", -1},
        {"-optimise 6x", [] {}, 2, MB_ICONERROR_STYLE, "", -1},
        {"-OPTIMISE 8", [] {}, 0, 0, "2024-03-09;14:05:07;ligne de commande;Manuel;8;32;32;32;60;0;0;0;terminé\r\n", -1},
        {"/optimise",
         [&] {
             StoreInt("Software\\Torvane XP\\settings", "Recover Method", 2);
             StoreInt("Software\\Torvane XP\\settings", "Recover MB", 500);
             Memory.FailCommit(0);
         },
         1, 0, "2024-03-09;14:05:07;ligne de commande;Manuel;64;32;32;32;60;0;0;0;échec\r\n", -1},
        {"/optimise 8",
         [&] {
             Windows.Running = &instance;
             Queue.Post({nullptr, Link.OptimisedMessage(), 1, 0});
         },
         1, 0, "", 8},
        {"/optimise",
         [&] {
             Windows.Running = &instance;
             Link.GoneWindows.insert(&instance);
         },
         1, 0, "", 0},
    };
    for (const TCase& c : cases) {
        Memory = TFakeMemoryApi();
        Memory.Status = {64 * MB, 32 * MB};
        Files = TFakeFileSystem();
        Registry = TFakeRegistry();
        Windows.Running = nullptr;
        Windows.MessageBoxes.clear();
        Windows.Posted.clear();
        Link.GoneWindows.clear();
        Queue.Waiting = [this] { Windows.Clock.Advance(60'000); };
        c.Prepare();
        EXPECT_EQ(RunProgram(c.Arguments, Queue, Windows, System), c.Exit) << c.Arguments;
        ASSERT_EQ(Windows.MessageBoxes.size(), c.Box ? 1u : 0u) << c.Arguments;
        if (c.Box) {
            EXPECT_EQ(Windows.MessageBoxes[0].Text, UsageText);
            EXPECT_EQ(Windows.MessageBoxes[0].Caption, "Torvane XP");
            EXPECT_EQ(Windows.MessageBoxes[0].Flags, c.Box) << c.Arguments;
        }
        const auto file = Files.Files.find(HistoryFile);
        EXPECT_EQ(file == Files.Files.end() ? "" : file->second.substr(file->second.find('\n') + 1), c.Line)
            << c.Arguments;
        ASSERT_EQ(Windows.Posted.size(), c.PostedLParam < 0 ? 0u : 1u) << c.Arguments;
        if (c.PostedLParam >= 0) {
            EXPECT_EQ(Windows.Posted[0].Wnd, &instance);
            EXPECT_EQ(Windows.Posted[0].Msg, Link.OptimiseMessage());
            EXPECT_EQ(Windows.Posted[0].WParam, Link.Thread);
            EXPECT_EQ(Windows.Posted[0].LParam, c.PostedLParam);
        }
        EXPECT_FALSE(Registry.KeyExists(SettingsPath + "\\Recover Property")) << c.Arguments << ": no window was made";
    }
}
