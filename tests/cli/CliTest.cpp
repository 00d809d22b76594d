#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QGlyphRun>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "CliCommands.h"
#include "DataFile.h"
#include "HeightCatalogue.h"
#include "NumberText.h"
#include "OffscreenGui.h"
#include "PageFont.h"
#include "PlainTextRuns.h"
#include "ReportPages.h"
#include "TempFolder.h"
#include "Utf8Path.h"

namespace korvado::cli {
namespace {

namespace fs = std::filesystem;

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

class KorvadoCli : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("korvado-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::remove_all(folder_);
    SetNumberSeparators('.', ",");
  }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  CliResult Run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
  }

  // Fixed A 100 and B 110 joined through nodal K: A->K h 4.000 n 2, K->B h 6.100 n 2.
  std::string WriteAdjustmentNet() {
    TKorData journal;
    EXPECT_TRUE(journal.AddRecord("A", "K", 2, ""));
    EXPECT_TRUE(journal.AddRecord("K", "B", 2, ""));
    TNetList nets;
    TKorNet& net = nets.NetAt(*nets.AddNet("Сеть"));
    EXPECT_TRUE(net.AddSection("A", "K", 0, 1, 4.0, 2.0, 1));
    EXPECT_TRUE(net.AddSection("K", "B", 1, 0, 6.1, 2.0, 2));
    EXPECT_TRUE(net.SectionTables.TableAt(1).AddPendentRun(2, "K", "P", 1, 0.5, 2));
    const std::string path = Path("net.kor");
    WriteDataFile(path, journal, nets);
    return path;
  }

  // The same net adjusted by the command line, with A and B fixed at 100 and 110.
  std::string WriteAdjustedNet() {
    const std::string adjusted = Path("adjusted.kor");
    const CliResult result = Run({"adjust", WriteAdjustmentNet(), "--net", "0", "--rebuild-points", "--fixed", "A=100",
                                  "--fixed", "B=110", "--save", adjusted});
    EXPECT_EQ(result.status, 0) << result.err;
    return adjusted;
  }

  std::string WriteDamagedFile() {
    const std::string good = WriteAdjustmentNet();
    std::ifstream in(good, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const std::string path = Path("damaged.kor");
    std::ofstream(path, std::ios::binary) << bytes.substr(0, bytes.size() - 7);
    return path;
  }

  fs::path folder_;
};

TEST_F(KorvadoCli, DumpGivesEveryKeyAndUtf8Names) {
  const CliResult result = Run({"dump", WriteAdjustmentNet()});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto json = nlohmann::json::parse(result.out);
  EXPECT_EQ(json["techMode"], false);
  ASSERT_EQ(json["records"].size(), 2u);
  EXPECT_EQ(json["records"][1]["back"], "K");
  EXPECT_EQ(json["records"][1]["firstSetup"], 2);
  EXPECT_EQ(json["setups"].size(), 4u);
  EXPECT_EQ(json["setups"][1]["fore"], "K");
  for (const char* key : {"backMain", "foreMain", "backAux", "foreAux", "height", "note"})
    EXPECT_TRUE(json["setups"][0].contains(key)) << key;
  const auto& net = json["nets"][0];
  EXPECT_EQ(net["name"], "Сеть");
  EXPECT_EQ(net["sections"][1]["runs"][0]["refs"], nlohmann::json::array({2}));
  EXPECT_EQ(net["sections"][1]["height"], 6.1);  // the double itself, not a rounded text
  EXPECT_EQ(net["sections"][1]["pendents"][0]["fore"], "P");
  EXPECT_TRUE(net["points"].is_array());
}

TEST_F(KorvadoCli, CheckAndResaveKeepGoodFilesAndRefuseDamagedOnes) {
  const std::string good = WriteAdjustmentNet();
  EXPECT_EQ(Run({"check", good}).out, "ok\n");

  const std::string copy = Path("copy.kor");
  ASSERT_EQ(Run({"resave", good, copy}).status, 0);
  {  // closed again before the file is rewritten: Windows replaces no file that is open
    std::ifstream a(good, std::ios::binary), b(copy, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(a)), {}),
              std::string((std::istreambuf_iterator<char>(b)), {}));
  }

  const std::string damaged = WriteDamagedFile();
  for (const auto& args : std::vector<std::vector<std::string>>{{"check", damaged},
                                                                {"dump", damaged},
                                                                {"resave", damaged, Path("out.kor")},
                                                                {"adjust", damaged, "--net", "0"},
                                                                {"report", damaged, "--net", "0"}}) {
    const CliResult result = Run(args);
    EXPECT_EQ(result.status, 2) << args[0];
    EXPECT_TRUE(result.out.empty()) << args[0];
    EXPECT_NE(result.err.find("damaged.kor"), std::string::npos) << args[0] << ": " << result.err;
  }
  EXPECT_FALSE(fs::exists(Path("out.kor")));
  EXPECT_EQ(Run({"check", Path("missing.kor")}).status, 2);
}

TEST_F(KorvadoCli, ValuesThatMakeNoSenseFailCheckAndEveryComputation) {
  TKorData journal;
  EXPECT_TRUE(journal.AddRecord("A", "K", 2, ""));
  journal.HeightDiffs.SetItem(0, std::numeric_limits<double>::quiet_NaN());
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Сеть"));
  // A closed loop with negative setups once made the loop search run until the memory ran out.
  EXPECT_TRUE(net.AddSection("A", "K", 0, 1, std::numeric_limits<double>::infinity(), 2.0, 1));
  EXPECT_TRUE(net.AddSection("K", "L", 1, 1, 1.0, -2.0, 1));
  EXPECT_TRUE(net.AddSection("L", "A", 1, 0, -1.0, 2.0, 1));
  EXPECT_TRUE(net.AddPoint("A", 0, 100.0));
  EXPECT_TRUE(net.AddPoint("K", 1, 0.0));
  EXPECT_TRUE(net.AddPoint("L", 1, 0.0));
  const std::string path = Path("nan.kor");
  WriteDataFile(path, journal, nets);

  const CliResult check = Run({"check", path});
  EXPECT_EQ(check.status, 2);
  EXPECT_TRUE(check.out.empty());
  EXPECT_NE(check.err.find("запись № 1 (A --> K): превышение — не число"), std::string::npos) << check.err;
  EXPECT_NE(check.err.find("звено 1  [A --> K]: превышение — плюс бесконечность"), std::string::npos) << check.err;
  EXPECT_NE(check.err.find("звено 2  [K --> L]: число штативов — -2, а должно быть больше нуля"), std::string::npos)
      << check.err;
  for (const auto& args :
       std::vector<std::vector<std::string>>{{"adjust", path, "--net", "0"},
                                             {"lsq", path, "--net", "0"},
                                             {"loops", path, "--net", "0"},
                                             {"diagram", path, "--net", "0", "--svg", Path("net.svg")},
                                             {"report", path, "--net", "0"},
                                             {"report", path, "--net", "0", "--html", Path("net.html")},
                                             {"report", path, "--net", "0", "--section", "0"}}) {
    const CliResult result = Run(args);
    EXPECT_EQ(result.status, 2) << args[0];
    EXPECT_NE(result.err.find("не годится для вычислений: сеть «Сеть», звено 1  [A --> K]"), std::string::npos)
        << result.err;
  }
  EXPECT_FALSE(fs::exists(Path("net.svg")) || fs::exists(Path("net.html")));
}

TEST_F(KorvadoCli, ControlCharactersInNamesFailCheckAndNeverReachTheOutput) {
  // The writer never emits them, so the file is damaged by hand: "Q~Q" becomes "Q<TAB>Q", "E~E" "E<ESC>E".
  TKorData journal;
  EXPECT_TRUE(journal.AddRecord("Q~Q", "K", 1, ""));
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Сеть"));
  EXPECT_TRUE(net.AddSection("Q~Q", "E~E", 0, 0, 1.0, 1.0, 1));
  EXPECT_TRUE(net.AddPoint("Q~Q", 0, 100.0));
  EXPECT_TRUE(net.AddPoint("E~E", 0, 101.0));
  const std::string path = Path("names.kor");
  WriteDataFile(path, journal, nets);
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  in.close();
  for (size_t at = bytes.find("Q~Q"); at != std::string::npos; at = bytes.find("Q~Q", at)) bytes[at + 1] = '\t';
  for (size_t at = bytes.find("E~E"); at != std::string::npos; at = bytes.find("E~E", at)) bytes[at + 1] = '\x1b';
  std::ofstream(path, std::ios::binary) << bytes;

  const CliResult check = Run({"check", path});
  EXPECT_EQ(check.status, 2);
  EXPECT_NE(check.err.find("запись № 1: задняя точка «Q Q» — управляющий символ"), std::string::npos) << check.err;
  const CliResult report = Run({"report", path, "--net", "0"});
  ASSERT_EQ(report.status, 0) << report.err;
  EXPECT_EQ(report.out.find_first_of("\x1b"), std::string::npos);
  EXPECT_NE(report.out.find("Q Q\t"), std::string::npos) << report.out;
  ASSERT_EQ(Run({"diagram", path, "--net", "0", "--svg", Path("net.svg")}).status, 0);
  std::ifstream svg(Path("net.svg"), std::ios::binary);
  const std::string drawing((std::istreambuf_iterator<char>(svg)), {});
  EXPECT_EQ(drawing.find_first_of("\t\x1b"), std::string::npos) << "XML cannot hold them";
  EXPECT_NE(drawing.find("E E"), std::string::npos);
}

TEST_F(KorvadoCli, WritingCommandsKeepTheReplacedFileAsBackupUnlessTold) {
  const std::string good = WriteAdjustmentNet();
  const std::string out = Path("out.kor");
  const auto bytes = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
  };
  std::ofstream(out, std::ios::binary) << "прежний";
  ASSERT_EQ(Run({"resave", good, out}).status, 0);
  EXPECT_EQ(bytes(out + ".bak"), "прежний");
  const std::string resaved = bytes(out);
  const std::vector<std::string> adjust{"adjust",  good,    "--net",  "0", "--rebuild-points", "--fixed", "A=100",
                                        "--fixed", "B=110", "--save", out};
  ASSERT_EQ(Run(adjust).status, 0);
  EXPECT_EQ(bytes(out + ".bak"), resaved);

  fs::remove(out + ".bak");
  ASSERT_EQ(Run({"resave", good, out, "--no-backup"}).status, 0);
  std::vector<std::string> adjustNoBackup = adjust;
  adjustNoBackup.push_back("--no-backup");
  ASSERT_EQ(Run(adjustNoBackup).status, 0);
  EXPECT_FALSE(fs::exists(out + ".bak"));
}

TEST_F(KorvadoCli, AdjustRunsTheSweepsOfTheAdjustmentPage) {
  const std::string file = WriteAdjustmentNet();
  const std::string saved = Path("adjusted.kor");
  const CliResult result = Run({"adjust", file, "--net", "0", "--rebuild-points", "--fixed", "A=100", "--fixed",
                                "B=110", "--sweeps", "2", "--save", saved});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto json = nlohmann::json::parse(result.out);
  ASSERT_EQ(json["sweeps"].size(), 2u);
  EXPECT_EQ(json["sweeps"][0]["iteration"], 1);
  EXPECT_EQ(json["sweeps"][1]["iteration"], 2);
  EXPECT_EQ(json["sweeps"][0]["muText"], "0.05");
  EXPECT_NEAR(json["sweeps"][1]["mu"].get<double>(), 0.05, 1e-9);
  const auto& points = json["points"];
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[1]["name"], "K");
  EXPECT_NEAR(points[1]["elevation"].get<double>(), 103.95, 1e-9);

  const auto reread = nlohmann::json::parse(Run({"dump", saved}).out);
  EXPECT_EQ(reread["nets"][0]["points"], points);

  const CliResult comma = Run({"adjust", file, "--net", "0", "--rebuild-points", "--fixed", "A=100", "--fixed", "B=110",
                               "--decimal-separator", ","});
  EXPECT_EQ(nlohmann::json::parse(comma.out)["sweeps"][0]["muText"], "0,05");
}

TEST_F(KorvadoCli, ALongRunOfSweepsCountsPast65535) {
  const CliResult result = Run({"adjust", WriteAdjustmentNet(), "--net", "0", "--rebuild-points", "--fixed", "A=100",
                                "--fixed", "B=110", "--sweeps", "65537"});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto json = nlohmann::json::parse(result.out);
  ASSERT_EQ(json["sweeps"].size(), 65537u);
  EXPECT_EQ(json["sweeps"][65535]["iteration"], 65536);
  EXPECT_EQ(json["sweeps"].back()["iteration"], 65537);
  EXPECT_EQ(json["points"].size(), 3u);
  EXPECT_EQ(nlohmann::json::parse(Run({"adjust", WriteAdjustmentNet(), "--net", "0", "--sweeps", "0"}).out)["sweeps"],
            nlohmann::json::array());
}

// The output of a shell command, or "" when it could not run.
std::string CommandOutput(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, got);
    pclose(pipe);
  }
  return text;
}

std::string FileText(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::vector<std::string>> WordsOfLines(const std::string& text) {
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    lines.emplace_back(std::istream_iterator<std::string>(words), std::istream_iterator<std::string>());
  }
  return lines;
}

TEST_F(KorvadoCli, ReportWritesTheStatementAsAPdfWithEveryPointAndNumberedPages) {
  // A chain Rp1 - N2 - ... - Rp41 of 40 sections of two runs: 81 points, several pages.
  TKorData journal;
  EXPECT_TRUE(journal.AddRecord("Rp1", "N2", 1, ""));
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Цепь"));
  for (int k = 1; k <= 40; ++k) {
    const std::string start = (k == 1 ? "Rp" : "N") + std::to_string(k);
    const std::string end = (k == 40 ? "Rp" : "N") + std::to_string(k + 1);
    EXPECT_TRUE(net.AddSection(start, "I" + std::to_string(k), k == 1 ? 0 : 1, 2, 1.25, 2.0, 1));
    EXPECT_TRUE(net.AppendRun(static_cast<uint16_t>(k - 1), end, k == 40 ? 0 : 1, 1.26, 3.0, 1));
    // N20 0.3 mm off the adjusted chain.
    EXPECT_TRUE(net.AddPoint(start, k == 1 ? 0 : 1, 100.0 + 2.5 * k + (k == 20 ? 0.3 : 0.0)));
  }
  EXPECT_TRUE(net.AddPoint("Rp41", 0, 202.5));
  const std::string file = Path("chain.kor");
  WriteDataFile(file, journal, nets);
  const std::string pdf = Path("chain.pdf");
  const std::string html = Path("chain.html");
  // The chain's heights were never adjusted: no statement without --draft,
  // and with it every page says so.
  const CliResult refused = Run({"report", file, "--net", "0", "--pdf", pdf, "--html", html});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("не уравнены"), std::string::npos) << refused.err;
  EXPECT_FALSE(fs::exists(PathFromUtf8(pdf)));
  const CliResult result =
      Run({"report", file, "--net", "0", "--pdf", pdf, "--html", html, "--draft", "--heights", "mm"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(result.out.empty());
  EXPECT_NE(FileText(html).find("<td>Rp41</td>"), std::string::npos);
  EXPECT_EQ(Run({"report", file, "--net", "0", "--section", "0", "--pdf", pdf}).status, 2);
  ASSERT_EQ(FileText(pdf).substr(0, 5), "%PDF-");
#ifdef _WIN32
  GTEST_SKIP() << "the PDF is read back with poppler-utils, which are Linux programs";
#endif

  const std::string info = CommandOutput("pdfinfo '" + pdf + "'");
  const size_t at = info.find("Pages:");
  ASSERT_NE(at, std::string::npos) << info;
  const int pages = std::stoi(info.substr(at + 6));
  EXPECT_GE(pages, 3);
  const std::string text = CommandOutput("pdftotext -layout '" + pdf + "' -");
  for (int page = 1; page <= pages; ++page)
    EXPECT_NE(text.find("стр. " + std::to_string(page) + " из " + std::to_string(pages)), std::string::npos) << page;
  size_t stamps = 0;
  for (size_t found = text.find("Отметки не уравнены"); found != std::string::npos;
       found = text.find("Отметки не уравнены", found + 1))
    ++stamps;
  EXPECT_EQ(stamps, static_cast<size_t>(pages) + 1) << "under the title and at the foot of every page";
  const auto lines = WordsOfLines(text);
  for (const CatalogueEntry& entry : HeightCatalogue(net)) {
    const std::string elevation = entry.elevation ? FormatFixed(2, *entry.elevation) : "";
    const bool listed = std::any_of(lines.begin(), lines.end(), [&](const std::vector<std::string>& words) {
      return words.size() >= 4 && words[1] == entry.name && words.back() == elevation;
    });
    EXPECT_TRUE(listed) << entry.name << " " << elevation;
  }
  size_t headers = 0;
  for (size_t found = text.find("Точка"); found != std::string::npos; found = text.find("Точка", found + 1)) ++headers;
  EXPECT_GE(headers, 2u) << "the catalogue's header is repeated on the pages it runs onto";

  // The line Rp1–Rp41 and the diagram (its section labels "(n, h)") always; the
  // least-squares figures only with --lsq.
  for (const char* word : {"Схема сети", "(5, 2.51)", "Невязки полигонов и линий", "Техническое", "Rp1 – N2"})
    EXPECT_NE(text.find(word), std::string::npos) << word;
  EXPECT_EQ(text.find("МНК"), std::string::npos);
  const std::string adjusted = Path("adjusted.pdf");
  const CliResult lsq =
      Run({"report", file, "--net", "0", "--pdf", adjusted, "--lsq", "--sigma-setup", "0.2", "--class", "iv"});
  ASSERT_EQ(lsq.status, 0) << lsq.err;
  const std::string lsqText = CommandOutput("pdftotext '" + adjusted + "' -");
  for (const char* word :
       {"МНК (по параметрам", "σ₀ априори (1 штатив):", "0.2 мм", "σ₀ апостериори", "Глобальный тест", "v, мм", "wᵢ",
        "СКО, мм", "IV класс", "f_доп = 5·√n", "σ = "})  // the diagram's label at an adjusted point
    EXPECT_NE(lsqText.find(word), std::string::npos) << word;
  EXPECT_EQ(lsqText.find("Отметки не уравнены"), std::string::npos);
  EXPECT_EQ(Run({"report", file, "--net", "0", "--lsq"}).status, 2) << "--lsq writes a statement only";
  EXPECT_EQ(Run({"report", file, "--net", "0", "--pdf", pdf, "--sigma-setup", "0.2"}).status, 2);
}

// The options of a signed document: the title block, the unit, the workbook;
// and what does not go together.
TEST_F(KorvadoCli, ReportTakesTheTitleBlockAndWritesTheWorkbook) {
  const std::string file = WriteAdjustedNet();
  const std::string html = Path("net.html"), xlsx = Path("net.xlsx");
  const CliResult result =
      Run({"report", file, "--net", "0", "--html", html, "--xlsx", xlsx, "--object", "Пос. Озёрный", "--computed-by",
           "Иванов И. И.", "--checked-on", "09.12.2026", "--heights", "m", "--sections-by-w"});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string page = FileText(html);
  for (const char* text :
       {"Пос. Озёрный", "Иванов И. И.", "09.12.2026", "Отметка, м<", "<td align=\"right\">0.1000</td>"})
    EXPECT_NE(page.find(text), std::string::npos) << text;
  EXPECT_EQ(page.find("Отметки не уравнены"), std::string::npos) << "adjusted by the sweep";
  EXPECT_EQ(FileText(xlsx).substr(0, 2), "PK");

  for (const std::vector<std::string>& wrong :
       {std::vector<std::string>{"report", file, "--net", "0", "--xlsx", xlsx, "--heights", "cm"},
        {"report", file, "--net", "0", "--draft"},
        {"report", file, "--net", "0", "--xlsx", xlsx, "--section", "0"},
        {"report", file, "--net", "0", "--xlsx", xlsx, "--observer"}})
    EXPECT_EQ(Run(wrong).status, 2) << wrong.back();
}

// However many rows bring a table to the foot of a page, the notes under it
// go onto the page of its last row.
TEST_F(KorvadoCli, NotesStayOnThePageOfTheirTablesLastRow) {
#ifdef _WIN32
  GTEST_SKIP() << "the PDF is read back with poppler-utils, which are Linux programs";
#endif
  const OffscreenGui gui;
  std::set<int> pageCounts;
  for (int rows = 40; rows <= 72; rows += 2) {
    ReportDocument document;
    document.title = "Ведомость";
    ReportPart part;
    part.heading = "Звенья";
    part.table = ReportTable{{{"№", true}, {"Точка", false}}, {}, {}};
    for (int r = 1; r <= rows; ++r) part.table->rows.push_back({std::to_string(r), "Строка" + std::to_string(r)});
    part.notes = {"Первое примечание к таблице звеньев.", "Второе примечание к таблице звеньев."};
    document.parts.push_back(part);
    const std::string pdf = Path("notes.pdf");
    SaveReportPdf(document, pdf);
    std::vector<std::string> pages;
    std::istringstream text(CommandOutput("pdftotext '" + pdf + "' -"));
    for (std::string page; std::getline(text, page, '\f');) pages.push_back(page);
    pageCounts.insert(static_cast<int>(pages.size()));
    auto pageOf = [&](const std::string& words) {
      for (size_t p = 0; p < pages.size(); ++p)
        if (pages[p].find(words) != std::string::npos) return static_cast<int>(p);
      return -1;
    };
    const int last = pageOf("Строка" + std::to_string(rows));
    EXPECT_GE(last, 0) << rows;
    EXPECT_EQ(pageOf("Первое примечание"), last) << rows;
    EXPECT_EQ(pageOf("Второе примечание"), last) << rows;
  }
  EXPECT_EQ(pageCounts.size(), 2u) << "some tables fill one page, some run onto a second";
}

// The cells of a long table are laid glyph by glyph: as wide as Qt measures
// them, and left to Qt wherever a character needs shaping or is not in the font.
TEST_F(KorvadoCli, TableCellsLaidGlyphByGlyphMeasureAsQtDoes) {
  const OffscreenGui gui;
  const QFont font(PagePointFont(9.0, false));
  const PlainTextRuns runs(font);
  const QFontMetricsF metrics(font);
  for (const QString& text : {QString("100151.57"), QString("-0.07"), QString("P17606 – P17607"), QString("Rp1")}) {
    const std::optional<double> width = runs.Width(text);
    ASSERT_TRUE(width) << text.toStdString();
    EXPECT_NEAR(*width, metrics.horizontalAdvance(text), 0.02 * metrics.horizontalAdvance(text)) << text.toStdString();
    const std::optional<QGlyphRun> run = runs.Run(text, QPointF(10, 20));
    ASSERT_TRUE(run);
    EXPECT_EQ(run->glyphIndexes().size(), text.size());
    EXPECT_EQ(run->positions().front(), QPointF(10, 20));
  }
  for (const QString& text :
       {QString::fromUtf8("مرحبا"), QString::fromUtf8("a\u0301"), QString::fromUtf8("\U0001F600")})
    EXPECT_FALSE(runs.Width(text)) << text.toStdString();
}

TEST_F(KorvadoCli, AdjustRefusesBadInputWithoutWritingAnything) {
  const std::string file = WriteAdjustmentNet();
  const std::string saved = Path("adjusted.kor");
  const std::vector<std::vector<std::string>> bad = {
      {"adjust", file, "--net", "1", "--save", saved},
      {"adjust", file, "--net", "x", "--save", saved},
      {"adjust", file, "--save", saved},
      {"adjust", file, "--net", "0", "--rebuild-points", "--fixed", "A=abc", "--save", saved},
      {"adjust", file, "--net", "0", "--fixed", "A", "--save", saved},
      {"adjust", file, "--net", "0", "--bogus"},
      {"adjust", file, "--net", "0", "--rebuild-points", "--fixed", "K=100", "--save", saved},
      {"lsq", file, "--net", "0", "--rebuild-points", "--fixed", "A=1e300", "--save", saved},
      {"lsq", file, "--net", "0", "--rebuild-points", "--fixed", "A=100", "--fixed", "B=110", "--sigma-setup", "1e-300",
       "--save", saved},
      {"adjust", file, "--net", "0", "--rebuild-points", "--fixed", "a=100", "--fixed", "B=110", "--save", saved},
  };
  for (const auto& args : bad) {
    const CliResult result = Run(args);
    EXPECT_EQ(result.status, 2) << args[3];
    EXPECT_FALSE(result.err.empty());
  }
  EXPECT_FALSE(fs::exists(saved));
  EXPECT_NE(Run(bad.back()).err.find("«a»"), std::string::npos) << "a fixed point the net lacks is named";
  const std::string nodal = Run(bad[6]).err;
  EXPECT_NE(nodal.find("точка «K» — не жесткая точка"), std::string::npos) << "never silently ignored: " << nodal;
  EXPECT_NE(Run(bad[8]).err.find("от 0.001 до 1000"), std::string::npos);
}

// Takes nothing: every write fails, as on a full disk.
class FullDiskBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST_F(KorvadoCli, EveryCommandWhoseOutputCannotBeWrittenFails) {
  const std::string file = WriteAdjustmentNet();
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"dump", file},
           {"check", file},
           {"adjust", file, "--net", "0", "--rebuild-points", "--fixed", "A=100", "--fixed", "B=110"},
           {"dump", "--help"}}) {
    FullDiskBuffer full;
    std::ostream out(&full);
    std::ostringstream err;
    EXPECT_EQ(RunCli(args, out, err), 2) << args[0];
    EXPECT_EQ(err.str(), "korvado-cli: " + std::string(kOutputFailedMessage) + "\n") << args[0];
  }
}

TEST_F(KorvadoCli, LsqPrintsHeightsWithTheirAccuracyAndSavesThem) {
  const std::string file = WriteAdjustmentNet();
  const std::string saved = Path("lsq.kor");
  const CliResult result = Run({"lsq", file, "--net", "0", "--rebuild-points", "--fixed", "A=100", "--fixed", "B=110",
                                "--sigma-setup", "0.05", "--save", saved});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto json = nlohmann::ordered_json::parse(result.out);
  std::vector<std::string> keys;
  for (const auto& item : json.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"dof", "sigma0Apriori", "sigma0", "chi2", "criticalW", "points", "sections",
                                            "allPoints"}));
  EXPECT_TRUE(json["dof"].is_number_float());
  EXPECT_EQ(json["dof"].get<double>(), 1.0);
  // Both sections take half the misclosure of 0.1; K is the weighted mean.
  EXPECT_NEAR(json["sigma0"].get<double>(), 0.05, 1e-12);
  EXPECT_NEAR(json["chi2"]["value"].get<double>(), 1.0, 1e-9);
  EXPECT_EQ(json["chi2"]["passed"], true);
  EXPECT_EQ(json["criticalW"], 3.29);
  ASSERT_EQ(json["points"].size(), 3u);
  EXPECT_EQ(json["points"][0]["sigma"], 0.0);
  EXPECT_NEAR(json["points"][1]["elevation"].get<double>(), 103.95, 1e-12);
  EXPECT_NEAR(json["points"][1]["sigma"].get<double>(), 0.05, 1e-12);
  for (const auto& section : json["sections"]) {
    EXPECT_NEAR(section["residual"].get<double>(), -0.05, 1e-12);
    EXPECT_NEAR(section["redundancy"].get<double>(), 0.5, 1e-12);
    EXPECT_NEAR(section["w"].get<double>(), -1.0, 1e-9);
    EXPECT_EQ(section["suspect"], false);
  }
  // Every point, the pendent P off K too: its σ grows by its one setup.
  ASSERT_EQ(json["allPoints"].size(), 4u);
  EXPECT_EQ(json["allPoints"][3]["name"], "P");
  EXPECT_EQ(json["allPoints"][3]["role"], "pendent");
  EXPECT_NEAR(json["allPoints"][3]["elevation"].get<double>(), 104.45, 1e-9);
  EXPECT_NEAR(json["allPoints"][3]["sigma"].get<double>(), 0.05 * std::sqrt(2.0), 1e-12);
  const auto reread = nlohmann::json::parse(Run({"dump", saved}).out);
  EXPECT_NEAR(reread["nets"][0]["points"][1]["elevation"].get<double>(), 103.95, 1e-12);
}

// A net that no benchmark reaches is refused by the sweep and by least
// squares; so is a bad a-priori σ. A net without redundancy prints null
// where a figure is not defined.
TEST_F(KorvadoCli, AdjustAndLsqRefuseNetsNoBenchmarkReaches) {
  TKorData journal;
  EXPECT_TRUE(journal.AddRecord("A", "K", 2, ""));
  auto write = [&](const std::string& name, uint8_t startType) {
    TNetList nets;
    EXPECT_TRUE(nets.NetAt(*nets.AddNet("Сеть")).AddSection("A", "K", startType, 1, 4.0, 2.0, 1));
    WriteDataFile(Path(name), journal, nets);
    return Path(name);
  };
  const std::string floating = write("floating.kor", 1);
  for (const char* command : {"adjust", "lsq"}) {
    const CliResult result = Run({command, floating, "--net", "0", "--rebuild-points"});
    EXPECT_EQ(result.status, 2) << command;
    EXPECT_NE(result.err.find("жесткой точки"), std::string::npos) << result.err;
  }
  const CliResult badSigma = Run({"lsq", WriteAdjustmentNet(), "--net", "0", "--rebuild-points", "--sigma-setup", "0"});
  EXPECT_EQ(badSigma.status, 2);
  EXPECT_NE(badSigma.err.find("штатив"), std::string::npos) << badSigma.err;

  const CliResult bare = Run({"lsq", write("chain.kor", 0), "--net", "0", "--rebuild-points", "--fixed", "A=1"});
  ASSERT_EQ(bare.status, 0) << bare.err;
  const auto json = nlohmann::json::parse(bare.out);
  EXPECT_TRUE(json["sigma0"].is_null());
  for (const char* key : {"value", "lower", "upper", "passed"}) EXPECT_TRUE(json["chi2"][key].is_null()) << key;
  EXPECT_TRUE(json["sections"][0]["w"].is_null());
  EXPECT_NEAR(json["points"][1]["sigma"].get<double>(), 0.5 * std::sqrt(2.0), 1e-12);
}

TEST_F(KorvadoCli, ReportPrintsTheGridTexts) {
  const std::string adjusted = WriteAdjustedNet();
  const CliResult section = Run({"report", adjusted, "--net", "0", "--section", "1"});
  ASSERT_EQ(section.status, 0) << section.err;
  EXPECT_EQ(section.out.substr(0, section.out.find('\n')), "K\t103.95");
  EXPECT_NE(section.out.find("P [вис.]\t"), std::string::npos) << section.out;

  const CliResult report = Run({"report", adjusted, "--net", "0", "--decimal-separator", ","});
  ASSERT_EQ(report.status, 0) << report.err;
  EXPECT_EQ(report.out.rfind("A\t100,00\n", 0), 0u) << report.out;
  EXPECT_EQ(Run({"report", adjusted, "--net", "0", "--section", "2"}).status, 2);
}

TEST_F(KorvadoCli, LoopsPrintsTheLinesAgainstTheClassTolerance) {
  const std::string adjusted = WriteAdjustedNet();
  // The line A -> K -> B closes to 4.000 + 6.100 - (110 - 100) = 0.1 over 4 setups.
  const CliResult tech = Run({"loops", adjusted, "--net", "0"});
  ASSERT_EQ(tech.status, 0) << tech.err;
  const auto json = nlohmann::ordered_json::parse(tech.out);
  EXPECT_EQ(json["coefficient"], 10.0);
  ASSERT_EQ(json["loops"].size(), 1u);
  const auto& line = json["loops"][0];
  EXPECT_EQ(line["kind"], "line");
  EXPECT_EQ(line["points"], nlohmann::json::parse(R"(["A","K","B"])"));
  EXPECT_EQ(line["sections"].dump(), R"([{"index":0,"forward":true},{"index":1,"forward":true}])");
  EXPECT_EQ(line["setups"], 4.0);
  EXPECT_NEAR(line["misclosure"].get<double>(), 0.1, 1e-9);
  EXPECT_EQ(line["allowed"], 20.0);
  EXPECT_EQ(line["passed"], true);
  std::vector<std::string> keys;
  for (const auto& item : line.items()) keys.push_back(item.key());
  EXPECT_EQ(keys,
            (std::vector<std::string>{"kind", "points", "sections", "setups", "misclosure", "allowed", "passed"}));

  // k = 0.05 allows exactly 0.10 over 4 setups; k = 0.04 allows 0.08.
  const std::vector<std::pair<std::vector<std::string>, bool>> limits = {
      {{"--class", "custom", "--coefficient", "0.05"}, true},
      {{"--coefficient", "0.04"}, false},
      {{"--class", "iv"}, true}};
  for (const auto& [options, passed] : limits) {
    std::vector<std::string> args = {"loops", adjusted, "--net", "0"};
    args.insert(args.end(), options.begin(), options.end());
    const CliResult result = Run(args);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(nlohmann::json::parse(result.out)["loops"][0]["passed"], passed) << options.back();
  }
  for (const std::vector<std::string>& bad :
       std::vector<std::vector<std::string>>{{"--class", "II"},
                                             {"--class", "custom"},
                                             {"--class", "tech", "--coefficient", "3"},
                                             {"--coefficient", "-1"},
                                             {"--coefficient", "abc"}}) {
    std::vector<std::string> args = {"loops", adjusted, "--net", "0"};
    args.insert(args.end(), bad.begin(), bad.end());
    const CliResult result = Run(args);
    EXPECT_EQ(result.status, 2) << bad.back();
    EXPECT_TRUE(result.out.empty());
    EXPECT_FALSE(result.err.empty());
  }
  // Without a point table the line cannot be closed: said on standard error, the loops still printed.
  const CliResult bare = Run({"loops", WriteAdjustmentNet(), "--net", "0"});
  ASSERT_EQ(bare.status, 0);
  EXPECT_TRUE(nlohmann::json::parse(bare.out)["loops"].empty());
  EXPECT_NE(bare.err.find("Создание нулевых отметок"), std::string::npos);
}

// What the windows keep in Korvado.ini is what the command line does when
// no option says otherwise; an option still wins.
TEST_F(KorvadoCli, TheSettingsFileGivesTheDefaultsOfTheCommandLine) {
  const std::string adjusted = WriteAdjustedNet();
  CommandLineSettings stored;
  stored.tolerance = {ToleranceClass::Custom, 0.04};  // allows 0.08 over 4 setups, the line closes to 0.1
  stored.sigmaPerSetup = 0.2;
  stored.backup = false;
  const auto run = [&](const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err, stored);
    EXPECT_EQ(status, 0) << err.str();
    return out.str();
  };
  const auto loops = nlohmann::json::parse(run({"loops", adjusted, "--net", "0"}));
  EXPECT_EQ(loops["coefficient"], 0.04);
  EXPECT_EQ(loops["loops"][0]["passed"], false);
  EXPECT_EQ(nlohmann::json::parse(run({"loops", adjusted, "--net", "0", "--class", "tech"}))["loops"][0]["passed"],
            true);

  EXPECT_EQ(nlohmann::json::parse(run({"lsq", adjusted, "--net", "0"}))["sigma0Apriori"], 0.2);
  EXPECT_EQ(nlohmann::json::parse(run({"lsq", adjusted, "--net", "0", "--sigma-setup", "0.3"}))["sigma0Apriori"], 0.3);

  const std::string out = Path("out.kor");
  std::ofstream(out, std::ios::binary) << "прежний";
  run({"resave", adjusted, out});
  EXPECT_FALSE(fs::exists(out + ".bak")) << "the windows' choice of no backup";
}

TEST_F(KorvadoCli, DiagramWritesOnePathPerSectionAndEveryName) {
  const std::string file = WriteAdjustmentNet();
  const std::string svg = Path("net.svg");
  ASSERT_EQ(Run({"diagram", file, "--net", "0", "--svg", svg}).status, 0);
  const std::string text = ReadBytes(svg);  // and closed: Windows replaces no file that is open
  size_t paths = 0;
  for (size_t at = text.find("<path "); at != std::string::npos; at = text.find("<path ", at + 1)) ++paths;
  EXPECT_EQ(paths, 2u);
  for (const char* name : {">A<", ">K<", ">B<", ">P<"}) EXPECT_NE(text.find(name), std::string::npos) << name;
  EXPECT_EQ(Run({"diagram", file, "--net", "0"}).status, 2);
  EXPECT_EQ(Run({"diagram", file, "--net", "0", "--svg", Path("no/such/folder/net.svg")}).status, 2);
  // With --lsq (the file needs its point table): both w are 5 at 0.01 per setup, one section is marked.
  EXPECT_EQ(Run({"diagram", file, "--net", "0", "--svg", svg, "--lsq"}).status, 2);
  const std::string points = Path("points.kor");
  Run({"lsq", file, "--net", "0", "--rebuild-points", "--fixed", "A=100", "--fixed", "B=110", "--save", points});
  ASSERT_EQ(Run({"diagram", points, "--net", "0", "--svg", svg, "--lsq", "--sigma-setup", "0.01"}).status, 0);
  const std::string marked((std::istreambuf_iterator<char>(std::ifstream(svg).rdbuf())),
                           std::istreambuf_iterator<char>());
  EXPECT_NE(marked.find("suspect\" id="), std::string::npos);
  EXPECT_EQ(marked.find("suspect\" id="), marked.rfind("suspect\" id="));
  EXPECT_NE(marked.find("K — узловая точка, отметка 103.95, σ = "), std::string::npos);
}

TEST_F(KorvadoCli, HelpForTheProgramAndEachCommand) {
  const CliResult program = Run({"--help"});
  EXPECT_EQ(program.status, 0);
  for (const char* command : {"dump", "check", "resave", "adjust", "report", "loops", "diagram"}) {
    EXPECT_NE(program.out.find(command), std::string::npos);
    const CliResult help = Run({command, "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind(std::string("usage: korvado-cli ") + command, 0), 0u) << help.out;
  }
  EXPECT_EQ(Run({}).status, 2);
  EXPECT_EQ(Run({"frobnicate"}).status, 2);
}

}  // namespace
}  // namespace korvado::cli
