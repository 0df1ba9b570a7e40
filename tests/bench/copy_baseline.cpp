// The yardstick of the benchmark: a plain fgets-read plus fprintf-write loop over a file.
// Usage: copy_baseline INPUT OUTPUT
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  std::FILE* in = std::fopen(argv[1], "rb");
  std::FILE* out = std::fopen(argv[2], "wb");
  if (in == nullptr || out == nullptr) return 1;
  char line[512];
  while (std::fgets(line, sizeof line, in) != nullptr) std::fprintf(out, "%s", line);
  std::fclose(in);
  return std::fclose(out) == 0 ? 0 : 1;
}
