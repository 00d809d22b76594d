#include "PlainTextRuns.h"

#include <QList>
#include <QPointF>

namespace korvado {

namespace {

// Characters whose glyph stands alone: no joining, no combining marks.
bool NeedsNoShaping(QChar character) {
  if (character.isSurrogate() || character.isMark()) return false;
  const QChar::Script script = character.script();
  return script == QChar::Script_Common || script == QChar::Script_Latin || script == QChar::Script_Cyrillic;
}

}  // namespace

PlainTextRuns::PlainTextRuns(const QFont& font) : raw_(QRawFont::fromFont(font)) {}

std::optional<PlainTextRuns::Glyph> PlainTextRuns::GlyphOf(QChar character) const {
  const auto cached = glyphs_.constFind(character.unicode());
  if (cached != glyphs_.constEnd()) return *cached;
  std::optional<Glyph> glyph;
  if (raw_.isValid() && NeedsNoShaping(character)) {
    const QList<quint32> indexes = raw_.glyphIndexesForString(QString(character));
    if (indexes.size() == 1 && indexes[0] != 0)
      glyph = Glyph{indexes[0], raw_.advancesForGlyphIndexes(indexes).value(0).x()};
  }
  glyphs_.insert(character.unicode(), glyph);
  return glyph;
}

std::optional<double> PlainTextRuns::Width(const QString& text) const {
  double width = 0.0;
  for (const QChar character : text) {
    const std::optional<Glyph> glyph = GlyphOf(character);
    if (!glyph) return std::nullopt;
    width += glyph->advance;
  }
  return width;
}

std::optional<QGlyphRun> PlainTextRuns::Run(const QString& text, const QPointF& origin) const {
  QList<quint32> indexes;
  QList<QPointF> positions;
  indexes.reserve(text.size());
  positions.reserve(text.size());
  double x = origin.x();
  for (const QChar character : text) {
    const std::optional<Glyph> glyph = GlyphOf(character);
    if (!glyph) return std::nullopt;
    indexes.push_back(glyph->index);
    positions.push_back(QPointF(x, origin.y()));
    x += glyph->advance;
  }
  QGlyphRun run;
  run.setRawFont(raw_);
  run.setGlyphIndexes(indexes);
  run.setPositions(positions);
  return run;
}

}  // namespace korvado
