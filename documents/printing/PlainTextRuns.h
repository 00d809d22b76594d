#pragma once
// Short texts of one font laid out glyph by glyph, without shaping: the
// thousands of cells of a long table, where shaping each text made most of a
// statement's PDF time. Only for text whose every character the font holds,
// in a script that needs no shaping (digits, Latin, Cyrillic); kerning is
// left out, as a table's cells need none.

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QString>
#include <optional>

namespace korvado {

class PlainTextRuns {
 public:
  // `font` as painted, in the device's resolution.
  explicit PlainTextRuns(const QFont& font);

  // The width of the text, or nothing when the font lacks a character of it.
  std::optional<double> Width(const QString& text) const;
  // The text with its left end on the baseline at `origin`; nothing as for Width.
  std::optional<QGlyphRun> Run(const QString& text, const QPointF& origin) const;

 private:
  struct Glyph {
    quint32 index = 0;
    double advance = 0.0;
  };
  // Nothing for a character the font does not hold or that needs shaping.
  std::optional<Glyph> GlyphOf(QChar character) const;

  QRawFont raw_;
  mutable QHash<char16_t, std::optional<Glyph>> glyphs_;
};

}  // namespace korvado
