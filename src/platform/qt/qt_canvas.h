// The canvas of the running program: draws with a QPainter on a QImage, which
// the widgets then copy to the screen. Text is converted from code page 1252
// and measured for the image; pictures are the embedded ones, loaded by name
// (platform/qt/pictures.h). drawImage throws ResourceError for a picture the
// program does not carry.
#pragma once

#include <QPainter>
#include <memory>

#include "platform/canvas.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_text_measure.h"

class QImage;

namespace platform {

class QtCanvas : public Canvas {
public:
  // Draws on `image` with a painter of its own, ended when the canvas goes.
  // With a cache, each picture is decoded once.
  explicit QtCanvas(QImage& image, PictureCache* pictures = nullptr);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void fillRect(const Rect& rect, Color color) override;
  void drawText(int x, int y, std::string_view text, const FontSpec& font, Color color) override;
  void drawLine(int x1, int y1, int x2, int y2, Color color, int penWidth = 1) override;
  void drawImage(int x, int y, const std::string& name) override;
  const TextMeasure& measure() const override { return measure_; }

private:
  std::unique_ptr<QPainter> painter_;
  PictureCache* pictures_;
  QtTextMeasure measure_;
};

} // namespace platform
