#pragma once
// The main window's controls, page by page, as data.
#include <span>

#include "ui/Layout.h"

constexpr int MainFormWidth = 360;
constexpr int MainFormHeight = 313;

std::span<const TLayoutRow> MainLayout();
