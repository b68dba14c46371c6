#pragma once

#include <QStringList>
#include <functional>

// The printers the settings dialog offers.
namespace vokabi::ui {

// The device names of the installed printers, in the system's order.
QStringList InstalledPrinters();

// Where the names come from: the system's print service unless a test puts its own list in
// place; returns the source it replaces.
using PrinterSource = std::function<QStringList()>;
PrinterSource ReplacePrinterSource(PrinterSource source);

}  // namespace vokabi::ui
