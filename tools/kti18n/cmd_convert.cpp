// kti18n convert --from NAME --to NAME: converts standard input to standard
// output between two encodings of the table (or UTF-8).
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#include "cli.h"
#include "kti18n/base/exception.h"
#include "kti18n/unicode/encoding_layer.h"

namespace {

// Writes the converted text as it comes.
class StdoutActor final : public UnicodeLibActor {
 public:
  void Act(const unsigned char* bytes, std::size_t n) override {
    if (std::fwrite(bytes, 1, n, stdout) != n) failed_ = true;
  }
  bool failed() const { return failed_; }

 private:
  bool failed_ = false;
};

std::string ReadAll(std::FILE* in) {
  std::string data;
  char buffer[1 << 16];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, in)) data.append(buffer, n);
  return data;
}

int run(const cli::Args& args) {
  cli::Options options(args, {"from", "to"}, {});
  if (!options.ok()) return cli::usage_error(options.error());
  if (!options.positional().empty()) return cli::usage_error("convert reads standard input; it takes no file names");
  if (!options.has("from") || !options.has("to")) return cli::usage_error("convert needs --from NAME and --to NAME");
  const std::string from = options.value("from"), to = options.value("to");
  const ExternalEncoding* source = ExternalEncoding::Lookup(from.c_str());
  const ExternalEncoding* target = ExternalEncoding::Lookup(to.c_str());
  if (source == nullptr) return cli::usage_error("unknown encoding " + from + " (see kti18n encodings)");
  if (target == nullptr) return cli::usage_error("unknown encoding " + to + " (see kti18n encodings)");

  const std::string input = ReadAll(stdin);
  if (std::ferror(stdin)) {
    std::cerr << "kti18n: cannot read standard input\n";
    return 1;
  }
  try {
    BufferCharSource bytes(input.data(), input.data() + input.size());
    ExternalEncodingConverter converter(bytes, *source, *target);
    StdoutActor actor;
    CharSink(actor).Put(converter);
    if (actor.failed() || std::fflush(stdout) != 0) {
      std::cerr << "kti18n: cannot write standard output\n";
      return 1;
    }
  } catch (const ZVException& e) {
    std::cerr << "kti18n: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

cli::Registration reg("convert", "--from NAME --to NAME: convert standard input to standard output", run);

}  // namespace
