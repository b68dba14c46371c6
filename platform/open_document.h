#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// Opening a document or a web page with the program the user's desktop chooses for it.
namespace vokabi::platform {

// Opens file (a path, or an address) with operation "open"; parameters, the working directory
// and the show command are what the Windows shell takes and the desktops elsewhere ignore.
// Failures are silent; other operations do nothing.
void OpenDocument(const QString& operation, const QString& file, const QString& parameters,
                  const QString& directory, int showCommand);

// What opens the address: the desktop's own handler unless a test puts another in place; returns
// the one it replaces.
using DocumentOpener = std::function<bool(const QUrl&)>;
DocumentOpener ReplaceDocumentOpener(DocumentOpener opener);

}  // namespace vokabi::platform
