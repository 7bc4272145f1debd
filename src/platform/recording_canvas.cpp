#include "platform/recording_canvas.h"

namespace platform {

void RecordingCanvas::fillRect(const Rect& rect, Color color) {
  DrawOp op;
  op.kind = DrawOp::Kind::FillRect;
  op.rect = rect;
  op.color = color;
  ops_.push_back(std::move(op));
}

void RecordingCanvas::drawText(int x, int y, std::string_view text, const FontSpec& font,
                               Color color) {
  DrawOp op;
  op.kind = DrawOp::Kind::Text;
  op.x = x;
  op.y = y;
  op.text = std::string(text);
  op.font = font;
  op.color = color;
  ops_.push_back(std::move(op));
}

void RecordingCanvas::drawLine(int x1, int y1, int x2, int y2, Color color, int penWidth) {
  DrawOp op;
  op.kind = DrawOp::Kind::Line;
  op.x = x1;
  op.y = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.color = color;
  op.penWidth = penWidth;
  ops_.push_back(std::move(op));
}

void RecordingCanvas::drawImage(int x, int y, const std::string& name) {
  DrawOp op;
  op.kind = DrawOp::Kind::Image;
  op.x = x;
  op.y = y;
  op.text = name;
  ops_.push_back(std::move(op));
}

std::vector<std::string> RecordingCanvas::texts() const {
  std::vector<std::string> result;
  for (const DrawOp& op : ops_)
    if (op.kind == DrawOp::Kind::Text) result.push_back(op.text);
  return result;
}

std::vector<DrawOp> RecordingCanvas::opsOfKind(DrawOp::Kind kind) const {
  std::vector<DrawOp> result;
  for (const DrawOp& op : ops_)
    if (op.kind == kind) result.push_back(op);
  return result;
}

} // namespace platform
