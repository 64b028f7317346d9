// Label text operations shared by the text and choice fillers: where a word
// stands in a label, whether it is followed by a particle, and phrases that
// name something other than the user (a company's, a site's, a pet's name).
// All positions and lengths are CP932 bytes.
#pragma once

#include <string>

#include "engine/core/cdata.h"
#include "engine/core/page_element_table.h"

namespace kakikomi {

// Deletes everything up to and including the first occurrence of `word`.
std::string CutThrough(std::string text, const std::string& word);

// The piece after the last separator (the whole text without one), with no
// separator left in it.
std::string LastSegment(std::string text);

// The piece before the first separator (the whole text without one).
std::string FirstSegment(std::string text);

// A name attribute made into a label: a "value=" attribute and what follows
// it up to the next "=" is dropped, then the text is lower-cased.
std::string AttributeText(std::string text);

// Whether `word` lies within the first, or the last, len(word) + 4 bytes.
bool StartsNear(const std::string& text, const std::string& word);
bool EndsNear(const std::string& text, const std::string& word);

// Whether text holds an owner word (NotPersonNameWords) followed by `suffix`.
bool MentionsOwner(const std::string& text, const std::string& suffix, const CData& data);

// Whether text holds `word` directly followed by a particle, or by a
// mail-magazine word.
bool FollowedByParticle(const std::string& text, const std::string& word, const CData& data);
bool FollowedByMagazine(const std::string& text, const std::string& word, const CData& data);

// Drops a leading owner phrase (owner word + suffix, or owner word + suffix +
// name word). A label left shorter than 7 bytes breaks the item chain.
std::string DropOwnerPrefix(std::string text, const std::string& suffix, const CData& data,
                            PageElementTable& table);
std::string DropOwnerNamePhrase(std::string text, const std::string& suffix, const CData& data,
                                PageElementTable& table);

// False for the tag of a quiz or keyword answer box.
bool NotQuizTag(const std::string& tag);

}  // namespace kakikomi
