#include "platform/open_document.h"

#include <QDesktopServices>
#include <QDir>
#include <utility>

namespace vokabi::platform {

namespace {

DocumentOpener& Opener() {
  static DocumentOpener opener = &QDesktopServices::openUrl;
  return opener;
}

}  // namespace

void OpenDocument(const QString& operation, const QString& file, const QString&,
                  const QString& directory, int) {
  if (operation != QStringLiteral("open") || file.isEmpty()) return;
  const QUrl address = QUrl::fromUserInput(
      file, directory.isEmpty() ? QDir::currentPath() : directory, QUrl::AssumeLocalFile);
  if (address.isValid() && Opener()) Opener()(address);
}

DocumentOpener ReplaceDocumentOpener(DocumentOpener opener) {
  return std::exchange(Opener(),
                       opener ? std::move(opener) : DocumentOpener(&QDesktopServices::openUrl));
}

}  // namespace vokabi::platform
