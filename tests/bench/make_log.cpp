// Writes a realistic CQ WPX log of N records (about 250 bytes each) for the benchmark.
// Usage: make_log N OUTPUT
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_log N OUTPUT\n");
    return 2;
  }
  const long records = std::atol(argv[1]);
  std::FILE* out = std::fopen(argv[2], "wb");
  if (out == nullptr) {
    std::perror(argv[2]);
    return 1;
  }
  std::fprintf(out, "N1MM Logger+ ADIF export\r\n<ADIF_VER:5>3.1.0 <PROGRAMID:10>N1MM Logger+\r\n<EOH>\r\n");
  const char* prefixes[] = {"K", "W", "N", "DL", "JA", "G", "VE", "OH", "PY", "UA", "EA", "I", "SP", "ZS", "VK"};
  const char* bands[][2] = {{"40M", "7.0"}, {"20M", "14.0"}, {"15M", "21.0"}, {"10M", "28.0"}, {"80M", "3.5"}};
  unsigned seed = 2024;
  for (long i = 0; i < records; ++i) {
    seed = seed * 1103515245u + 12345u;
    const unsigned r = seed >> 8;
    char call[16];
    std::snprintf(call, sizeof call, "%s%u%c%c%c", prefixes[r % 15], r % 10, 'A' + r % 26, 'A' + (r / 26) % 26,
                  'A' + (r / 676) % 26);
    const auto& band = bands[(r / 7) % 5];
    char freq[16];
    std::snprintf(freq, sizeof freq, "%s%02u%u", band[1], (r / 3) % 60 + 10, r % 10);
    char date[32], time[32], srx[16], stx[16];
    std::snprintf(date, sizeof date, "202403%02ld", 30 + (i * 2 / records));
    std::snprintf(time, sizeof time, "%02ld%02ld%02ld", (i / 3600) % 24, (i / 60) % 60, i % 60);
    std::snprintf(srx, sizeof srx, "%u", (r % 2000) + 1);
    std::snprintf(stx, sizeof stx, "%ld", i % 9999 + 1);
    std::fprintf(out,
                 "<CALL:%zu>%s <QSO_DATE:8>%s <TIME_ON:6>%s <BAND:%zu>%s <FREQ:%zu>%s <MODE:2>CW "
                 "<RST_SENT:3>599 <RST_RCVD:3>599 <SRX:%zu>%s <STX:%zu>%s <APP_N1MM_EXCHANGE1:%zu>%s "
                 "<OPERATOR:4>N0XX <APP_N1MM_CONTINENT:2>NA <APP_N1MM_RADIO_NR:1>1 <APP_N1MM_ISRUNQSO:1>1 "
                 "<EOR>\r\n",
                 std::string(call).size(), call, date, time, std::string(band[0]).size(), band[0],
                 std::string(freq).size(), freq, std::string(srx).size(), srx, std::string(stx).size(), stx,
                 std::string(srx).size(), srx);
  }
  return std::fclose(out) == 0 ? 0 : 1;
}
