#include "tests/support/process_encoding.h"

#if defined(_WIN32)
#include <windows.h>

#include <vector>

std::string InProcessEncoding(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  std::vector<wchar_t> wide(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), size);
  std::vector<char> bytes(static_cast<std::size_t>(length) * 2 + 1);
  const int written = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, bytes.data(),
                                          static_cast<int>(bytes.size()), "?", nullptr);
  return std::string(bytes.data(), static_cast<std::size_t>(written));
}

bool ProcessEncodingIsUtf8() { return GetACP() == CP_UTF8; }

bool ProcessEncodingIsDoubleByte() {
  CPINFO info{};
  return GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 2;
}

#else
#include <iconv.h>
#include <langinfo.h>

#include <cstdlib>
#include <cstring>

namespace {

const char* Encoding() {
  const char* codeset = nl_langinfo(CODESET);
  return std::strcmp(codeset, "ANSI_X3.4-1968") == 0 ? "UTF-8" : codeset;
}

// The length of the UTF-8 sequence that starts with the byte.
std::size_t SequenceLength(unsigned char lead) {
  return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

}  // namespace

bool ProcessEncodingIsUtf8() { return std::strcmp(Encoding(), "UTF-8") == 0; }

bool ProcessEncodingIsDoubleByte() { return !ProcessEncodingIsUtf8() && MB_CUR_MAX > 1; }

std::string InProcessEncoding(const std::string& utf8) {
  if (ProcessEncodingIsUtf8()) return utf8;
  iconv_t converter = iconv_open(Encoding(), "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return utf8;
  std::string result;
  // One character at a time, so that a character the encoding lacks becomes '?'.
  for (std::size_t at = 0; at < utf8.size();) {
    std::size_t length = SequenceLength(static_cast<unsigned char>(utf8[at]));
    if (length > utf8.size() - at) length = utf8.size() - at;
    char in[4];
    char out[16];
    std::memcpy(in, utf8.data() + at, length);
    char* input = in;
    char* output = out;
    std::size_t inLeft = length;
    std::size_t outLeft = sizeof out;
    if (iconv(converter, &input, &inLeft, &output, &outLeft) == static_cast<std::size_t>(-1)) {
      result += '?';
    } else {
      result.append(out, static_cast<std::size_t>(output - out));
    }
    at += length;
  }
  iconv_close(converter);
  return result;
}

#endif
