#pragma once
// A picture saved as a PNG file the way every other file is saved: encoded in
// memory first, then put in place whole, so that a failure (a full disk, no
// rights) leaves the file that was there as it was.

#include <QImage>
#include <string>

namespace korvado {

// Raises FileIOError naming the file and the reason.
void SaveImagePng(const QImage& image, const std::string& path);

}  // namespace korvado
