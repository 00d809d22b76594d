#include "DataFileMessages.h"

#include <cerrno>

namespace korvado {

std::string OpenFailedMessage(const std::string& fileName, const std::string& what) {
  return "Не удалось открыть файл данных \"" + fileName + "\": " + what;
}

std::string SaveFailedMessage(const std::string& fileName, const std::string& reason) {
  return "Не удалось сохранить файл \"" + fileName + "\": " + reason + ". Файл на диске не изменён.";
}

std::string ReadErrorText(int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
      return kFileNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
      return kFileAccessDenied;
    default:
      return "ошибка ввода-вывода " + std::to_string(errorNumber);
  }
}

std::string WriteErrorText(int errorNumber) {
  switch (errorNumber) {
    case EACCES:
    case EPERM:
      return "нет прав на запись";
    case EROFS:
      return "диск доступен только для чтения";
    case ENOSPC:
#ifdef EDQUOT  // no disk quotas in the Windows C library's numbers
    case EDQUOT:
#endif
    case EFBIG:
      return "недостаточно места на диске";
    case ENOENT:
      return "папка не найдена";
    case ENOTDIR:
      return "часть пути не является папкой";
    case EISDIR:
      return "под этим именем уже есть папка";
    case ENAMETOOLONG:
      return "слишком длинное имя файла";
    case ELOOP:
      return "слишком много символических ссылок подряд";
    default:
      return "ошибка ввода-вывода " + std::to_string(errorNumber);
  }
}

}  // namespace korvado
