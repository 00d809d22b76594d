#include "ReportXlsx.h"

#include <xlsxwriter.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <stdlib.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>

#include "FileReplace.h"
#include "ModelErrors.h"
#include "NumberText.h"
#include "Utf8Path.h"
#include "Utf8Text.h"

namespace korvado {

namespace {

// Wide enough for a name and a number, narrow enough that a loop's list of
// points wraps instead of running off the screen.
constexpr double kMinimumWidth = 6.0;
constexpr double kMaximumWidth = 60.0;
// A spreadsheet cell holds at most this many characters.
constexpr size_t kCellCharacters = 32767;

// A number shown with the document's separator, and how many decimals it shows.
struct ShownNumber {
  double value;
  uint8_t decimals;
};

std::optional<ShownNumber> NumberIn(const std::string& text) {
  if (text.empty()) return std::nullopt;
  try {
    return ShownNumber{ParseDouble(text), CountDecimals(text)};
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

// A removed-on-exit file in the temporary folder for libxlsxwriter to write,
// which takes only a narrow file name, opened in the system's own encoding.
class TemporaryFile {
 public:
  TemporaryFile() {
#ifdef _WIN32
    wchar_t folder[MAX_PATH + 1];
    wchar_t name[MAX_PATH + 1];
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH || ::GetTempFileNameW(folder, L"kvx", 0, name) == 0) Fail();
    path_ = name;
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "korvado-xlsx-XXXXXX").string();
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) Fail();
    close(descriptor);
    path_ = pattern;
#endif
  }
  ~TemporaryFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  // The name as libxlsxwriter opens it, and as the program's own file functions take it.
  std::string NarrowName() const { return path_.string(); }
  std::string Utf8Name() const { return Utf8FromPath(path_); }

 private:
  [[noreturn]] static void Fail() {
    std::error_code ignored;
    throw FileIOError("Не удалось создать временный файл для книги Excel в «" +
                      Utf8FromPath(std::filesystem::temp_directory_path(ignored)) + "»");
  }

  std::filesystem::path path_;
};

class XlsxBuilder {
 public:
  explicit XlsxBuilder(const std::string& path) {
    lxw_workbook_options options{};
    workbook_ = workbook_new_opt(path.c_str(), &options);
    if (!workbook_) throw FileIOError("Не удалось создать книгу Excel «" + path + "»");
    header_ = workbook_add_format(workbook_);
    format_set_bold(header_);
    format_set_bg_color(header_, 0xE8E8E8);
    format_set_border(header_, LXW_BORDER_THIN);
    format_set_text_wrap(header_);
    format_set_align(header_, LXW_ALIGN_VERTICAL_TOP);
    stamp_ = workbook_add_format(workbook_);
    format_set_bold(stamp_);
    format_set_font_color(stamp_, LXW_COLOR_RED);
    format_set_font_size(stamp_, 14);
    note_ = workbook_add_format(workbook_);
    format_set_italic(note_);
  }
  ~XlsxBuilder() {
    if (workbook_) workbook_close(workbook_);
  }
  XlsxBuilder(const XlsxBuilder&) = delete;
  XlsxBuilder& operator=(const XlsxBuilder&) = delete;

  void AddSheet(const WorkbookSheet& sheet, const std::string& stamp) {
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook_, Utf8Left(sheet.name, 31).c_str());
    lxw_row_t row = 0;
    if (!stamp.empty()) {
      worksheet_write_string(worksheet, row++, 0, stamp.c_str(), stamp_);
      worksheet_set_header(worksheet, ("&C&\"-,Bold\"" + stamp).c_str());
    }
    const ReportTable& table = sheet.table;
    std::vector<size_t> widths(table.columns.size(), 0);
    for (size_t c = 0; c < table.columns.size(); ++c) {
      worksheet_write_string(worksheet, row, static_cast<lxw_col_t>(c), table.columns[c].title.c_str(), header_);
      widths[c] = Utf8CharCount(table.columns[c].title);
    }
    worksheet_freeze_panes(worksheet, row + 1, 0);
    ++row;
    for (size_t r = 0; r < table.rows.size(); ++r, ++row) {
      const bool strong = table.IsStrong(r);
      const std::vector<std::string>& cells = table.rows[r];
      for (size_t c = 0; c < cells.size() && c < table.columns.size(); ++c) {
        WriteCell(worksheet, row, static_cast<lxw_col_t>(c), cells[c], table.columns[c].numeric, strong);
        widths[c] = std::max(widths[c], Utf8CharCount(cells[c]));
      }
    }
    for (size_t c = 0; c < widths.size(); ++c)
      worksheet_set_column(worksheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                           std::clamp(static_cast<double>(widths[c]) + 2.0, kMinimumWidth, kMaximumWidth),
                           table.columns[c].wrap ? Wrapping() : nullptr);
    ++row;
    for (const std::string& note : sheet.notes) worksheet_write_string(worksheet, row++, 0, note.c_str(), note_);
  }

  // Writes the file; FileIOError with libxlsxwriter's reason when it cannot.
  void Close(const std::string& path) {
    const lxw_error error = workbook_close(workbook_);
    workbook_ = nullptr;
    if (error != LXW_NO_ERROR)
      throw FileIOError("Не удалось записать книгу Excel «" + path + "»: " + lxw_strerror(error));
  }

 private:
  void WriteCell(lxw_worksheet* worksheet, lxw_row_t row, lxw_col_t column, const std::string& text, bool numeric,
                 bool strong) {
    if (text.empty()) return;
    const std::optional<ShownNumber> number = numeric ? NumberIn(text) : std::nullopt;
    if (number)
      worksheet_write_number(worksheet, row, column, number->value, NumberFormat(number->decimals, strong));
    else
      worksheet_write_string(worksheet, row, column, Utf8Left(text, kCellCharacters).c_str(),
                             strong ? TextFormat() : nullptr);
  }

  lxw_format* NumberFormat(uint8_t decimals, bool strong) {
    lxw_format*& format = numberFormats_[{decimals, strong}];
    if (!format) {
      format = workbook_add_format(workbook_);
      format_set_num_format(format, decimals == 0 ? "0" : ("0." + std::string(decimals, '0')).c_str());
      if (strong) format_set_bold(format);
    }
    return format;
  }

  lxw_format* TextFormat() {
    if (!strongText_) {
      strongText_ = workbook_add_format(workbook_);
      format_set_bold(strongText_);
    }
    return strongText_;
  }

  lxw_format* Wrapping() {
    if (!wrapping_) {
      wrapping_ = workbook_add_format(workbook_);
      format_set_text_wrap(wrapping_);
      format_set_align(wrapping_, LXW_ALIGN_VERTICAL_TOP);
    }
    return wrapping_;
  }

  lxw_workbook* workbook_ = nullptr;
  lxw_format* header_ = nullptr;
  lxw_format* stamp_ = nullptr;
  lxw_format* note_ = nullptr;
  lxw_format* strongText_ = nullptr;
  lxw_format* wrapping_ = nullptr;
  std::map<std::pair<uint8_t, bool>, lxw_format*> numberFormats_;
};

}  // namespace

std::string ReportXlsx(const ReportWorkbook& workbook) {
  const TemporaryFile file;
  {
    XlsxBuilder builder(file.NarrowName());
    for (const WorkbookSheet& sheet : workbook.sheets) builder.AddSheet(sheet, workbook.stamp);
    builder.Close(file.Utf8Name());
  }
  return std::string(ReadFileContents(file.Utf8Name()).View());
}

void SaveReportXlsx(const ReportWorkbook& workbook, const std::string& path) {
  ReplaceFileContents(path, ReportXlsx(workbook));
}

}  // namespace korvado
