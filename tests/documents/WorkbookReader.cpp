#include "WorkbookReader.h"

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "Utf8Path.h"

namespace korvado {

namespace {

uint32_t Little(const std::string& bytes, size_t at, int width) {
  if (at + width > bytes.size()) throw std::runtime_error("zip: truncated");
  uint32_t value = 0;
  for (int k = width - 1; k >= 0; --k) value = value << 8 | static_cast<unsigned char>(bytes[at + k]);
  return value;
}

std::string Inflate(const std::string& packed, size_t size) {
  std::string out(size, '\0');
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) throw std::runtime_error("zip: inflate");
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  stream.avail_in = static_cast<uInt>(packed.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int status = inflate(&stream, Z_FINISH);
  inflateEnd(&stream);
  if (status != Z_STREAM_END || stream.total_out != size) throw std::runtime_error("zip: bad deflate data");
  return out;
}

std::string Unescape(std::string text) {
  static const std::pair<const char*, const char*> kEntities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, plain] : kEntities)
    for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
      text.replace(at, std::string(entity).size(), plain);
  return text;
}

// The attribute's value inside one start tag, empty when absent.
std::string Attribute(const std::string& tag, const std::string& name) {
  const std::string key = " " + name + "=\"";
  const size_t at = tag.find(key);
  if (at == std::string::npos) return {};
  const size_t start = at + key.size();
  return Unescape(tag.substr(start, tag.find('"', start) - start));
}

// Each element `name` of xml: its start tag and its content (empty for <x/>).
std::vector<std::pair<std::string, std::string>> Elements(const std::string& xml, const std::string& name) {
  std::vector<std::pair<std::string, std::string>> found;
  const std::string open = "<" + name, close = "</" + name + ">";
  for (size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1)) {
    const char next = xml[at + open.size()];
    if (next != ' ' && next != '>' && next != '/') continue;
    const size_t tagEnd = xml.find('>', at);
    const std::string tag = xml.substr(at, tagEnd - at + 1);
    std::string content;
    if (xml[tagEnd - 1] != '/') {
      const size_t end = xml.find(close, tagEnd);
      content = xml.substr(tagEnd + 1, end - tagEnd - 1);
    }
    found.emplace_back(tag, content);
  }
  return found;
}

// The text of every <t> in content, joined (a rich string has several).
std::string TextOf(const std::string& content) {
  std::string text;
  for (const auto& [tag, inner] : Elements(content, "t")) text += Unescape(inner);
  return text;
}

struct CellStyle {
  std::string format;
  bool bold = false;
};

std::vector<CellStyle> CellStyles(const std::string& styles) {
  std::map<std::string, std::string> formats = {{"0", "General"}, {"1", "0"}, {"2", "0.00"}};
  for (const auto& [tag, inner] : Elements(styles, "numFmt"))
    formats[Attribute(tag, "numFmtId")] = Attribute(tag, "formatCode");
  std::vector<bool> boldFonts;
  for (const auto& [tag, inner] : Elements(styles.substr(styles.find("<fonts")), "font"))
    boldFonts.push_back(inner.find("<b/>") != std::string::npos);
  std::vector<CellStyle> cellStyles;
  const size_t xfs = styles.find("<cellXfs");
  for (const auto& [tag, inner] : Elements(styles.substr(xfs, styles.find("</cellXfs>") - xfs), "xf")) {
    const size_t font = static_cast<size_t>(std::stoi("0" + Attribute(tag, "fontId")));
    cellStyles.push_back({formats[Attribute(tag, "numFmtId").empty() ? "0" : Attribute(tag, "numFmtId")],
                          font < boldFonts.size() && boldFonts[font]});
  }
  return cellStyles;
}

}  // namespace

const WorkbookCell* WorkbookSheetContents::At(const std::string& reference) const {
  const auto found = cells.find(reference);
  return found == cells.end() ? nullptr : &found->second;
}

std::map<std::string, std::string> ReadZipParts(const std::string& path) {
  std::ifstream file(PathFromUtf8(path), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const size_t end = bytes.rfind(std::string("PK\x05\x06", 4));
  if (end == std::string::npos) throw std::runtime_error("zip: no central directory in " + path);
  const uint32_t entries = Little(bytes, end + 10, 2);
  size_t at = Little(bytes, end + 16, 4);
  std::map<std::string, std::string> parts;
  for (uint32_t k = 0; k < entries; ++k) {
    if (Little(bytes, at, 4) != 0x02014b50) throw std::runtime_error("zip: bad central directory");
    const uint32_t method = Little(bytes, at + 10, 2);
    const uint32_t packedSize = Little(bytes, at + 20, 4), size = Little(bytes, at + 24, 4);
    const uint32_t nameLength = Little(bytes, at + 28, 2), extra = Little(bytes, at + 30, 2),
                   comment = Little(bytes, at + 32, 2);
    const uint32_t local = Little(bytes, at + 42, 4);
    const std::string name = bytes.substr(at + 46, nameLength);
    const size_t data = local + 30 + Little(bytes, local + 26, 2) + Little(bytes, local + 28, 2);
    const std::string packed = bytes.substr(data, packedSize);
    parts[name] = method == 0 ? packed : Inflate(packed, size);
    at += 46 + nameLength + extra + comment;
  }
  return parts;
}

std::vector<WorkbookSheetContents> ReadWorkbook(const std::string& path) {
  std::map<std::string, std::string> parts = ReadZipParts(path);
  std::vector<std::string> shared;
  for (const auto& [tag, inner] : Elements(parts["xl/sharedStrings.xml"], "si")) shared.push_back(TextOf(inner));
  const std::vector<CellStyle> styles = CellStyles(parts["xl/styles.xml"]);
  std::vector<WorkbookSheetContents> sheets;
  for (const auto& [tag, inner] : Elements(parts["xl/workbook.xml"], "sheet")) {
    WorkbookSheetContents sheet;
    sheet.name = Attribute(tag, "name");
    sheet.xml = parts["xl/worksheets/sheet" + std::to_string(sheets.size() + 1) + ".xml"];
    for (const auto& [cellTag, content] : Elements(sheet.xml, "c")) {
      WorkbookCell cell;
      const std::string type = Attribute(cellTag, "t");
      const std::string value = Elements(content, "v").empty() ? "" : Elements(content, "v")[0].second;
      if (type == "s")
        cell.value = shared.at(static_cast<size_t>(std::stoi(value)));
      else if (type == "inlineStr" || type == "str")
        cell.value = type == "str" ? Unescape(value) : TextOf(content);
      else
        cell.value = value, cell.number = !value.empty();
      const std::string style = Attribute(cellTag, "s");
      const size_t index = style.empty() ? 0 : static_cast<size_t>(std::stoi(style));
      if (index < styles.size()) cell.format = styles[index].format, cell.bold = styles[index].bold;
      sheet.cells[Attribute(cellTag, "r")] = cell;
    }
    sheets.push_back(std::move(sheet));
  }
  return sheets;
}

}  // namespace korvado
