// libFuzzer target: any bytes given to the reader either load cleanly or are
// refused with FileIOError, and what loads writes back to bytes that read and
// write again to the very same bytes (compared as bytes: a file may hold NaNs).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "DataFile.h"
#include "ModelErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace korvado;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  TKorData journal;
  TNetList nets;
  try {
    ReadDataBytes(bytes, "fuzz.kor", journal, nets);
  } catch (const FileIOError&) {
    if (journal.RecordCount() != 0 || nets.NetCount() != 0) std::abort();  // refused files leave nothing behind
    return 0;
  }
  const std::string written = WriteDataBytes(journal, nets);
  TKorData journalAgain;
  TNetList netsAgain;
  ReadDataBytes(written, "again.kor", journalAgain, netsAgain);
  if (WriteDataBytes(journalAgain, netsAgain) != written) std::abort();
  return 0;
}
