#include "ImageFile.h"

#include <QBuffer>
#include <QByteArray>

#include "DataFileMessages.h"
#include "FileReplace.h"
#include "ModelErrors.h"

namespace korvado {

void SaveImagePng(const QImage& image, const std::string& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw FileIOError(SaveFailedMessage(path, "рисунок не удалось закодировать в PNG"));
  ReplaceFileContents(path, bytes.toStdString());
}

}  // namespace korvado
