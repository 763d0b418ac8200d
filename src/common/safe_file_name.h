#pragma once

#include <string>
#include <string_view>

namespace bunrako {

// Record texts (classification names, volume titles, subjects) become folder
// and file names. The record keeps its text as typed; only the name on disk
// is made safe: path separators and the characters file systems refuse
// (\ / : * ? " < > | and control characters) become their full-width forms
// (＼ ／ ： ＊ ？ ” ＜ ＞ ｜, controls ＿), trailing dots and spaces become
// full-width, an empty name becomes "＿", "." and ".." become "．" and "．．",
// and the reserved device names (CON, PRN, AUX, NUL, COM1-9, LPT1-9) get "＿"
// appended. The result never leaves the folder it is joined to.
std::string SafeFileName(std::string_view utf8);

}  // namespace bunrako
