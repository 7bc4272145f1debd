// A reader view without a screen that still lays out: it places the
// controls of the current mode in the layout state, builds the fonts, tells
// the lines a frame holds and builds the column pages, measuring with the
// text measure it is given. It draws nothing. The headless timeline reports
// what it shows from a subclass; tests record from one.
#pragma once

#include "platform/text_measure.h"
#include "reader/page_model.h"
#include "reader/reader_context.h"
#include "reader/silent_view.h"

namespace reader {

class HeadlessView : public SilentView {
public:
  // The context and the measure must outlive the view.
  HeadlessView(const ReaderContext& context, const platform::TextMeasure& measure);

  void prepareFonts() override;
  void arrangeControls() override;
  void buildBannerFont() override;
  int linesInFrame() const override;
  void useCondensedFont() override;
  bool readColumnFrame() override;
  bool readCurrentFrame() override;
  bool skipColumnPage() override;
  std::int32_t previousPageStart(std::int32_t start) override;
  int columnLetterWidth(char letter) const override;

protected:
  // A page was built from CurrentPosition and is on screen now.
  virtual void pageShown() {}
  const ReaderContext& context() const { return s_; }

private:
  PageInputs pageInputs();
  void updateLinesPerPage();
  bool buildNextPage();

  ReaderContext s_;
  const platform::TextMeasure& measure_;
  EngineColumnLineSource source_;
  mutable platform::FontSpec frameFont_; // the banner font as linesInFrame measures it
};

} // namespace reader
