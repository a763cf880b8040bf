// Converts a file from one encoding to another.
//
//   example_convert_encoding latin1 utf-8 < old.txt > new.txt
#include <cstdio>
#include <iostream>
#include <string>

#include "kti18n/base/exception.h"
#include "kti18n/unicode/encoding_layer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: example_convert_encoding FROM TO < INPUT > OUTPUT\n";
    return 2;
  }
  // Names as people write them: "latin1", "windows-1252", "Shift_JIS", "utf8".
  const ExternalEncoding* from = ExternalEncoding::Lookup(argv[1]);
  const ExternalEncoding* to = ExternalEncoding::Lookup(argv[2]);
  if (from == nullptr || to == nullptr) {
    std::cerr << "unknown encoding " << (from == nullptr ? argv[1] : argv[2]) << '\n';
    return 2;
  }
  std::string input;
  char buffer[1 << 16];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, stdin)) input.append(buffer, n);

  try {
    // A pipeline pulled by its sink: bytes, through UCS-2, to other bytes.
    BufferCharSource bytes(input.data(), input.data() + input.size());
    ExternalEncodingConverter converter(bytes, *from, *to);
    std::string output;
    StringActor actor(output);
    CharSink(actor).Put(converter);
    if (std::fwrite(output.data(), 1, output.size(), stdout) != output.size() || std::fflush(stdout) != 0) {
      std::cerr << "cannot write the output\n";
      return 1;
    }
  } catch (const ZVException& e) {
    std::cerr << "conversion failed: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
