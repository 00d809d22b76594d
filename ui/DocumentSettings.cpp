#include "DocumentSettings.h"

#include <QDir>
#include <QFileInfo>

#include "Fnv1a.h"

namespace korvado {

namespace {

const QString kPersonSection = QStringLiteral("Documents");
const QString kFileKey = QStringLiteral("file");

QString Key(const TitleField& field) { return QString::fromUtf8(field.key); }

QString FullPath(const std::string& dataFile) {
  return QDir::cleanPath(QFileInfo(QString::fromStdString(dataFile)).absoluteFilePath());
}

// FNV-1a of the path: a section name of plain characters, whatever the path holds.
QString JobSection(const QString& path) {
  const QByteArray bytes = path.toUtf8();
  const uint64_t hash = Fnv1aOf(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  return QStringLiteral("Job-%1").arg(hash, 16, 16, QLatin1Char('0'));
}

}  // namespace

DocumentOptions ReadDocumentOptions(const SettingsFile& settings, const std::string& dataFile) {
  DocumentOptions options;
  const QString path = dataFile.empty() ? QString() : FullPath(dataFile);
  const QString job = JobSection(path);
  // Another file whose path hashes alike must not lend its fields.
  const bool jobKnown = !path.isEmpty() && settings.ReadString(job, kFileKey) == path;
  for (const TitleField& field : kTitleFields) {
    if (!field.perPerson && !jobKnown) continue;
    options.title.*field.member = settings.ReadString(field.perPerson ? kPersonSection : job, Key(field)).toStdString();
  }
  options.heights = settings.ReadBool(kPersonSection, QStringLiteral("HeightsInMillimetres"), false)
                        ? HeightUnit::kMillimetres
                        : HeightUnit::kMetres;
  options.sectionsByMisclosure = settings.ReadBool(kPersonSection, QStringLiteral("SectionsByMisclosure"), false);
  return options;
}

void WriteDocumentOptions(SettingsFile& settings, const std::string& dataFile, const DocumentOptions& options) {
  const QString path = dataFile.empty() ? QString() : FullPath(dataFile);
  const QString job = JobSection(path);
  for (const TitleField& field : kTitleFields) {
    if (!field.perPerson && path.isEmpty()) continue;
    settings.WriteString(field.perPerson ? kPersonSection : job, Key(field),
                         QString::fromStdString(options.title.*field.member));
  }
  if (!path.isEmpty()) settings.WriteString(job, kFileKey, path);
  settings.WriteBool(kPersonSection, QStringLiteral("HeightsInMillimetres"),
                     options.heights == HeightUnit::kMillimetres);
  settings.WriteBool(kPersonSection, QStringLiteral("SectionsByMisclosure"), options.sectionsByMisclosure);
}

}  // namespace korvado
