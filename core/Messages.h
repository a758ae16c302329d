#pragma once
// The window-message and show-command numbers that the portable code uses,
// with the system's values.
#include <cstdint>

constexpr uint32_t WM_QUIT_MESSAGE = 0x0012;
constexpr uint32_t WM_QUERYENDSESSION_MESSAGE = 0x0011;
constexpr uint32_t WM_ENDSESSION_MESSAGE = 0x0016;
constexpr uint32_t WM_USER_MESSAGE = 0x0400;

constexpr int SW_RESTORE_COMMAND = 9;

// Message box flags and answers.
constexpr uint32_t MB_OK_BUTTON = 0x0000;
constexpr uint32_t MB_ICONERROR_STYLE = 0x0010;
constexpr uint32_t MB_ICONINFORMATION_STYLE = 0x0040;
constexpr int IDOK_ANSWER = 1;
