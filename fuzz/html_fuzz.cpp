// Feeds arbitrary bytes to the conversion of web pages to text. It may not
// crash, hang or read out of bounds, and its text keeps its contract: code
// page 1252 with CR line ends, trimmed, no list-entry marker left behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "acquisition/html_to_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // The first line, when there is one, stands for the window title.
  const std::size_t lf = bytes.find('\n');
  const std::string_view title =
      lf == std::string_view::npos ? std::string_view() : bytes.substr(0, lf);
  const std::string_view html = lf == std::string_view::npos ? bytes : bytes.substr(lf + 1);

  const acquisition::HtmlText out = acquisition::htmlToText(html, title);
  const std::string& text = out.text;
  if (text.find('\n') != std::string::npos) std::abort();
  if (text.find("__#@#") != std::string::npos) std::abort();
  if (!text.empty() && (static_cast<unsigned char>(text.front()) <= ' ' ||
                        static_cast<unsigned char>(text.back()) <= ' '))
    std::abort();
  return 0;
}
