// Draws every picture the program embeds (mode buttons, top-bar buttons, find
// buttons, progress dots, the QuickLaunch button, dialog and welcome pictures)
// and writes them into the resources folder: JPEG pictures as JPG/<name>.jpg,
// bitmaps as BMP/<name>.png (BMP/QL.bmp for the shaped QuickLaunch button,
// whose key colour must survive exactly). Run by hand when a picture changes:
//
//   gen_pictures <resources folder> [contact sheet .png]
//
// All pictures share one look: dark backgrounds, a single warm accent and
// simple geometric icons with DejaVu Sans labels.
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kPanel(0x1c, 0x20, 0x25);
const QColor kRaised(0x2a, 0x30, 0x37);
const QColor kEdge(0x3b, 0x42, 0x4b);
const QColor kAccent(0xf0, 0x9a, 0x38);
const QColor kText(0xe8, 0xea, 0xed);
const QColor kMuted(0x9d, 0xa5, 0xae);
const QColor kDim(0x5f, 0x67, 0x70);
const QColor kKey(255, 0, 193); // the QuickLaunch button's transparent key colour

const char* const kFamily = "DejaVu Sans";

enum class Kind { Jpeg, Png, Bmp };

struct Picture {
  std::string name;
  Kind kind;
  QImage image;
};

QFont font(int pixelSize, bool bold = false, const char* family = kFamily) {
  QFont f(family);
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

QImage canvas(int w, int h, QColor fill) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(fill);
  return img;
}

void antialias(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Text centred in `box`, shrunk a pixel at a time until it fits the width.
void centredText(QPainter& p, const QRectF& box, const QString& text, int pixelSize, QColor color,
                 bool bold = false) {
  QFont f = font(pixelSize, bold);
  while (pixelSize > 6 && QFontMetrics(f).horizontalAdvance(text) > box.width()) {
    f = font(--pixelSize, bold);
  }
  p.setFont(f);
  p.setPen(color);
  p.drawText(box, Qt::AlignCenter, text);
}

QPen pen(QColor c, qreal w) {
  QPen pn(c, w);
  pn.setCapStyle(Qt::RoundCap);
  pn.setJoinStyle(Qt::RoundJoin);
  return pn;
}

// ---- icons, drawn into a unit box so that they scale -------------------------

// Icons are drawn in a 32 x 32 design box mapped onto `box`.
void beginIcon(QPainter& p, const QRectF& box) {
  p.save();
  p.translate(box.topLeft());
  p.scale(box.width() / 32.0, box.height() / 32.0);
}

void textLines(QPainter& p, qreal x, qreal y, qreal w, int lines, qreal gap, QColor c,
               qreal thickness = 2.0) {
  p.setPen(pen(c, thickness));
  for (int i = 0; i < lines; ++i) {
    const qreal lw = (i == lines - 1) ? w * 0.6 : w;
    p.drawLine(QPointF(x, y + i * gap), QPointF(x + lw, y + i * gap));
  }
}

void iconSingle(QPainter& p, const QRectF& box, QColor c) {
  beginIcon(p, box);
  p.setPen(pen(c, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(8, 2, 16, 28), 2, 2);
  textLines(p, 11.5, 8, 9, 5, 4.2, c, 1.8);
  p.restore();
}

void iconDouble(QPainter& p, const QRectF& box, QColor c) {
  beginIcon(p, box);
  p.setPen(pen(c, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(2, 2, 28, 28), 2, 2);
  textLines(p, 5.5, 8, 8.5, 5, 4.2, c, 1.8);
  textLines(p, 18, 8, 8.5, 5, 4.2, c, 1.8);
  p.setPen(pen(c, 1.0));
  p.drawLine(QPointF(16, 6), QPointF(16, 26));
  p.restore();
}

void iconBanner(QPainter& p, const QRectF& box, QColor c) {
  beginIcon(p, box);
  p.setPen(pen(c, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(1, 9, 30, 14), 2, 2);
  p.setPen(pen(c, 2.4));
  p.drawLine(QPointF(5, 16), QPointF(11, 16));
  p.drawLine(QPointF(14, 16), QPointF(19, 16));
  p.drawLine(QPointF(22, 16), QPointF(27, 16));
  p.setPen(pen(c, 1.6));
  p.drawLine(QPointF(9, 28), QPointF(23, 28));
  p.drawLine(QPointF(20, 25.5), QPointF(23, 28));
  p.drawLine(QPointF(20, 30.5), QPointF(23, 28));
  p.restore();
}

void iconSentence(QPainter& p, const QRectF& box, QColor c) {
  beginIcon(p, box);
  p.setPen(pen(c, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(1, 6, 30, 20), 2, 2);
  p.setPen(pen(c, 2.2));
  p.drawLine(QPointF(5, 12.5), QPointF(27, 12.5));
  p.drawLine(QPointF(5, 19.5), QPointF(20, 19.5));
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawEllipse(QPointF(25, 19.5), 1.8, 1.8);
  p.restore();
}

void iconAutoSkim(QPainter& p, const QRectF& box, QColor words, QColor dots) {
  beginIcon(p, box);
  const qreal ys[3] = {7, 16, 25};
  // Each row: word, skipped word (dots), word.
  const qreal layout[3][4] = {{3, 12, 22, 29}, {3, 9, 19, 29}, {3, 13, 23, 27}};
  for (int r = 0; r < 3; ++r) {
    p.setPen(pen(words, 2.4));
    p.drawLine(QPointF(layout[r][0], ys[r]), QPointF(layout[r][1], ys[r]));
    p.drawLine(QPointF(layout[r][2], ys[r]), QPointF(layout[r][3], ys[r]));
    p.setPen(Qt::NoPen);
    p.setBrush(dots);
    const qreal gapStart = layout[r][1] + 3, gapEnd = layout[r][2] - 3;
    for (qreal x = gapStart; x <= gapEnd + 0.01; x += (gapEnd - gapStart) / 2) {
      p.drawEllipse(QPointF(x, ys[r]), 1.2, 1.2);
    }
  }
  p.restore();
}

void iconFullScreen(QPainter& p, const QRectF& box, QColor c) {
  beginIcon(p, box);
  p.setPen(pen(c, 2.2));
  p.setBrush(Qt::NoBrush);
  auto corner = [&](QPointF tip, qreal dx, qreal dy) {
    p.drawLine(tip, tip + QPointF(dx * 8, 0));
    p.drawLine(tip, tip + QPointF(0, dy * 8));
    p.drawLine(tip, tip + QPointF(dx * 7, dy * 7));
  };
  corner(QPointF(4, 4), 1, 1);
  corner(QPointF(28, 4), -1, 1);
  corner(QPointF(4, 28), 1, -1);
  corner(QPointF(28, 28), -1, -1);
  p.restore();
}

void iconGear(QPainter& p, const QRectF& box, QColor c) {
  beginIcon(p, box);
  // Three sliders: the general switches.
  const qreal ys[3] = {7, 16, 25};
  const qreal knobs[3] = {10, 21, 14};
  for (int i = 0; i < 3; ++i) {
    p.setPen(pen(kDim, 2.0));
    p.drawLine(QPointF(3, ys[i]), QPointF(29, ys[i]));
    p.setPen(pen(c, 2.0));
    p.drawLine(QPointF(3, ys[i]), QPointF(knobs[i], ys[i]));
    p.setPen(pen(c, 1.6));
    p.setBrush(kPanel);
    p.drawEllipse(QPointF(knobs[i], ys[i]), 3.2, 3.2);
  }
  p.restore();
}

void iconRules(QPainter& p, const QRectF& box, QColor c) {
  beginIcon(p, box);
  for (int i = 0; i < 3; ++i) {
    const qreal y = 6 + i * 10;
    p.setPen(pen(c, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, y - 3.5, 7, 7), 1.2, 1.2);
    if (i != 1) {
      p.setPen(pen(c, 1.8));
      p.drawLine(QPointF(3.6, y), QPointF(5.2, y + 1.8));
      p.drawLine(QPointF(5.2, y + 1.8), QPointF(8.4, y - 2.2));
    }
    p.setPen(pen(kText, 2.0));
    p.drawLine(QPointF(13, y), QPointF(i == 2 ? 24 : 30, y));
  }
  p.restore();
}

void iconMagnifier(QPainter& p, const QRectF& box, QColor c) {
  beginIcon(p, box);
  p.setPen(pen(c, 3.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(13, 13), 8, 8);
  p.drawLine(QPointF(19, 19), QPointF(28, 28));
  p.restore();
}

// The program's mark: a rounded square with three reading lines, the middle
// one ending in the orange progress dot.
void logoMark(QPainter& p, const QRectF& box) {
  beginIcon(p, box);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawRoundedRect(QRectF(0, 0, 32, 32), 7, 7);
  p.setPen(pen(kPanel, 3.4));
  p.drawLine(QPointF(7, 9.5), QPointF(25, 9.5));
  p.drawLine(QPointF(7, 16), QPointF(17, 16));
  p.drawLine(QPointF(7, 22.5), QPointF(21, 22.5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xff, 0xff, 0xff));
  p.drawEllipse(QPointF(23.5, 16), 3.2, 3.2);
  p.restore();
}

// ---- pictures ------------------------------------------------------------------

using IconFn = std::function<void(QPainter&, const QRectF&, QColor)>;

// A 57 x 57 mode button on the black top bar; the selected form is lifted and
// drawn in the accent colour with a bar under it.
QImage modeButton(const IconFn& icon, const QString& label, bool selected) {
  QImage img = canvas(57, 57, kBlack);
  QPainter p(&img);
  antialias(p);
  if (selected) {
    p.setPen(Qt::NoPen);
    p.setBrush(kRaised);
    p.drawRoundedRect(QRectF(2, 2, 53, 53), 6, 6);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(12, 51, 33, 3), 1.5, 1.5);
  }
  icon(p, QRectF(14.5, 7, 28, 28), selected ? kAccent : kMuted);
  centredText(p, QRectF(2, 36, 53, 13), label, 10, selected ? kText : kMuted, selected);
  return img;
}

QImage topBarButton(const std::function<void(QPainter&)>& drawIcon, const QString& label,
                    const QString& badge, bool badgeOn) {
  QImage img = canvas(61, 57, kBlack);
  QPainter p(&img);
  antialias(p);
  drawIcon(p);
  if (badge.isEmpty()) {
    centredText(p, QRectF(1, 36, 59, 13), label, 10, kMuted);
  } else {
    centredText(p, QRectF(1, 33, 59, 11), label, 9, kMuted);
    const QRectF pill(17, 45, 27, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(badgeOn ? kAccent : kRaised);
    p.drawRoundedRect(pill, 5, 5);
    centredText(p, pill, badge, 8, badgeOn ? kPanel : kMuted, true);
  }
  return img;
}

QImage divider() {
  QImage img = canvas(9, 58, kBlack);
  QPainter p(&img);
  antialias(p);
  QLinearGradient g(0, 8, 0, 50);
  g.setColorAt(0, kBlack);
  g.setColorAt(0.5, kEdge.lighter(130));
  g.setColorAt(1, kBlack);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRect(QRectF(4, 8, 1, 42));
  return img;
}

QImage cancelFull() {
  QImage img = canvas(164, 32, kBlack);
  QPainter p(&img);
  antialias(p);
  p.setPen(pen(kEdge, 1.0));
  p.setBrush(kPanel);
  p.drawRoundedRect(QRectF(0.5, 0.5, 163, 31), 7, 7);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawEllipse(QPointF(17, 16), 9, 9);
  p.setPen(pen(kPanel, 2.2));
  p.drawLine(QPointF(13.5, 12.5), QPointF(20.5, 19.5));
  p.drawLine(QPointF(20.5, 12.5), QPointF(13.5, 19.5));
  centredText(p, QRectF(30, 0, 128, 32), "Exit Full Screen", 13, kText, true);
  return img;
}

// An 18 x 18 find-bar button: a dark tile with a light glyph.
QImage findButton(const std::function<void(QPainter&)>& glyph) {
  QImage img = canvas(18, 18, Qt::transparent);
  QPainter p(&img);
  antialias(p);
  p.setPen(pen(kEdge, 1.0));
  p.setBrush(kPanel);
  p.drawRoundedRect(QRectF(0.5, 0.5, 17, 17), 3.5, 3.5);
  glyph(p);
  return img;
}

QImage borderLogo(int size) {
  QImage img = canvas(size, size, Qt::transparent);
  QPainter p(&img);
  antialias(p);
  logoMark(p, QRectF(0, 0, size, size));
  return img;
}

// The progress dot: orange with a ring that stands out from the background it
// is made for; the hover form ("mo") is brighter with a halo.
QImage dot(QColor ring, bool hover) {
  QImage img = canvas(12, 12, Qt::transparent);
  QPainter p(&img);
  antialias(p);
  const QPointF c(6, 6);
  if (hover) {
    p.setPen(Qt::NoPen);
    QColor halo = kAccent;
    halo.setAlpha(110);
    p.setBrush(halo);
    p.drawEllipse(c, 6, 6);
  }
  p.setPen(pen(ring, 1.2));
  QRadialGradient g(QPointF(4.8, 4.6), 5.5);
  g.setColorAt(0, hover ? QColor(0xff, 0xd0, 0x90) : QColor(0xf8, 0xbc, 0x72));
  g.setColorAt(1, hover ? QColor(0xff, 0x9c, 0x30) : kAccent.darker(108));
  p.setBrush(g);
  p.drawEllipse(c, hover ? 4.6 : 4.4, hover ? 4.6 : 4.4);
  return img;
}

// The floating QuickLaunch button. Its shape comes from the key colour, so
// every pixel is either fully the key or fully opaque: half-covered edge
// pixels are decided by their coverage instead of being blended.
QImage quickLaunchButton() {
  QImage art = canvas(102, 17, Qt::transparent);
  {
    QPainter p(&art);
    antialias(p);
    p.setPen(pen(kAccent, 1.0));
    p.setBrush(kPanel);
    p.drawRoundedRect(QRectF(0.5, 0.5, 101, 16), 8, 8);
    logoMark(p, QRectF(4, 2.5, 12, 12));
    // Fit the caption between the mark and the rounded end.
    int size = 11;
    QFont f = font(size, true, "Liberation Sans");
    const QString caption = "Read in Lumetra";
    while (size > 7 && QFontMetrics(f).horizontalAdvance(caption) > 78) {
      f = font(--size, true, "Liberation Sans");
    }
    p.setFont(f);
    p.setPen(kText);
    p.drawText(QRectF(19, 0, 80, 17), Qt::AlignCenter, caption);
  }
  QImage out(102, 17, QImage::Format_RGB32);
  for (int y = 0; y < 17; ++y) {
    for (int x = 0; x < 102; ++x) {
      const QColor px = QColor::fromRgba(art.pixel(x, y));
      if (px.alpha() < 128) {
        out.setPixelColor(x, y, kKey);
      } else {
        QColor solid = px;
        solid.setAlpha(255);
        out.setPixelColor(x, y, solid);
      }
    }
  }
  return out;
}

QImage arrowKeys() {
  QImage img = canvas(147, 54, kPanel);
  QPainter p(&img);
  antialias(p);
  auto key = [&](QRectF r, bool active, qreal angle) {
    p.setPen(pen(active ? kAccent.darker(130) : kEdge, 1.0));
    p.setBrush(active ? kAccent : kRaised);
    p.drawRoundedRect(r, 3.5, 3.5);
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    QPainterPath tri;
    tri.moveTo(0, -5);
    tri.lineTo(5, 3);
    tri.lineTo(-5, 3);
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(active ? kPanel : kMuted);
    p.drawPath(tri);
    p.restore();
  };
  key(QRectF(30.5, 3.5, 24, 22), true, 0);
  key(QRectF(4.5, 28.5, 24, 22), false, -90);
  key(QRectF(30.5, 28.5, 24, 22), true, 180);
  key(QRectF(56.5, 28.5, 24, 22), false, 90);
  p.setFont(font(11, true));
  p.setPen(kText);
  p.drawText(QRectF(88, 6, 58, 18), Qt::AlignLeft | Qt::AlignVCenter, "Faster");
  p.drawText(QRectF(88, 31, 58, 18), Qt::AlignLeft | Qt::AlignVCenter, "Slower");
  return img;
}

QImage aboutLogo() {
  QImage img = canvas(200, 80, kPanel);
  QPainter p(&img);
  antialias(p);
  logoMark(p, QRectF(12, 16, 48, 48));
  p.setFont(font(25, true));
  p.setPen(kText);
  p.drawText(QRectF(70, 14, 128, 34), Qt::AlignLeft | Qt::AlignVCenter, "Lumetra");
  p.setFont(font(12));
  p.setPen(kMuted);
  p.drawText(QRectF(71, 46, 128, 18), Qt::AlignLeft | Qt::AlignVCenter, "reading aid");
  return img;
}

QImage optionPage(const IconFn& icon, const QString& label) {
  QImage img = canvas(96, 96, kPanel);
  QPainter p(&img);
  antialias(p);
  p.setPen(pen(kEdge, 1.0));
  p.setBrush(kRaised);
  p.drawRoundedRect(QRectF(6.5, 6.5, 83, 83), 10, 10);
  icon(p, QRectF(28, 16, 40, 40), kAccent);
  centredText(p, QRectF(8, 62, 80, 18), label, 13, kText, true);
  return img;
}

// A small stand-in of a page of the reader window in one mode, for the welcome pictures.
void modeCard(QPainter& p, const QRectF& r, const IconFn& icon, const QString& title,
              const QString& line) {
  p.setPen(pen(kEdge, 1.0));
  p.setBrush(kRaised);
  p.drawRoundedRect(r, 8, 8);
  icon(p, QRectF(r.center().x() - 18, r.top() + 12, 36, 36), kAccent);
  centredText(p, QRectF(r.left() + 4, r.top() + 54, r.width() - 8, 18), title, 13, kText, true);
  centredText(p, QRectF(r.left() + 4, r.top() + 72, r.width() - 8, 16), line, 10, kMuted);
}

QImage welcome1() {
  QImage img = canvas(500, 282, kPanel);
  QPainter p(&img);
  antialias(p);
  logoMark(p, QRectF(24, 22, 40, 40));
  p.setFont(font(24, true));
  p.setPen(kText);
  p.drawText(QRectF(76, 18, 400, 30), Qt::AlignLeft | Qt::AlignVCenter, "Welcome to Lumetra");
  p.setFont(font(13));
  p.setPen(kMuted);
  p.drawText(QRectF(77, 46, 410, 20), Qt::AlignLeft | Qt::AlignVCenter,
             "Read faster: your text, a few words at a time.");
  const qreal w = 106, gap = 12, left = (500 - 4 * w - 3 * gap) / 2;
  modeCard(p, QRectF(left, 90, w, 96), iconBanner, "Banner", "words in a strip");
  modeCard(p, QRectF(left + (w + gap), 90, w, 96), iconSentence, "Sentence", "one at a time");
  modeCard(p, QRectF(left + 2 * (w + gap), 90, w, 96), iconSingle, "Single", "one column");
  modeCard(p, QRectF(left + 3 * (w + gap), 90, w, 96), iconDouble, "Double", "two columns");
  p.setFont(font(13));
  p.setPen(kText);
  p.drawText(QRectF(24, 204, 452, 22), Qt::AlignCenter,
             "Choose a mode with the buttons at the top of the reader.");
  p.setPen(kMuted);
  p.setFont(font(12));
  p.drawText(
      QRectF(24, 228, 452, 40), Qt::AlignCenter | Qt::TextWordWrap,
      "Set the pace in words per minute, and let AutoSkim\nleave out the most common words.");
  return img;
}

QImage welcome2() {
  QImage img = canvas(500, 282, kPanel);
  QPainter p(&img);
  antialias(p);
  p.setFont(font(22, true));
  p.setPen(kText);
  p.drawText(QRectF(24, 16, 452, 30), Qt::AlignLeft | Qt::AlignVCenter, "Read from any document");

  // A document window with the QuickLaunch button at its top right.
  const QRectF win(24, 62, 236, 150);
  p.setPen(pen(kEdge, 1.0));
  p.setBrush(QColor(0xf4, 0xf5, 0xf7));
  p.drawRoundedRect(win, 6, 6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3a, 0x41, 0x4a));
  QPainterPath title;
  title.setFillRule(Qt::WindingFill);
  title.addRoundedRect(QRectF(win.left(), win.top(), win.width(), 22), 6, 6);
  title.addRect(QRectF(win.left(), win.top() + 11, win.width(), 11));
  p.drawPath(title.simplified());
  p.setFont(font(10));
  p.setPen(QColor(0xd8, 0xdc, 0xe0));
  p.drawText(QRectF(win.left() + 8, win.top(), 110, 22), Qt::AlignLeft | Qt::AlignVCenter,
             "Notes - Notepad");
  const QImage ql = quickLaunchButton();
  QImage qlShown = ql.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < qlShown.height(); ++y)
    for (int x = 0; x < qlShown.width(); ++x)
      if (QColor(ql.pixel(x, y)) == kKey) qlShown.setPixel(x, y, qRgba(0, 0, 0, 0));
  p.drawImage(QPointF(win.right() - 108, win.top() + 2.5), qlShown);
  textLines(p, win.left() + 16, win.top() + 40, 200, 4, 14, QColor(0xa9, 0xb0, 0xb8), 3.0);
  textLines(p, win.left() + 16, win.top() + 104, 160, 3, 14, QColor(0xa9, 0xb0, 0xb8), 3.0);
  // A ring around the button.
  p.setPen(pen(kAccent, 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(win.right() - 112, win.top() - 2, 112, 26), 12, 12);

  const qreal x = 282;
  auto row = [&](qreal y, const QString& head, const QString& text) {
    p.setFont(font(13, true));
    p.setPen(kAccent);
    p.drawText(QRectF(x, y, 200, 20), Qt::AlignLeft | Qt::AlignVCenter, head);
    p.setFont(font(11));
    p.setPen(kMuted);
    p.drawText(QRectF(x, y + 19, 200, 34), Qt::AlignLeft | Qt::TextWordWrap, text);
  };
  row(62, "Click the button", "shown at the top right of\nNotepad, Word or Outlook,");
  row(118, "or press Ctrl+Space", "to read the document\nthat is in front.");
  row(174, "Open a file", "from the Lumetra icon in\nthe notification area.");
  p.setFont(font(12));
  p.setPen(kText);
  p.drawText(QRectF(24, 232, 452, 40), Qt::AlignCenter,
             "Space pauses and continues.  Up and Down change the speed.");
  return img;
}

// Start and end marks of the progress bars, and the hover highlight over them.
QImage endMark(int w, int h, bool start, bool vertical) {
  QImage img = canvas(w, h, Qt::transparent);
  QPainter p(&img);
  antialias(p);
  p.translate(w / 2.0, h / 2.0);
  if (vertical) p.rotate(90);
  if (start) p.rotate(180);
  // A right-pointing triangle against a bar, drawn for a 8 x 10 box.
  QPainterPath tri;
  tri.moveTo(-3.5, -4);
  tri.lineTo(1.5, 0);
  tri.lineTo(-3.5, 4);
  tri.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xc8, 0xcd, 0xd2));
  p.drawPath(tri);
  p.drawRect(QRectF(2.0, -4.5, 1.8, 9));
  return img;
}

QImage highlight() {
  QImage img = canvas(15, 16, Qt::transparent);
  QPainter p(&img);
  antialias(p);
  QColor fill = kAccent;
  fill.setAlpha(70);
  p.setPen(pen(kAccent, 1.2));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(0.6, 0.6, 13.8, 14.8), 3, 3);
  return img;
}

QImage stateBox(bool checked) {
  QImage img = canvas(16, 16, Qt::transparent);
  QPainter p(&img);
  antialias(p);
  p.setPen(pen(checked ? kAccent.darker(120) : kDim, 1.0));
  p.setBrush(checked ? kAccent : QColor(0xfa, 0xfa, 0xfb));
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2.5, 2.5);
  if (checked) {
    p.setPen(pen(kPanel, 2.0));
    p.drawLine(QPointF(4.5, 8.2), QPointF(7, 10.8));
    p.drawLine(QPointF(7, 10.8), QPointF(11.6, 5.2));
  }
  return img;
}

std::vector<Picture> allPictures() {
  std::vector<Picture> out;
  auto jpg = [&](const char* n, QImage i) { out.push_back({n, Kind::Jpeg, std::move(i)}); };
  auto png = [&](const char* n, QImage i) { out.push_back({n, Kind::Png, std::move(i)}); };

  struct Mode {
    const char* name;
    const char* label;
    IconFn icon;
  };
  const Mode modes[] = {{"column", "Single", iconSingle},
                        {"double", "Double", iconDouble},
                        {"banner", "Banner", iconBanner},
                        {"sentence", "Sentence", iconSentence}};
  for (const Mode& m : modes) {
    jpg(m.name, modeButton(m.icon, m.label, false));
    jpg((std::string(m.name) + "_selected").c_str(), modeButton(m.icon, m.label, true));
  }
  jpg("autoskim_on",
      topBarButton([](QPainter& p) { iconAutoSkim(p, QRectF(16.5, 4, 28, 28), kText, kAccent); },
                   "AutoSkim", "ON", true));
  jpg("autoskim_off",
      topBarButton([](QPainter& p) { iconAutoSkim(p, QRectF(16.5, 4, 28, 28), kMuted, kDim); },
                   "AutoSkim", "OFF", false));
  jpg("full_screen",
      topBarButton([](QPainter& p) { iconFullScreen(p, QRectF(17.5, 7, 26, 26), kMuted); },
                   "Full Screen", "", false));
  jpg("divider", divider());
  jpg("cancelfull", cancelFull());
  jpg("opt_general", optionPage(iconGear, "General"));
  jpg("opt_text_rules", optionPage(iconRules, "Text Rules"));
  jpg("opt_autoskim",
      optionPage([](QPainter& p, const QRectF& r, QColor c) { iconAutoSkim(p, r, kText, c); },
                 "AutoSkim"));
  jpg("welcome1", welcome1());
  jpg("welcome2", welcome2());

  png("findNext", findButton([](QPainter& p) { iconMagnifier(p, QRectF(3, 3, 12, 12), kText); }));
  png("findGo", findButton([](QPainter& p) {
        QPainterPath tri;
        tri.moveTo(6.5, 4.5);
        tri.lineTo(13, 9);
        tri.lineTo(6.5, 13.5);
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawPath(tri);
      }));
  png("findClose", findButton([](QPainter& p) {
        p.setPen(pen(kText, 1.8));
        p.drawLine(QPointF(5.5, 5.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 5.5), QPointF(5.5, 12.5));
      }));
  png("Borderlogo", borderLogo(16));
  png("MAINICON", borderLogo(64));

  struct DotKind {
    const char* name;
    QColor ring;
  };
  const DotKind dots[] = {{"dotonwhite", QColor(0x6b, 0x3c, 0x08)},
                          {"dotonblack", QColor(0xff, 0xe2, 0xbd)},
                          {"dotongrey", QColor(0x4a, 0x2a, 0x06)},
                          {"orangedot", QColor(0xa8, 0x5d, 0x12)}};
  for (const DotKind& d : dots) {
    png(d.name, dot(d.ring, false));
    png((std::string(d.name) + "mo").c_str(), dot(d.ring, true));
  }
  out.push_back({"QL", Kind::Bmp, quickLaunchButton()});
  png("arrowkey", arrowKeys());
  png("lumetra_in_about_box", aboutLogo());

  png("GoToStartB", endMark(8, 10, true, false));
  png("GoToEndB", endMark(8, 10, false, false));
  png("GoToStartC", endMark(10, 8, true, true));
  png("GoToEndC", endMark(10, 8, false, true));
  png("HighLight", highlight());
  png("state_unchecked", stateBox(false));
  png("state_checked", stateBox(true));
  return out;
}

// Writes a JPEG without chroma subsampling: the pictures are small icons with
// thin coloured strokes that 4:2:0 would smear.
bool writeJpeg(const QImage& source, const QString& path, int quality) {
  const QImage img = source.convertToFormat(QImage::Format_RGB888);
  FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
  if (!file) return false;
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = static_cast<JDIMENSION>(img.width());
  info.image_height = static_cast<JDIMENSION>(img.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  for (int c = 0; c < info.num_components; ++c) {
    info.comp_info[c].h_samp_factor = 1;
    info.comp_info[c].v_samp_factor = 1;
  }
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(img.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(file) == 0;
}

// Small pictures are enlarged on the sheet so that their pixels can be judged.
int sheetScale(const QImage& image) {
  if (image.width() <= 20) return 6;
  return image.width() <= 64 ? 3 : 1;
}

// All pictures on one sheet, each on a checkerboard so transparency shows.
QImage contactSheet(const std::vector<Picture>& pictures) {
  const int cellW = 520, pad = 12, label = 16, cols = 3;
  std::vector<int> rowHeights;
  for (size_t i = 0; i < pictures.size(); i += cols) {
    int h = 0;
    for (size_t j = i; j < std::min(pictures.size(), i + cols); ++j) {
      h = std::max(h, pictures[j].image.height() * (sheetScale(pictures[j].image)));
    }
    rowHeights.push_back(h + label + 2 * pad);
  }
  int total = 0;
  for (int h : rowHeights)
    total += h;
  QImage sheet(cols * cellW, total, QImage::Format_RGB32);
  sheet.fill(QColor(0x80, 0x80, 0x80));
  QPainter p(&sheet);
  int y = 0;
  for (size_t i = 0; i < pictures.size(); ++i) {
    const Picture& pic = pictures[i];
    const int col = static_cast<int>(i % cols);
    if (col == 0 && i > 0) y += rowHeights[i / cols - 1];
    const int x = col * cellW + pad;
    p.setPen(Qt::white);
    p.setFont(font(12, true));
    p.drawText(x, y + pad + 11,
               QString("%1  %2 x %3")
                   .arg(pic.name.c_str())
                   .arg(pic.image.width())
                   .arg(pic.image.height()));
    const int scale = sheetScale(pic.image);
    const QRect target(x, y + pad + label, pic.image.width() * scale, pic.image.height() * scale);
    for (int cy = target.top(); cy < target.bottom(); cy += 6)
      for (int cx = target.left(); cx < target.right(); cx += 6)
        p.fillRect(QRect(cx, cy, 6, 6).intersected(target),
                   ((cx + cy) / 6) % 2 ? QColor(0x4c, 0x4c, 0x4c) : QColor(0x6a, 0x6a, 0x6a));
    p.drawImage(target, pic.image);
  }
  return sheet;
}

} // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: gen_pictures <resources folder> [contact sheet .png]\n");
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  if (!root.mkpath("JPG") || !root.mkpath("BMP")) {
    std::fprintf(stderr, "cannot create the picture folders under %s\n", argv[1]);
    return 1;
  }
  const std::vector<Picture> pictures = allPictures();
  int failures = 0;
  for (const Picture& pic : pictures) {
    const QString name = QString::fromStdString(pic.name);
    bool ok = false;
    switch (pic.kind) {
    case Kind::Jpeg:
      ok = writeJpeg(pic.image, root.filePath("JPG/" + name + ".jpg"), 92);
      break;
    case Kind::Png:
      ok = pic.image.convertToFormat(QImage::Format_ARGB32)
               .save(root.filePath("BMP/" + name + ".png"), "PNG");
      break;
    case Kind::Bmp:
      ok = pic.image.convertToFormat(QImage::Format_RGB888)
               .save(root.filePath("BMP/" + name + ".bmp"), "BMP");
      break;
    }
    if (!ok) {
      std::fprintf(stderr, "could not write %s\n", pic.name.c_str());
      ++failures;
    }
  }
  if (argc > 2 && !contactSheet(pictures).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "could not write the contact sheet %s\n", argv[2]);
    ++failures;
  }
  std::printf("%zu pictures written\n", pictures.size());
  return failures == 0 ? 0 : 1;
}
