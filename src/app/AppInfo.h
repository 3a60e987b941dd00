#pragma once

// The program's title (application title, main-window caption, caption of error messages)
// and the version the about box shows.
inline constexpr const char* APPLICATION_TITLE = "Kelvane";
inline constexpr const char* APPLICATION_VERSION = "2.4";
