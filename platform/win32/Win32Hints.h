#pragma once
#include <windows.h>

#include <string>

// The tool-tip window of a form: one tool per child window that has a hint.
class THintWindow {
public:
    explicit THintWindow(HWND Owner);
    ~THintWindow();
    THintWindow(const THintWindow&) = delete;
    THintWindow& operator=(const THintWindow&) = delete;

    void SetActive(bool Active);
    void SetColor(COLORREF Background);
    // Gives Tool the text, or removes the tool when Text is empty.
    void SetTool(HWND Tool, const std::string& Text);

private:
    HWND FOwner;
    HWND FWnd;
};
