#include "tray/TrayIcon.h"

void TTrayIcon::SetHint(const std::string& Value) { FHint = Value.substr(0, 255); }
