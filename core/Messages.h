#pragma once
// The window-message and show-command numbers that the portable code uses,
// with the system's values.
#include <cstdint>

constexpr uint32_t WM_CLOSE_MESSAGE = 0x0010;
constexpr uint32_t WM_QUIT_MESSAGE = 0x0012;
constexpr uint32_t WM_QUERYENDSESSION_MESSAGE = 0x0011;
constexpr uint32_t WM_ENDSESSION_MESSAGE = 0x0016;
constexpr uint32_t WM_USER_MESSAGE = 0x0400;

constexpr uint32_t WM_NULL_MESSAGE = 0x0000;
constexpr uint32_t WM_SIZE_MESSAGE = 0x0005;
constexpr uint32_t WM_ACTIVATE_MESSAGE = 0x0006;
constexpr uint32_t WM_SHOWWINDOW_MESSAGE = 0x0018;
constexpr uint32_t WM_SYSCOMMAND_MESSAGE = 0x0112;
constexpr uint32_t WM_MOUSEMOVE_MESSAGE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN_MESSAGE = 0x0201;
constexpr uint32_t WM_LBUTTONUP_MESSAGE = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK_MESSAGE = 0x0203;
constexpr uint32_t WM_RBUTTONDOWN_MESSAGE = 0x0204;
constexpr uint32_t WM_RBUTTONUP_MESSAGE = 0x0205;
constexpr uint32_t WM_MBUTTONDOWN_MESSAGE = 0x0207;
constexpr uint32_t WM_MBUTTONUP_MESSAGE = 0x0208;

constexpr uintptr_t SIZE_MINIMIZED_KIND = 1;
constexpr uintptr_t WA_ACTIVE_KIND = 1;
constexpr uintptr_t WA_CLICKACTIVE_KIND = 2;
// The move command with the caption's hit code: the system's move loop.
constexpr uintptr_t SC_DRAGMOVE_COMMAND = 0xF012;

constexpr int SW_HIDE_COMMAND = 0;
constexpr int SW_SHOWNORMAL_COMMAND = 1;
constexpr int SW_SHOW_COMMAND = 5;
constexpr int SW_RESTORE_COMMAND = 9;

// Virtual-key codes.
constexpr uint16_t VK_TAB_KEY = 0x09;
constexpr uint16_t VK_RETURN_KEY = 0x0D;
constexpr uint16_t VK_ESCAPE_KEY = 0x1B;
constexpr uint16_t VK_SPACE_KEY = 0x20;
constexpr uint16_t VK_LEFT_KEY = 0x25;
constexpr uint16_t VK_UP_KEY = 0x26;
constexpr uint16_t VK_RIGHT_KEY = 0x27;
constexpr uint16_t VK_DOWN_KEY = 0x28;

// Message box flags and answers.
constexpr uint32_t MB_OK_BUTTON = 0x0000;
constexpr uint32_t MB_ICONERROR_STYLE = 0x0010;
constexpr uint32_t MB_ICONINFORMATION_STYLE = 0x0040;
constexpr int IDOK_ANSWER = 1;
