#include "PageFont.h"

namespace korvado {

namespace {

QFont PageFamily() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace

QFont PagePointFont(double points, bool bold) {
  QFont font = PageFamily();
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QFont PagePixelFont(int pixels) {
  QFont font = PageFamily();
  font.setPixelSize(pixels);
  return font;
}

}  // namespace korvado
