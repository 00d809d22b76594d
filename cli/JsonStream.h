#pragma once
// A JSON object written member by member, and its arrays element by element,
// printed exactly as the whole tree's dump(2) would print it. Results of
// tens of thousands of rows then never need their whole tree in memory, and
// nothing is copied twice.

#include <cstddef>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "JsonRow.h"

namespace korvado::cli {

// `value` printed with two-space indentation as an element `depth` levels deep.
void WriteNested(std::ostream& out, const nlohmann::ordered_json& value, int depth);

class JsonObjectStream {
 public:
  // Opens the object; `depth` is its own nesting in the document.
  explicit JsonObjectStream(std::ostream& out, int depth = 0);

  void Member(const std::string& key, const nlohmann::ordered_json& value);
  // An array member of `count` elements, each made by element(k) when it is printed.
  template <class Element>
  void ArrayMember(const std::string& key, size_t count, Element element) {
    BeginMember(key);
    if (count == 0) {
      out_ << "[]";
      return;
    }
    out_ << "[\n";
    for (size_t k = 0; k < count; ++k) {
      if (k > 0) out_ << ",\n";
      WriteNested(out_, element(k), depth_ + 2);
    }
    out_ << '\n' << Indent(depth_ + 1) << ']';
  }
  // An array member of `count` flat rows, row k written by writeRow(JsonRow&, k);
  // the text goes out in large pieces rather than value by value.
  template <class WriteRow>
  void RowArrayMember(const std::string& key, size_t count, WriteRow writeRow) {
    BeginMember(key);
    if (count == 0) {
      out_ << "[]";
      return;
    }
    out_ << "[\n";
    std::string text;
    for (size_t k = 0; k < count; ++k) {
      if (k > 0) text += ",\n";
      JsonRow row(text, depth_ + 2);
      writeRow(row, k);
      row.End();
      if (text.size() >= kPieceSize) WritePiece(text);
    }
    WritePiece(text);
    out_ << '\n' << Indent(depth_ + 1) << ']';
  }
  // Closes the object; a document's outermost object ends its line.
  void End();

 private:
  static constexpr size_t kPieceSize = 1 << 16;

  void BeginMember(const std::string& key);
  void WritePiece(std::string& text);
  static std::string Indent(int depth) { return std::string(static_cast<size_t>(2 * depth), ' '); }

  std::ostream& out_;
  int depth_;
  bool empty_ = true;
};

}  // namespace korvado::cli
