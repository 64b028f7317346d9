// Code page 932 (Shift-JIS) text: the engine's own representation of every
// text. Lengths and positions are byte counts; searches never start a match
// on the trail byte of a double-byte character.
#pragma once

#include <string>
#include <string_view>

namespace kakikomi {

// True for the first byte of a double-byte character.
inline bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Byte length of the character starting at `pos` (1 or 2; 1 for a lead byte
// at the very end of the text).
int CharLengthAt(std::string_view text, size_t pos);

// First occurrence of `needle` at or after byte `from` that starts on a
// character boundary; -1 when there is none. `from` must itself be a boundary.
// An empty needle is found at `from`.
int Find(std::string_view text, std::string_view needle, int from = 0);
inline bool Contains(std::string_view text, std::string_view needle) {
  return Find(text, needle) >= 0;
}

// Last occurrence starting on a character boundary, or -1.
int ReverseFind(std::string_view text, std::string_view needle);

// Replaces every non-overlapping occurrence, left to right, in one pass.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Lower-cases ASCII and full-width Latin capitals (Ａ-Ｚ); kana, kanji and
// the trail bytes of double-byte characters are left alone.
std::string ToLower(std::string_view text);

// Reverses the order of characters, keeping each double-byte character whole.
std::string Reverse(std::string_view text);

// Byte-position substrings, clamped to the text like MFC's CString did.
std::string Mid(std::string_view text, int pos, int count = -1);
std::string Left(std::string_view text, int count);
std::string Right(std::string_view text, int count);

// UTF-8 <-> CP932. Characters CP932 cannot hold become "?"; invalid input
// bytes become "?" too. Never throws on bad input.
std::string Utf8ToSjis(std::string_view utf8);
std::string SjisToUtf8(std::string_view sjis);

// Shorthand for literals in UTF-8 source (dictionary, messages, tests).
inline std::string Sjis(std::string_view utf8) { return Utf8ToSjis(utf8); }

}  // namespace kakikomi
