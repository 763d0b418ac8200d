#pragma once

#include <string>
#include <string_view>

namespace bunrako {

// Text helpers over in-memory (UTF-8) text. UTF-8 never puts an ASCII byte
// inside a multibyte character, so separators are found safely; CP932 bytes
// must be converted first (a CP932 trail byte can be '\\' or ',').

// The n-th field (1-based) of a text split on the separator; a field wrapped
// in double quotes loses them. "" when there are fewer fields.
std::string ExtractField(std::string_view text, int n, char separator = ',');
// How often sub occurs in text, without overlaps; 0 for an empty sub.
int CountSubstring(std::string_view text, std::string_view sub);
// The folder part of a path: the text before the last '\\' or '/' ("" when
// there is none), and the file-name part after it.
std::string FolderPart(std::string_view path);
std::string FileNamePart(std::string_view path);

// The integer a text starts with, read like atoi: blanks, an optional sign,
// then decimal digits up to the first other character; 0 when there are
// none. A value beyond the range of int stops at its limit.
int LeadingInteger(std::string_view text);

}  // namespace bunrako
