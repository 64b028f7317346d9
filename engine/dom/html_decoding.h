// Turns the bytes of a page file into UTF-8 the way a browser picks the
// encoding: a byte order mark first, then a <meta> charset near the top,
// then detection for pages that declare nothing (old Japanese pages are
// often undeclared Shift_JIS or EUC-JP).
#pragma once

#include <string>
#include <string_view>

namespace kakikomi {

struct DecodedPage {
  std::string utf8;
  // The encoding used, by its iconv name ("UTF-8", "CP932", "EUC-JP-MS", ...).
  std::string encoding;
  // Where the choice came from: "bom", "meta", "detected" or "default".
  std::string source;
};

// The iconv name for an encoding label as pages write it ("Shift_JIS",
// "x-sjis", "euc-jp", "utf-8", ...); empty for a label no decoder knows.
std::string EncodingForLabel(std::string_view label);

// The label of a charset declared by a <meta> element near the start of
// the page (the browser's prescan); empty when there is none.
std::string PrescanMetaCharset(std::string_view bytes);

// Decodes `bytes`. Bytes that are invalid in the chosen encoding become
// U+FFFD; never fails.
DecodedPage DecodeHtmlBytes(std::string_view bytes);

}  // namespace kakikomi
