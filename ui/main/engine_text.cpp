#include "ui/main/engine_text.h"

#include "platform/codepage.h"

namespace vokabi::ui {

QString DecodeText(int charset, std::string_view bytes) {
  const std::string utf8 = platform::DecodeCharset(charset, bytes).utf8;
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string EncodeWord(const QString& text, int charset1, int charset2) {
  const QByteArray utf8 = text.toUtf8();
  const std::string_view view(utf8.constData(), static_cast<std::size_t>(utf8.size()));
  return platform::EncodeForBase(view, charset1, charset2);
}

}  // namespace vokabi::ui
