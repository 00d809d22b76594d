#include "ReportPages.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <functional>
#include <memory>
#include <numeric>
#include <vector>

#include "ChartPainter.h"
#include "DiagramPainter.h"
#include "FileReplace.h"
#include "PageFont.h"
#include "PlainTextRuns.h"

namespace korvado {

namespace {

constexpr double kBodyPoints = 9.0;
constexpr double kHeadingPoints = 12.0;
constexpr double kTitlePoints = 15.0;
constexpr int kPdfDpi = 300;
const QColor kHeaderShade(232, 232, 232);
const QColor kStampColour(200, 0, 0);
// A name of the diagram (11 units high) comes out at about 9 points.
constexpr double kDiagramMillimetresPerUnit = 0.3;
// A plot is laid out 760 units across the page, so that its 11-unit texts come out at about 9 points.
constexpr double kChartUnitsAcross = 760.0;
constexpr double kChartAspect = 0.58;

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Measured and painted in the device's own resolution.
QFont Font(double points, bool bold, QPaintDevice& device) { return QFont(PagePointFont(points, bold), &device); }

// One piece of the page flow: a line of text, a table row, a paragraph.
struct Block {
  double height = 0.0;
  std::function<void(QPainter&, double top)> paint;
  // A table row carries its table's header, painted again at the top of a new page.
  const Block* header = nullptr;
  // A heading stays with the block that follows it, a table's last row with
  // the notes under it.
  bool keepWithNext = false;
  double spaceBefore = 0.0;
};

enum class RowStyle { kHeader, kPlain, kStrong };

// Where each block lands: page and top.
struct Placement {
  const Block* block;
  int page;
  double top;
};

class PageFlow {
 public:
  explicit PageFlow(QPaintDevice& device)
      : device_(device),
        width_(device.width()),
        body_(Font(kBodyPoints, false, device)),
        bold_(Font(kBodyPoints, true, device)),
        italic_(Font(kBodyPoints, false, device)),
        heading_(Font(kHeadingPoints, true, device)),
        title_(Font(kTitlePoints, true, device)),
        metrics_(body_, &device),
        bodyRuns_(body_),
        padding_(metrics_.averageCharWidth() * 0.6),
        rowHeight_(metrics_.height() * 1.3),
        pageHeight_(device.height() - FooterHeight()),
        dotsPerMillimetre_(device.logicalDpiX() / 25.4) {
    italic_.setItalic(true);
  }

  double FooterHeight() const { return metrics_.height() * 2.0; }
  // The height a page has for blocks, above its footer.
  double PageHeight() const { return pageHeight_; }
  const QFont& BodyFont() const { return body_; }

  void AddDocument(const ReportDocument& document) {
    AddLine(document.title, title_, 0.0, true);
    if (!document.stamp.empty()) AddStamp(document.stamp);
    for (const ReportPart& part : document.parts) AddPart(part);
  }

  // A block that does not fit starts a new page, a table row there after
  // its header; a heading never ends a page, nor a table the notes under it.
  std::vector<Placement> Place() const {
    std::vector<Placement> placements;
    int page = 0;
    double y = 0.0;
    for (size_t k = 0; k < blocks_.size(); ++k) {
      const Block& block = *blocks_[k];
      const double needed = KeptHeight(k);
      if (y > 0.0 && y + needed > pageHeight_) {
        ++page;
        y = 0.0;
        if (block.header) {
          placements.push_back({block.header, page, y});
          y += block.header->height;
        }
      } else if (y > 0.0) {
        y += block.spaceBefore;
      }
      placements.push_back({&block, page, y});
      y += block.height;
    }
    return placements;
  }

 private:
  // The height block k needs on its page: with the blocks kept with it, as
  // long as they fit on one page together.
  double KeptHeight(size_t k) const {
    const double alone = blocks_[k]->spaceBefore + blocks_[k]->height;
    double kept = alone;
    for (size_t next = k; blocks_[next]->keepWithNext && next + 1 < blocks_.size(); ++next)
      kept += blocks_[next + 1]->spaceBefore + blocks_[next + 1]->height;
    return kept <= pageHeight_ ? kept : alone;
  }

  Block& NewBlock(std::unique_ptr<Block> block) {
    blocks_.push_back(std::move(block));
    return *blocks_.back();
  }

  void AddLine(const std::string& text, const QFont& font, double spaceBefore, bool keepWithNext) {
    auto block = std::make_unique<Block>();
    const QString line = Text(text);
    block->height = QFontMetricsF(font, &device_).height() * 1.4;
    block->spaceBefore = spaceBefore;
    block->keepWithNext = keepWithNext;
    block->paint = [line, font, this](QPainter& painter, double top) {
      painter.setFont(font);
      painter.drawText(QRectF(0, top, width_, 1e6), Qt::AlignLeft | Qt::AlignTop, line);
    };
    NewBlock(std::move(block));
  }

  void AddStamp(const std::string& text) {
    auto block = std::make_unique<Block>();
    const QString line = Text(text);
    block->height = QFontMetricsF(heading_, &device_).height() * 1.4;
    block->paint = [line, this](QPainter& painter, double top) {
      const QPen pen = painter.pen();
      painter.setPen(kStampColour);
      painter.setFont(heading_);
      painter.drawText(QRectF(0, top, width_, 1e6), Qt::AlignLeft | Qt::AlignTop, line);
      painter.setPen(pen);
    };
    NewBlock(std::move(block));
  }

  void AddParagraph(const std::string& text) {
    auto block = std::make_unique<Block>();
    const QString paragraph = Text(text);
    const QRectF bounds =
        QFontMetricsF(italic_, &device_).boundingRect(QRectF(0, 0, width_, 1e6), Qt::TextWordWrap, paragraph);
    block->height = bounds.height() + metrics_.height() * 0.3;
    block->spaceBefore = metrics_.height() * 0.3;
    block->paint = [paragraph, this](QPainter& painter, double top) {
      painter.setFont(italic_);
      painter.drawText(QRectF(0, top, width_, 1e6), Qt::TextWordWrap, paragraph);
    };
    NewBlock(std::move(block));
  }

  void AddFacts(const std::vector<std::pair<std::string, std::string>>& facts) {
    double labelWidth = 0.0;
    for (const auto& fact : facts)
      labelWidth = std::max(labelWidth, metrics_.horizontalAdvance(Text(fact.first + ":")));
    labelWidth += 2 * padding_;
    for (const auto& [label, value] : facts) {
      auto block = std::make_unique<Block>();
      const QString labelText = Text(label + ":");
      const QString valueText = Text(value);
      const QRectF valueBounds = QFontMetricsF(bold_, &device_)
                                     .boundingRect(QRectF(0, 0, width_ - labelWidth, 1e6), Qt::TextWordWrap, valueText);
      block->height = std::max(rowHeight_, valueBounds.height() + rowHeight_ - metrics_.height());
      block->paint = [=, this](QPainter& painter, double top) {
        painter.setFont(body_);
        painter.drawText(QRectF(0, top, labelWidth, rowHeight_), Qt::AlignLeft | Qt::AlignTop, labelText);
        painter.setFont(bold_);
        painter.drawText(QRectF(labelWidth, top, width_ - labelWidth, 1e6), Qt::TextWordWrap, valueText);
      };
      NewBlock(std::move(block));
    }
  }

  // Column widths from the widest text. When the page is too narrow the
  // titles break between their words, then the wrapping columns give way,
  // then every column shrinks in proportion.
  // The width of every cell's text in the body font, measured once: the
  // widths of the columns and the placing of the texts both need it, and
  // measuring shapes the text, the dearest part of a long table.
  std::vector<std::vector<double>> CellAdvances(const std::vector<std::vector<QString>>& rows) const {
    std::vector<std::vector<double>> advances;
    advances.reserve(rows.size());
    for (const std::vector<QString>& row : rows) {
      std::vector<double>& measured = advances.emplace_back();
      measured.reserve(row.size());
      for (const QString& cell : row)
        measured.push_back(bodyRuns_.Width(cell).value_or(metrics_.horizontalAdvance(cell)));
    }
    return advances;
  }

  std::vector<double> ColumnWidths(const ReportTable& table, const std::vector<std::vector<QString>>& rows,
                                   const std::vector<std::vector<double>>& advances) const {
    const QFontMetricsF boldMetrics(bold_, &device_);
    auto widestWord = [](const QFontMetricsF& metrics, const QString& text) {
      double widest = 0.0;
      for (const QString& word : text.split(QLatin1Char(' ')))
        widest = std::max(widest, metrics.horizontalAdvance(word));
      return widest;
    };
    const size_t count = table.columns.size();
    // Per column: the widest cell, the title whole and its widest word, the widest word of a wrapping cell.
    std::vector<double> cells(count, 0.0), titles, titleWords, cellWords(count, 0.0);
    for (const ReportColumn& column : table.columns) {
      titles.push_back(boldMetrics.horizontalAdvance(Text(column.title)));
      titleWords.push_back(widestWord(boldMetrics, Text(column.title)));
    }
    for (size_t r = 0; r < rows.size(); ++r)
      for (size_t c = 0; c < rows[r].size() && c < count; ++c) {
        cells[c] = std::max(cells[c], advances[r][c]);
        if (table.columns[c].wrap) cellWords[c] = std::max(cellWords[c], widestWord(metrics_, rows[r][c]));
      }
    // Room for the cell padding, plus slack so that rounding never elides a text that fits.
    const double slack = 3 * padding_;
    auto widthsUnder = [&](const std::vector<double>& heads) {
      std::vector<double> widths;
      for (size_t c = 0; c < count; ++c) widths.push_back(std::max(cells[c], heads[c]) + slack);
      return widths;
    };
    std::vector<double> widths = widthsUnder(titles);
    auto total = [&widths] { return std::accumulate(widths.begin(), widths.end(), 0.0); };
    if (total() > width_) widths = widthsUnder(titleWords);
    double wrapping = 0.0;
    for (size_t c = 0; c < count; ++c)
      if (table.columns[c].wrap) wrapping += widths[c];
    const double room = width_ - (total() - wrapping);
    if (wrapping > 0.0 && room < wrapping)
      for (size_t c = 0; c < count; ++c)
        if (table.columns[c].wrap)
          widths[c] =
              std::max(widths[c] * std::max(room, 0.0) / wrapping, std::max(cellWords[c], titleWords[c]) + slack);
    const double scale = width_ / total();
    if (scale < 1.0)
      for (double& width : widths) width *= scale;
    return widths;
  }

  // `advances` are the cells' widths in the body font, for a plain row.
  void AddRow(const std::vector<QString>& cells, const std::vector<double>& advances, const std::vector<double>& widths,
              double rowWidth, const std::vector<bool>& numeric, const std::vector<bool>& wrap, RowStyle style,
              const Block* headerBlock) {
    auto block = std::make_unique<Block>();
    const bool header = style == RowStyle::kHeader;
    const QFont& font = style == RowStyle::kPlain ? body_ : bold_;
    // A wrapped cell (and a title broken between words) makes its row as tall as its lines.
    double height = rowHeight_;
    const QFontMetricsF fontMetrics(font, &device_);
    for (size_t c = 0; c < widths.size() && c < cells.size(); ++c) {
      if (!wrap[c] && !header) continue;
      const QRectF bounds(0, 0, widths[c] - 2 * padding_, 1e6);
      height = std::max(height, fontMetrics.boundingRect(bounds, Qt::TextWordWrap, cells[c]).height() + rowHeight_ -
                                    metrics_.height());
    }
    block->height = height;
    block->header = headerBlock;
    const double lineHeight = fontMetrics.ascent() + fontMetrics.descent();
    const double ascent = fontMetrics.ascent();
    const bool measured = style == RowStyle::kPlain;
    block->paint = [=, this](QPainter& painter, double top) {
      const QRectF row(0, top, rowWidth, height);
      if (header) painter.fillRect(row, kHeaderShade);
      painter.setFont(font);
      double left = 0.0;
      for (size_t c = 0; c < widths.size(); ++c) {
        const QRectF cell(left + padding_, top, widths[c] - 2 * padding_, height);
        const Qt::Alignment align = (numeric[c] ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        const QString text = c < cells.size() ? cells[c] : QString();
        if (wrap[c] || header) {
          painter.drawText(cell, align | Qt::TextWordWrap, text);
        } else if (measured && c < advances.size() && advances[c] <= cell.width()) {
          // A text known to fit is put on its baseline directly: no second
          // measuring, no eliding, no layout of a one-line text.
          const QPointF origin(numeric[c] ? cell.right() - advances[c] : cell.left(),
                               cell.top() + (cell.height() - lineHeight) / 2 + ascent);
          if (const std::optional<QGlyphRun> run = bodyRuns_.Run(text, origin))
            painter.drawGlyphRun(QPointF(), *run);
          else
            painter.drawText(origin, text);
        } else {
          painter.drawText(cell, align, painter.fontMetrics().elidedText(text, Qt::ElideRight, int(cell.width())));
        }
        painter.drawLine(QPointF(left, top), QPointF(left, top + height));
        left += widths[c];
      }
      painter.drawLine(QPointF(left, top), QPointF(left, top + height));
      painter.drawLine(row.topLeft(), row.topRight());
      painter.drawLine(row.bottomLeft(), row.bottomRight());
    };
    NewBlock(std::move(block));
  }

  void AddTable(const ReportTable& table) {
    std::vector<std::vector<QString>> rows;
    rows.reserve(table.rows.size());
    for (const std::vector<std::string>& row : table.rows) {
      std::vector<QString>& cells = rows.emplace_back();
      for (const std::string& cell : row) cells.push_back(Text(cell));
    }
    const std::vector<std::vector<double>> advances = CellAdvances(rows);
    const std::vector<double> widths = ColumnWidths(table, rows, advances);
    std::vector<bool> numeric, wrap;
    std::vector<QString> titles;
    for (const ReportColumn& column : table.columns) {
      numeric.push_back(column.numeric);
      wrap.push_back(column.wrap);
      titles.push_back(Text(column.title));
    }
    double rowWidth = 0.0;
    for (double width : widths) rowWidth += width;
    AddRow(titles, {}, widths, rowWidth, numeric, wrap, RowStyle::kHeader, nullptr);
    Block* header = blocks_.back().get();
    header->keepWithNext = true;
    header->spaceBefore = metrics_.height() * 0.3;
    for (size_t r = 0; r < table.rows.size(); ++r)
      AddRow(rows[r], advances[r], widths, rowWidth, numeric, wrap,
             table.IsStrong(r) ? RowStyle::kStrong : RowStyle::kPlain, header);
  }

  // The diagram as large as the page allows, but never larger than its
  // drawing units at kDiagramMillimetresPerUnit, so a small net is not blown up.
  void AddDiagram(const std::shared_ptr<const NetDiagram>& diagram) {
    auto block = std::make_unique<Block>();
    const QSizeF extent = DiagramExtent(*diagram);
    const double scale = std::min({width_ / extent.width(), pageHeight_ * 0.85 / extent.height(),
                                   kDiagramMillimetresPerUnit * dotsPerMillimetre_});
    block->height = extent.height() * scale;
    block->spaceBefore = metrics_.height() * 0.3;
    block->paint = [diagram, scale, this](QPainter& painter, double top) {
      PaintNetDiagram(painter, *diagram, QPointF(0, top), scale);
    };
    NewBlock(std::move(block));
  }

  // A plot across the page, its texts at about the body's size.
  void AddChart(const std::shared_ptr<const Chart>& chart) {
    auto block = std::make_unique<Block>();
    const double units = width_ / kChartUnitsAcross;
    block->height = std::min(width_ * kChartAspect, pageHeight_ * 0.85);
    block->spaceBefore = metrics_.height() * 0.3;
    block->paint = [chart, units, height = block->height, this](QPainter& painter, double top) {
      PaintChart(painter, *chart, QRectF(0, top, width_, height), units);
    };
    NewBlock(std::move(block));
  }

  void AddPart(const ReportPart& part) {
    AddLine(part.heading, heading_, metrics_.height(), true);
    AddFacts(part.facts);
    if (part.diagram) AddDiagram(part.diagram);
    if (part.chart) AddChart(part.chart);
    if (part.table) AddTable(*part.table);
    if (part.table && !part.notes.empty()) blocks_.back()->keepWithNext = true;
    for (size_t k = 0; k < part.notes.size(); ++k) {
      AddParagraph(part.notes[k]);
      blocks_.back()->keepWithNext = part.table && k + 1 < part.notes.size();
    }
  }

  QPaintDevice& device_;
  double width_;
  QFont body_, bold_, italic_, heading_, title_;
  QFontMetricsF metrics_;
  PlainTextRuns bodyRuns_;
  double padding_;
  double rowHeight_;
  double pageHeight_;
  double dotsPerMillimetre_;
  std::vector<std::unique_ptr<Block>> blocks_;
};

}  // namespace

QPageLayout ReportPageLayout() {
  constexpr double kMarginMillimetres = 15.0;
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                     QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                     QPageLayout::Millimeter);
}

int PaintReportPages(const ReportDocument& document, QPagedPaintDevice& device) {
  PageFlow flow(device);
  flow.AddDocument(document);
  const std::vector<Placement> placements = flow.Place();
  const int pages = placements.empty() ? 1 : placements.back().page + 1;

  QPainter painter(&device);
  painter.setPen(QPen(Qt::black, 0));
  int page = 0;
  const QString stamp = QString::fromStdString(document.stamp);
  auto paintFooter = [&] {
    const QRectF footer(0, flow.PageHeight(), device.width(), flow.FooterHeight());
    painter.setFont(flow.BodyFont());
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("стр. %1 из %2").arg(page + 1).arg(pages));
    if (stamp.isEmpty()) return;
    QFont bold = flow.BodyFont();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(kStampColour);
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, stamp);
    painter.setPen(QPen(Qt::black, 0));
  };
  for (const Placement& placement : placements) {
    while (placement.page > page) {
      paintFooter();
      device.newPage();
      ++page;
    }
    placement.block->paint(painter, placement.top);
  }
  paintFooter();
  return pages;
}

QByteArray ReportPdf(const ReportDocument& document) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kPdfDpi);
    pdf.setPageLayout(ReportPageLayout());
    pdf.setTitle(QString::fromStdString(document.title));
    pdf.setCreator(QStringLiteral("Korvado"));
    PaintReportPages(document, pdf);
  }
  return bytes;
}

void SaveReportPdf(const ReportDocument& document, const std::string& path) {
  ReplaceFileContents(path, ReportPdf(document).toStdString());
}

}  // namespace korvado
