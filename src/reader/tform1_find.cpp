// The find bar: opening it halts reading, Find Next shows each whole-word
// match after the frame highlighted, Go reads on from the match and Cancel
// returns to the frame where the search began.
#include "engine/text_helpers.h"
#include "reader/tform1.h"

namespace reader {
namespace {

constexpr const char* FindPrompt = "Enter Text";
constexpr const char* MsgSearching = "Searching ...";
constexpr const char* MsgComplete = "Search complete";
constexpr const char* MsgNotFound = "The text searched was not found !";
constexpr const char* MsgWrap = "Click Find Next to search from the start...";

} // namespace

void TForm1::FindText1Click() {
  if (layout_.fullScreen || findBarOpen()) return;
  engine::beginFind(window_.search, settings_);
  window_.findText = FindPrompt;
  window_.searchedText.clear();
  window_.wrapMessageShown = false;
  setStatusPanel(0, "");
  view_.showFindBar(true);
  if (bannerMode()) {
    tmRead->setEnabled(false);
    tmStartFade->setEnabled(false);
    stopTimers();
  }
  view_.hideInfoText();
  if (bannerMode())
    writeCurrentFrame();
  else
    view_.drawPage(FullFadeLevel);
}

void TForm1::tbFindTextChange(const std::string& text) {
  window_.findText = text;
}

void TForm1::pbFindNextClick() {
  if (!findBarOpen()) return;
  tmFindWrap->setEnabled(false);
  if (window_.wrapMessageShown) showOrangeDot();
  window_.wrapMessageShown = false;
  setInfoText(MsgSearching);

  const bool banner = bannerMode();
  // The column modes build the frame of the match as the strip would, within
  // the column's width and as many lines as a frame holds.
  const std::int32_t savedWidth = es_.bannerTextWidth;
  const std::uint8_t savedLines = es_.LinesInFrame;
  if (!banner) {
    es_.bannerTextWidth = es_.columnTextWidth;
    es_.LinesInFrame = engine::MaxFrameLines;
  }
  engine::FrameReader reader;
  if (banner) reader = [this] { readFrame(); };
  const engine::SearchOutcome outcome =
      engine::findNext(engine_, window_.search, window_.findText, reader);
  if (!banner) {
    es_.bannerTextWidth = savedWidth;
    es_.LinesInFrame = savedLines;
  }

  if (!outcome.found) {
    setInfoText(MsgNotFound);
    if (outcome.offerRestart) tmFindWrap->setEnabled(true);
    return;
  }
  window_.searchedText = engine::normaliseSearchText(window_.findText);
  view_.drawFindFrame();
  setInfoText(MsgComplete);
}

void TForm1::findMatchAgain() {
  engine::SearchState& search = window_.search;
  // The next search starts two past LastMatch's mark, at the match itself;
  // a match at the very start is found by a search from the start.
  search.LastMatch = search.LastMatch > 2 ? search.LastMatch - 2 : -1;
  if (search.FindCount > 0) --search.FindCount;
  pbFindNextClick();
}

void TForm1::tmFindWrapTimer() {
  tmFindWrap->setEnabled(false);
  if (!findBarOpen()) return;
  engine::offerSearchRestart(window_.search);
  setInfoText(MsgWrap);
  window_.wrapMessageShown = true;
}

void TForm1::pbGoClick(bool fromButton) {
  if (!findBarOpen()) return;
  tmFindWrap->setEnabled(false);
  view_.showFindBar(false);
  const bool matchShown = window_.search.MatchShown;
  engine::endFind(window_.search, settings_);
  setInfoText("");
  if (bannerMode()) {
    if (es_.CurrentPosition > 1) --es_.CurrentPosition;
    es_.CountWords = true;
    if (fromButton) {
      setFrameTiming(0);
      rs_.readingHalted = false;
      rs_.readerState = ReaderStateKind::Reading;
      tmRead->setEnabled(true);
    }
    return;
  }
  // The page goes on from the frame that showed the match.
  if (matchShown) page_.pageStart = es_.FrameStartPosition;
  readCurrentFrame();
}

void TForm1::pbCloseFindClick() {
  if (!findBarOpen()) return;
  tmFindWrap->setEnabled(false);
  view_.showFindBar(false);
  const engine::SearchState search = window_.search;
  engine::endFind(window_.search, settings_);
  setInfoText("");
  const bool returns = search.MatchShown || search.LastMatch != 0;
  if (returns) {
    es_.CurrentPosition = search.FindStart;
    es_.LineStartPosition = search.FindStart;
  }
  if (bannerMode()) {
    setFrameTiming(0);
    rs_.readingHalted = false;
    rs_.readerState = ReaderStateKind::Reading;
    tmRead->setEnabled(true);
    return;
  }
  if (returns) page_.pageStart = search.FindStart;
  readCurrentFrame();
}

void TForm1::closeFindBar() {
  if (findBarOpen()) pbCloseFindClick();
}

} // namespace reader
