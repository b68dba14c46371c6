#include "platform/open_document.h"

#include <QDir>

namespace vokabi::platform {

void OpenDocument(const DocumentOpener& opener, const QString& operation, const QString& file,
                  const QString&, const QString& directory, int) {
  if (operation != QStringLiteral("open") || file.isEmpty()) return;
  const QUrl address = QUrl::fromUserInput(
      file, directory.isEmpty() ? QDir::currentPath() : directory, QUrl::AssumeLocalFile);
  if (address.isValid() && opener) opener(address);
}

}  // namespace vokabi::platform
