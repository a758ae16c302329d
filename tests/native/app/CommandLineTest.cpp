// The command line: its options, and what the program does with each alone
// and beside a running instance, with the process's exit code.
#include "app/CommandLine.h"
#include "app/Program.h"
#include "tests/native/app/MainWindowFixture.h"

TEST(CommandLineTest, OptionsAreReadWithEitherSignInAnyCase) {
    const std::tuple<const char*, TCommand, int> cases[] = {
        {"", cmStart, 0},          {" \t", cmStart, 0},         {"/optimise", cmOptimise, 0},
        {"-OPTIMISE", cmOptimise, 0}, {"/Optimise 64", cmOptimise, 64}, {"\"/optimise\" \"64\"", cmOptimise, 64},
        {" -optimise  999999999 ", cmOptimise, 999999999}, {"/?", cmUsage, 0}, {"-?", cmUsage, 0},
        {"/optimise 0", cmBadOption, 0}, {"/optimise -5", cmBadOption, 0}, {"/optimise 6x", cmBadOption, 0},
        {"/optimise 1000000000", cmBadOption, 0}, {"/optimise 64 1", cmBadOption, 0}, {"/optimize", cmBadOption, 0},
        {"optimise", cmBadOption, 0}, {"/? /optimise", cmBadOption, 0},
    };
    for (auto [arguments, command, megabytes] : cases) {
        const TCommandLine parsed = ParseCommandLine(arguments);
        EXPECT_EQ(std::pair(parsed.Command, parsed.Megabytes), std::pair(command, megabytes)) << arguments;
    }
}

using CommandTest = MainWindowTest;

TEST_F(CommandTest, ACommandRunsWithoutAWindowAndEndsWithTheRunsExitCode) {
    int instance = 0;
    struct TCase {
        const char* Arguments;
        std::function<void()> Prepare;
        int Exit;
        uint32_t Box;      // the usage's icon, 0 for no usage
        const char* Line;  // the history's line after its header
        bool Asked;        // the instance was asked for the run
    };
    const TCase cases[] = {
        {"/?", [] {}, 0, MB_ICONINFORMATION_STYLE, "", false},
        {"-optimise 6x", [] {}, 2, MB_ICONERROR_STYLE, "", false},
        {"-OPTIMISE 8", [] {}, 0, 0, "ligne de commande;Manuel;8;32;32;32;60;0;0;0;terminé\r\n", false},
        {"/optimise",
         [&] {
             StoreInt("Software\\Torvane XP\\settings", "Recover Method", 2);
             StoreInt("Software\\Torvane XP\\settings", "Recover MB", 500);
             Memory.FailCommit(0);
         },
         1, 0, "ligne de commande;Manuel;64;32;32;32;60;0;0;0;échec\r\n", false},
        {"/optimise 8", [&] { Queue.Post({nullptr, Link.OptimisedMessage(), 1, 0}); }, 1, 0, "", true},
        {"/optimise 8", [&] { Link.GoneWindows.insert(&instance); }, 1, 0, "", true},
    };
    for (const TCase& c : cases) {
        Memory = TFakeMemoryApi();
        Memory.Status = {64 * MB, 32 * MB};
        Files = TFakeFileSystem();
        Registry = TFakeRegistry();
        Windows.MessageBoxes.clear();
        Windows.Posted.clear();
        Windows.Running = c.Asked ? &instance : nullptr;
        Link.GoneWindows.clear();
        Queue.Waiting = [this] { Windows.Clock.Advance(60'000); };
        c.Prepare();
        EXPECT_EQ(RunProgram(c.Arguments, Queue, Windows, System), c.Exit) << c.Arguments;
        ASSERT_EQ(Windows.MessageBoxes.size(), c.Box ? 1u : 0u) << c.Arguments;
        if (c.Box) {
            EXPECT_EQ(Windows.MessageBoxes[0].Flags, c.Box) << Windows.MessageBoxes[0].Text;
        }
        const std::string history = Files.Files["C:\\Users\\Jeanne\\AppData\\Torvane XP\\historique.csv"];
        EXPECT_EQ(history.empty() ? "" : history.substr(history.find('\n') + 1),
                  *c.Line ? "2024-03-09;14:05:07;" + std::string(c.Line) : "")
            << c.Arguments;
        ASSERT_EQ(Windows.Posted.size(), c.Asked ? 1u : 0u) << c.Arguments;
        if (c.Asked) {
            const auto& posted = Windows.Posted[0];
            EXPECT_EQ(std::tie(posted.Wnd, posted.Msg, posted.WParam, posted.LParam),
                      std::make_tuple(static_cast<void*>(&instance), Link.OptimiseMessage(), uintptr_t{77}, intptr_t{8}));
        }
        EXPECT_FALSE(Registry.KeyExists("HKCU\\Software\\Torvane XP\\settings\\Recover Property")) << "no window";
    }
    EXPECT_FALSE(Queue.RanDry()) << "every wait ended with an answer or a quit, as a real one must";
}
