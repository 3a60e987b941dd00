#pragma once

#include "document/UserModelSettings.h"
#include "files/FileImage.h"

// The user model in the settings column, below the fixed settings: the equation in
// USER_MODEL_ROW and one row per parameter after it,
//
//     NAME START FREE|FIXED LOWER UPPER
//
// words separated by one blank, the numbers in the shortest text that reads back as the
// same double, "-" for a bound that is not set. Nothing is written for a document without
// a user model, so such a file is the same as ever.
inline constexpr int USER_MODEL_ROW = 31;

// The longest equation and parameter row a file may hold: far beyond any law a lab types.
inline constexpr std::size_t MOST_USER_MODEL_TEXT = 4000;

void putUserModel(FileImage& image, const UserModelSettings& model);

// The user model the image holds; empty when it holds none. A parameter row that is not
// of the form above, or a text beyond the bound, throws KelvaneError naming it.
UserModelSettings userModelAt(const FileImage& image);
