#pragma once

#include <QIcon>

// A tool-bar icon: the desktop theme's icon of that freedesktop name where the theme has
// one, else the program's own drawing of the same name.
QIcon themedIcon(const char* name);

// The program icon (window, about box).
QIcon programIcon();
