#pragma once
// Errors that end the command in progress; the application's general handler shows their text.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace korvado {

class KorvadoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A list read or written at a position it does not have.
class ListIndexError : public KorvadoError {
 public:
  explicit ListIndexError(int32_t index);
};

// Text that is not a number, or not one the field can hold, where a number is required.
class ConversionError : public KorvadoError {
 public:
  using KorvadoError::KorvadoError;
};

// A data file that cannot be read or written.
class FileIOError : public KorvadoError {
 public:
  using KorvadoError::KorvadoError;
};

// Text that cannot be stored in the single-byte code page of the data file.
class EncodingError : public KorvadoError {
 public:
  using KorvadoError::KorvadoError;
};

}  // namespace korvado
