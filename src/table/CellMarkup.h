#pragma once

#include <string>

// Cells may carry a little markup: "<sub>", "<sup>" and "<font face="symbol">", as in the
// reduced chi-square label "<font face="symbol">c<sub>n</sub><sup>2</sup></font>". The
// summary block separates its lines with carriage returns.

// True when the text needs the rich-text path: a tag or a line break.
bool needsRichText(const std::string& text);

// The cell text as UTF-8 HTML for the grid to draw: sub- and superscripts kept, letters
// inside a symbol-font tag turned into the Greek letters that font shows (c is chi, n is
// nu), other font tags dropped, line breaks as <br>, and everything else escaped, so
// unknown tags appear as typed.
std::string cellMarkupToHtml(const std::string& text);
