#include "JsonStream.h"

namespace korvado::cli {

namespace {

// `value` as dump(2) prints it, every line after the first indented further.
void WriteIndented(std::ostream& out, const nlohmann::ordered_json& value, const std::string& indent) {
  const std::string text = value.dump(2);
  size_t from = 0;
  for (size_t at = text.find('\n'); at != std::string::npos; from = at + 1, at = text.find('\n', from)) {
    out.write(text.data() + from, static_cast<std::streamsize>(at + 1 - from));
    out << indent;
  }
  out.write(text.data() + from, static_cast<std::streamsize>(text.size() - from));
}

}  // namespace

void WriteNested(std::ostream& out, const nlohmann::ordered_json& value, int depth) {
  const std::string indent(static_cast<size_t>(2 * depth), ' ');
  out << indent;
  WriteIndented(out, value, indent);
}

JsonObjectStream::JsonObjectStream(std::ostream& out, int depth) : out_(out), depth_(depth) { out_ << '{'; }

void JsonObjectStream::BeginMember(const std::string& key) {
  out_ << (empty_ ? "\n" : ",\n") << Indent(depth_ + 1) << nlohmann::ordered_json(key).dump() << ": ";
  empty_ = false;
}

void JsonObjectStream::Member(const std::string& key, const nlohmann::ordered_json& value) {
  BeginMember(key);
  WriteIndented(out_, value, Indent(depth_ + 1));
}

void JsonObjectStream::WritePiece(std::string& text) {
  out_.write(text.data(), static_cast<std::streamsize>(text.size()));
  text.clear();
}

void JsonObjectStream::End() {
  out_ << (empty_ ? "}" : "\n" + Indent(depth_) + "}");
  if (depth_ == 0) out_ << '\n';
}

}  // namespace korvado::cli
