// A canvas that draws nothing and keeps a display list of what it was asked to
// draw, so that tests can check drawing without looking at pixels. It measures
// text with a FixedWidthMeasure of its own unless it is given another measure.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/fixed_width_measure.h"

namespace platform {

struct DrawOp {
  enum class Kind { FillRect, Text, Line, Image };
  Kind kind = Kind::FillRect;
  Rect rect;          // FillRect
  int x = 0, y = 0;   // Text, Image; the start of a Line
  int x2 = 0, y2 = 0; // the end of a Line
  int penWidth = 0;   // Line
  std::string text;   // Text (code page 1252); Image: the picture's name
  FontSpec font;      // Text
  Color color;        // FillRect, Text, Line

  bool operator==(const DrawOp&) const = default;
};

class RecordingCanvas : public Canvas {
public:
  RecordingCanvas() : measure_(&ownMeasure_) {}
  // Measures with `measure`, which must outlive the canvas.
  explicit RecordingCanvas(const TextMeasure& measure) : measure_(&measure) {}
  RecordingCanvas(const RecordingCanvas&) = delete;
  RecordingCanvas& operator=(const RecordingCanvas&) = delete;

  void fillRect(const Rect& rect, Color color) override;
  void drawText(int x, int y, std::string_view text, const FontSpec& font, Color color) override;
  void drawLine(int x1, int y1, int x2, int y2, Color color, int penWidth = 1) override;
  void drawImage(int x, int y, const std::string& name) override;
  const TextMeasure& measure() const override { return *measure_; }

  const std::vector<DrawOp>& ops() const { return ops_; }
  // The texts drawn, in order.
  std::vector<std::string> texts() const;
  // The operations of one kind, in order.
  std::vector<DrawOp> opsOfKind(DrawOp::Kind kind) const;
  void clear() { ops_.clear(); }

private:
  FixedWidthMeasure ownMeasure_;
  const TextMeasure* measure_;
  std::vector<DrawOp> ops_;
};

} // namespace platform
