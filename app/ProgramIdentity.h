#pragma once
// The program's version and the main window's class and title, each written
// only here: the resource script includes this file too (so it holds only
// preprocessor definitions), and other programs find the running instance by
// the class and title.
#define TORVANE_VERSION_MAJOR 3
#define TORVANE_VERSION_MINOR 1
#define TORVANE_VERSION_RELEASE 1

#define TORVANE_TEXT_(X) #X
#define TORVANE_TEXT(X) TORVANE_TEXT_(X)
#define TORVANE_VERSION_TEXT \
    TORVANE_TEXT(TORVANE_VERSION_MAJOR) "." TORVANE_TEXT(TORVANE_VERSION_MINOR) "." TORVANE_TEXT(TORVANE_VERSION_RELEASE)

#define TORVANE_MAIN_CLASS "TfMainMem"
#define TORVANE_MAIN_TITLE "Torvane XP"
