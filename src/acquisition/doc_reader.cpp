#include "acquisition/doc_reader.h"

#include <string_view>
#include <vector>

#include "platform/cp1252.h"

namespace acquisition {

namespace {

constexpr std::string_view CompoundSignature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

// antiword without line wrapping, in UTF-8; then catdoc the same way.
std::vector<std::vector<std::string>> converters(const std::string& path) {
  return {{"antiword", "-w", "0", "-m", "UTF-8.txt", path}, {"catdoc", "-w", "-d", "utf-8", path}};
}

WordDocument paragraphs(std::string_view utf8, std::size_t maxTextBytes) {
  WordDocumentBuilder builder(maxTextBytes);
  const std::string text = platform::utf8ToCp1252(utf8);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // The converters set an empty line between paragraphs.
    if (!line.empty()) {
      builder.addText(line, 0);
      builder.endParagraph();
    }
    start = end + 1;
  }
  return builder.finish();
}

} // namespace

bool isCompoundFile(std::string_view head) {
  return head.starts_with(CompoundSignature);
}

WordDocument readDoc(const std::string& path, const DocumentLimits& limits,
                     const ChildLimits& childLimits) {
  ChildLimits bounded = childLimits;
  if (bounded.maxOutputBytes > limits.maxTextBytes) bounded.maxOutputBytes = limits.maxTextBytes;
  for (const std::vector<std::string>& argv : converters(path)) {
    const ChildOutcome run = runProgram(argv, bounded);
    if (run.succeeded() && !run.output.empty()) return paragraphs(run.output, limits.maxTextBytes);
  }
  throw DocumentError(DamagedDocumentMessage);
}

} // namespace acquisition
