// Runs a fuzz target without libFuzzer: every file of the corpus folder, then a bounded
// number of seeded random mutations of them (TARMAQ_FUZZ_RUNS, default 3000). A crash or a
// sanitizer report fails the test; the seed and run number are printed first so a
// failure can be replayed.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::string mutate(std::string s, std::mt19937& rng) {
  std::uniform_int_distribution<int> op(0, 6);
  std::uniform_int_distribution<int> byte(0, 255);
  static const char* const tokens[] = {
      ",",      "\"",  "\n",      "\r\n",      ";",   " ",       "-",        "99999", "1e308",
      "-32769", "nan", "Corners", "Backcolor", "Pit", "Garages", "\xff\xfe", "0"};
  int edits = 1 + static_cast<int>(rng() % 8);
  for (int e = 0; e < edits; ++e) {
    std::size_t at = s.empty() ? 0 : rng() % (s.size() + 1);
    switch (op(rng)) {
      case 0:
        if (!s.empty() && at < s.size()) s[at] = static_cast<char>(byte(rng));
        break;
      case 1:
        if (!s.empty() && at < s.size()) s.erase(at, 1 + rng() % 16);
        break;
      case 2:
        s.insert(at, tokens[rng() % (sizeof tokens / sizeof *tokens)]);
        break;
      case 3:
        s.resize(at);  // truncation
        break;
      case 4:
        if (!s.empty()) {
          std::size_t from = rng() % s.size();
          std::size_t len = 1 + rng() % 64;
          s.insert(at, s.substr(from, len));
        }
        break;
      case 5:
        s.insert(at, 1, static_cast<char>(byte(rng)));
        break;
      default:
        if (!s.empty() && at < s.size() && s[at] >= '0' && s[at] <= '9')
          s[at] = static_cast<char>('0' + rng() % 10);
        break;
    }
  }
  return s;
}

void run(const std::string& input) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> corpus;
  if (argc > 1 && std::filesystem::is_directory(argv[1])) {
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  if (corpus.empty()) corpus.emplace_back();
  for (const auto& input : corpus) run(input);

  long runs = 3000;
  if (const char* env = std::getenv("TARMAQ_FUZZ_RUNS")) runs = std::strtol(env, nullptr, 10);
  unsigned seed = 20261211;
  if (const char* env = std::getenv("TARMAQ_FUZZ_SEED"))
    seed = static_cast<unsigned>(std::strtoul(env, nullptr, 10));
  std::mt19937 rng(seed);
  std::printf("replayed %zu corpus files; %ld mutations with seed %u\n", corpus.size(), runs, seed);
  std::fflush(stdout);
  for (long i = 0; i < runs; ++i) {
    std::string input = corpus[static_cast<std::size_t>(i) % corpus.size()];
    int generations = 1 + static_cast<int>(rng() % 3);
    for (int g = 0; g < generations; ++g) input = mutate(std::move(input), rng);
    run(input);
  }
  return 0;
}
