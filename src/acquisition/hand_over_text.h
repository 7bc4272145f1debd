// The text clean-up every document gets when it is handed to the engine:
// blank text becomes "The document is empty", runs of five spaces (left by
// some sources as padding) are dropped, and the text is trimmed of white space
// and control characters at both ends. It works on code page 1252 text with CR
// line ends.
#pragma once

#include <string>
#include <string_view>

#include "engine/text_engine.h"

namespace acquisition {

using engine::EmptyDocumentText;

// The hand-over's final shape of a document's text: the empty text for blank
// input; every run of five spaces removed (so five spaces join two words and
// six leave one); trimmed at both ends.
std::string finishDocumentText(std::string text);

// Rule 14 for mail: a '>' right after a CR goes (one pass, so of ">>" one
// stays), then every space-and-'>' right after a CR goes, until none is left.
// The first line keeps its marks, as no CR precedes it.
std::string hideReplyCharacters(std::string_view text);

} // namespace acquisition
