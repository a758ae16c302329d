#pragma once
// Starts TorvaneXP.exe (beside this test) and finds its windows from outside.
#include <windows.h>

#include <string>
#include <vector>

class TProgramDriver {
public:
    ~TProgramDriver();
    // Starts one more process of the program with these arguments; false if
    // it could not start.
    bool Start(const std::string& Arguments = "");
    // The main window of the running program, waited for up to TimeoutMs.
    HWND WaitForMainWindow(DWORD TimeoutMs = 15000);
    // Waits for the last process started to end; its exit code or -1 on time-out.
    int WaitForExit(DWORD TimeoutMs = 15000);
    bool Running() const;
    HANDLE Process() const { return FProcess; }

private:
    HANDLE FProcess = nullptr;
};

// The first descendant of Parent with this class (or any, when null) and text.
HWND FindDescendant(HWND Parent, const char* ClassName, const std::string& Text);
// Every descendant of Parent with this class, in the order of the window tree.
std::vector<HWND> FindDescendants(HWND Parent, const char* ClassName);
int CountTopLevelWindows(const char* ClassName);
// The rows of a report-style list view of another process: the caption, the
// first sub-item and the image of each.
struct TListRow {
    std::string Caption;
    std::string SubItem;
    int Image = -1;
};
std::vector<TListRow> ListViewRows(HANDLE Process, HWND List);
// The text of a status bar of another process: its first part, which is
// also where Wine keeps the text of the simple mode.
std::string StatusText(HANDLE Process, HWND StatusBar);
std::string WindowText(HWND Wnd);
std::string ClassNameOf(HWND Wnd);
// A REG_SZ value of the current user, or "" when it does not exist.
std::string ReadUserString(const char* Key, const char* Name);
void DeleteUserKey(const char* Key);
// A REG_DWORD value of the current user, or -999 when there is none of that type.
long ReadUserInt(const char* Key, const char* Name);
void WriteUserInt(const char* Key, const char* Name, DWORD Value);
void WriteUserString(const char* Key, const char* Name, const std::string& Value);
