// Decoding and encoding Qt text through the program's code page. Platform side (Qt).
#include "qt/code_page_text.h"

namespace keyrill::qt {

QString DecodeBytes(std::string_view bytes, const CodePage& codePage) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char c : bytes) {
    const char32_t character = codePage.Character(static_cast<unsigned char>(c));
    text.append(QString::fromUcs4(&character, 1));
  }
  return text;
}

int EncodeCharacter(const QString& text, qsizetype& i, const CodePage& codePage) {
  const QChar first = text.at(i++);
  if (first.isHighSurrogate() && i < text.size() && text.at(i).isLowSurrogate()) {
    return codePage.Byte(QChar::surrogateToUcs4(first, text.at(i++)));
  }
  if (first.isSurrogate()) return -1;  // half a pair: no character at all
  return codePage.Byte(first.unicode());
}

std::string EncodeText(const QString& text, const CodePage& codePage) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size();) {
    const int byte = EncodeCharacter(text, i, codePage);
    bytes.push_back(byte < 0 ? '?' : static_cast<char>(byte));
  }
  return bytes;
}

}  // namespace keyrill::qt
