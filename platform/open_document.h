#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// Opening a document or a web page with the program the user's desktop chooses for it.
namespace vokabi::platform {

// What opens an address: the desktop's own handler (QDesktopServices::openUrl), or a stand-in.
using DocumentOpener = std::function<bool(const QUrl&)>;

// Opens file (a path, or an address) with operation "open" through opener; parameters, the
// working directory and the show command are what the Windows shell takes and the desktops
// elsewhere ignore. Failures are silent; other operations do nothing.
void OpenDocument(const DocumentOpener& opener, const QString& operation, const QString& file,
                  const QString& parameters, const QString& directory, int showCommand);

}  // namespace vokabi::platform
