#pragma once

// The program's title (application title, main-window caption, caption of error messages)
// and the version the about box shows.
inline constexpr const char* APPLICATION_TITLE = "Kelvane";
// The version is the project's, set once in the top CMakeLists.txt.
inline constexpr const char* APPLICATION_VERSION = KELVANE_VERSION;
