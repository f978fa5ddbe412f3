// Feeds every file of the folders named on the command line to the fuzz target
// it is linked with, one call each, as libFuzzer does with a corpus: the
// corpus in the tree is replayed by the ordinary test build, without clang.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  std::size_t antall = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<std::filesystem::path> filer;
    for (const auto& e : std::filesystem::directory_iterator(argv[i]))
      if (e.is_regular_file()) filer.push_back(e.path());
    std::sort(filer.begin(), filer.end());
    for (const auto& f : filer) {
      std::ifstream inn(f, std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(inn)), std::istreambuf_iterator<char>());
      std::printf("%s\n", f.string().c_str());
      std::fflush(stdout);  // named before a failure aborts
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++antall;
    }
  }
  std::printf("%zu inndata\n", antall);
  return antall == 0 ? 1 : 0;  // an empty or missing corpus tests nothing
}
