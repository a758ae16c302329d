// The history file on the real system: a manual run of the main window adds
// its line to historique.csv in the application-data folder of Wine's
// prefix, through the real files, and a file at its bound of 1,000 runs is
// replaced without its oldest line.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "app/Umain.h"
#include "app/Win32Program.h"
#include "platform/win32/GdiTextRenderer.h"
#include "tests/fakes/FakeSystemInfoApi.h"
#include "ui/Application.h"

namespace {
std::string ReadAll(const std::string& FileName) {
    std::ifstream file(FileName, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}
}  // namespace

TEST(HistoryOnWindows, AManualRunAddsItsLineInTheApplicationDataFolder) {
    const char* appData = std::getenv("APPDATA");
    ASSERT_NE(appData, nullptr) << "Wine names the application-data folder";
    const std::string folder = std::string(appData) + "\\Torvane XP";
    const std::string fileName = folder + "\\historique.csv";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string runs;
    for (int i = 1; i <= 1000; ++i) runs += "run " + std::to_string(i) + "\r\n";
    std::ofstream(fileName, std::ios::binary) << HistoryHeader << runs;

    InitCommonControls();
    PrepareDrawing();
    TFakeSystemInfoApi systemInfo;  // the information page is not what this test looks at
    TWin32Program real("C:\\Torvane\\TorvaneXP.exe", &systemInfo);
    TCpuSampler sampler(real.Performance, real.Registry);
    {
        TApplication app(real.Queue, real.Windows);
        auto* form = app.CreateForm<TfMainMem>(real.System, sampler);
        form->RadioButton2->SetChecked(true);
        form->TrackBar1->SetPosition(8);
        form->BitBtn1->Click();
        form->exit_appli();  // before the minute is out: the line goes without its later reading
    }
    const std::string text = ReadAll(fileName);
    ASSERT_EQ(text.rfind(std::string(HistoryHeader) + "run 2\r\n", 0), 0u) << "the oldest run went";
    const size_t last = text.rfind("run 1000\r\n");
    ASSERT_NE(last, std::string::npos);
    const std::string line = text.substr(last + 10);
    SYSTEMTIME now;
    GetLocalTime(&now);
    char today[16];
    std::snprintf(today, sizeof today, "%04d-%02d-%02d;", now.wYear, now.wMonth, now.wDay);
    EXPECT_EQ(line.rfind(today, 0), 0u) << line;
    EXPECT_TRUE(std::regex_match(line, std::regex(R"(\S{10};\d\d:\d\d:\d\d;manuel;Manuel;8;\d+;\d+;;;-?\d+;;\d+;termin\xE9\r\n)")))
        << line;
    std::string files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        if (found.cFileName[0] != '.') files += std::string(found.cFileName) + " ";
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    EXPECT_EQ(files, "historique.csv ") << "no temporary file is left";
    DeleteFileA(fileName.c_str());
}
