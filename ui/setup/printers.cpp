#include "ui/setup/printers.h"

#include <QPrinterInfo>
#include <utility>

namespace vokabi::ui {

namespace {

QStringList SystemPrinters() {
  return QPrinterInfo::availablePrinterNames();
}

PrinterSource& Source() {
  static PrinterSource source = &SystemPrinters;
  return source;
}

}  // namespace

QStringList InstalledPrinters() {
  return Source()();
}

PrinterSource ReplacePrinterSource(PrinterSource source) {
  return std::exchange(Source(), source ? std::move(source) : PrinterSource(&SystemPrinters));
}

}  // namespace vokabi::ui
