#include "ui/main/startup.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>

#include "app/app_context.h"
#include "app/base_discovery.h"
#include "app/base_forms.h"
#include "app/base_order.h"
#include "app/catalogue.h"
#include "app/hand_off.h"
#include "app/system_case_map.h"
#include "platform/base_folders.h"
#include "platform/end_request.h"
#include "platform/instance_channel.h"
#include "platform/spelling_folders.h"
#include "resources/pictures.h"
#include "ui/controls/schemes.h"
#include "ui/main/base_loader.h"
#include "ui/main/engine_text.h"
#include "ui/main/form1.h"
#include "ui/main/test_probe.h"

namespace vokabi::ui {

namespace {

using platform::InstanceChannel;

constexpr int kFailureStatus = 1;
constexpr std::int32_t kProductNameText = 15;
// Long enough for the running start to finish a lookup on a busy machine.
constexpr std::chrono::seconds kHandOffTimeout{5};
// A running start that ends while it is handed the text is gone; this start then claims again.
constexpr int kHandOffAttempts = 3;
// The other bases start loading at the window's first paint, or after this at the latest.
constexpr std::chrono::milliseconds kLatestOthersStart{500};

// Where a damaged settings file was kept, by interface language; %1 is its path.
constexpr std::array<const char*, 7> kDamageNotice = {
    "Файлът с настройките беше повреден. Запазен е като %1, а настройките започват отначало.",
    "The settings file was damaged. It was kept as %1 and the settings start afresh.",
    "Le fichier des réglages était endommagé. Il a été conservé sous %1 et les réglages "
    "repartent de zéro.",
    "Die Einstellungsdatei war beschädigt. Sie wurde als %1 aufbewahrt, und die Einstellungen "
    "beginnen neu.",
    "El archivo de ajustes estaba dañado. Se ha guardado como %1 y los ajustes empiezan de nuevo.",
    "Il file delle impostazioni era danneggiato. È stato conservato come %1 e le impostazioni "
    "ripartono da zero.",
    "Файл настроек был повреждён. Он сохранён как %1, а настройки начинаются заново.",
};

// The place of the hand-off channel is not the user's own, by interface language; %1 is its path.
constexpr std::array<const char*, 7> kUnsafeChannelNotice = {
    "Папката %1 принадлежи на друг потребител или не е папка. Програмата работи самостоятелно и "
    "не предава думи на вече работещото ѝ копие.",
    "The folder %1 belongs to another user or is not a folder. The program runs on its own and "
    "does not hand words to a copy already running.",
    "Le dossier %1 appartient à un autre utilisateur ou n'est pas un dossier. Le programme "
    "fonctionne seul et ne transmet pas de mots à une copie déjà lancée.",
    "Der Ordner %1 gehört einem anderen Benutzer oder ist kein Ordner. Das Programm läuft für "
    "sich und übergibt keine Wörter an eine bereits laufende Kopie.",
    "La carpeta %1 pertenece a otro usuario o no es una carpeta. El programa funciona solo y no "
    "pasa palabras a una copia que ya esté en marcha.",
    "La cartella %1 appartiene a un altro utente o non è una cartella. Il programma funziona da "
    "solo e non passa parole a una copia già in esecuzione.",
    "Папка %1 принадлежит другому пользователю или не является папкой. Программа работает сама "
    "по себе и не передаёт слова уже запущенной копии.",
};

// The settings could not be reached, by interface language; %1 is the file in the way.
constexpr std::array<const char*, 7> kSettingsLockedNotice = {
    "Файлът %1 на настройките е заключен от друга програма. Затворете я и стартирайте отново.",
    "The settings file %1 is kept locked by another program. Close that program and start "
    "again.",
    "Le fichier des réglages %1 est verrouillé par un autre programme. Fermez ce programme et "
    "relancez.",
    "Die Einstellungsdatei %1 wird von einem anderen Programm gesperrt. Schließen Sie dieses "
    "Programm und starten Sie erneut.",
    "El archivo de ajustes %1 está bloqueado por otro programa. Cierre ese programa y vuelva a "
    "empezar.",
    "Il file delle impostazioni %1 è bloccato da un altro programma. Chiudete quel programma e "
    "riavviate.",
    "Файл настроек %1 заблокирован другой программой. Закройте её и запустите снова.",
};
constexpr std::array<const char*, 7> kSettingsNotAFileNotice = {
    "%1 не е обикновен файл и не може да съхранява настройките. Преместете го или го изтрийте и "
    "стартирайте отново.",
    "%1 is not an ordinary file and cannot hold the settings. Move or delete it and start again.",
    "%1 n'est pas un fichier ordinaire et ne peut pas contenir les réglages. Déplacez-le ou "
    "supprimez-le et relancez.",
    "%1 ist keine gewöhnliche Datei und kann die Einstellungen nicht aufnehmen. Verschieben oder "
    "löschen Sie sie und starten Sie erneut.",
    "%1 no es un archivo normal y no puede guardar los ajustes. Muévalo o bórrelo y vuelva a "
    "empezar.",
    "%1 non è un file normale e non può contenere le impostazioni. Spostatelo o cancellatelo e "
    "riavviate.",
    "%1 не является обычным файлом и не может хранить настройки. Переместите или удалите его и "
    "запустите снова.",
};

QString InterfaceText(const AppContext& context, const std::string& bytes) {
  return DecodeText(context.Language.LanguageCharset, bytes);
}

QString Title(const AppContext& context) {
  return InterfaceText(context, UiText(context.Language, kProductNameText));
}

// The error path: the current message with the stop icon; the program then ends.
int Fail(const AppContext& context, MessageBoxFunction show) {
  show(QMessageBox::Critical, Title(context), InterfaceText(context, context.AppError.MsgText()));
  return kFailureStatus;
}

int Fail(AppContext& context, MessageBoxFunction show, std::int32_t nomer) {
  context.AppError.SetNomer(nomer);
  return Fail(context, show);
}

// One of the notices above in the interface language, about path.
QString Notice(const AppContext& context, const std::array<const char*, 7>& texts,
               const QString& path) {
  const auto language = static_cast<std::size_t>(context.Language.Ezik()) % texts.size();
  return QString::fromUtf8(texts[language]).arg(path);
}

void ReportDamagedSettings(AppContext& context, MessageBoxFunction show) {
  while (const auto kept = context.Store().TakeDamageNotice()) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(kept->string()));
    show(QMessageBox::Information, Title(context), Notice(context, kDamageNotice, path));
  }
}

// The settings could not be read: what stood in the way when the store can tell, else the
// current message; the program then ends.
int FailSettings(AppContext& context, MessageBoxFunction show) {
  const std::optional<platform::StoreTrouble> trouble = context.Store().TakeTrouble();
  if (!trouble) return Fail(context, show);
  const QString path = QFile::decodeName(QByteArray::fromStdString(trouble->file.string()));
  const bool locked = trouble->kind == platform::StoreTrouble::Kind::kLocked;
  show(QMessageBox::Critical, Title(context),
       Notice(context, locked ? kSettingsLockedNotice : kSettingsNotAFileNotice, path));
  return kFailureStatus;
}

// Hands the command line to a running start: the exit status, or none when no start answered
// and this one has become the first.
std::optional<int> HandOffToRunning(InstanceChannel& channel, const QString& commandLine) {
  const QByteArray text = commandLine.toUtf8();
  const platform::CopyData message =
      MakeHandOff(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
  for (int attempt = 1;; ++attempt) {
    if (channel.Claim() == InstanceChannel::Role::kFirst) return std::nullopt;
    const InstanceChannel::Delivery delivery = channel.Send(message, kHandOffTimeout);
    if (delivery == InstanceChannel::Delivery::kTaken) return 0;
    if (delivery == InstanceChannel::Delivery::kNoAnswer || attempt == kHandOffAttempts) {
      std::fputs("vokabi: the running Vokabi did not take the command line\n", stderr);
      return kFailureStatus;
    }
  }
}

// The primary screen's size in twips, as the stored window position counts.
QSize ScreenTwips() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const double twipsPerPixel = 1440.0 / screen->logicalDotsPerInch();
  return {qRound(screen->size().width() * twipsPerPixel),
          qRound(screen->size().height() * twipsPerPixel)};
}

// Starts loading the other bases once the window has been painted, so that they never compete
// with its showing; at once when it starts hidden.
class FirstPaintStart : public QObject {
 public:
  FirstPaintStart(QWidget& window, BaseLoader& loader) : QObject(&window), loader_(loader) {
    window.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // After the paint has gone to the screen.
      QTimer::singleShot(0, &loader_, &BaseLoader::Start);
    }
    return false;
  }

 private:
  BaseLoader& loader_;
};

void StartAfterFirstPaint(QWidget& window, BaseLoader& loader) {
  if (!window.isVisible()) {
    QTimer::singleShot(0, &loader, &BaseLoader::Start);
    return;
  }
  new FirstPaintStart(window, loader);
  // A window the window system never exposes (on another desktop, say) is painted late or not
  // at all; the bases do not wait for it.
  QTimer::singleShot(kLatestOthersStart, &loader, &BaseLoader::Start);
}

// From the settings on: the shared objects, the bases and the window, then the event loop.
int RunFirst(AppContext& context, MessageBoxFunction show, InstanceChannel& channel,
             const QString& commandLine, const QString& appFolder) {
  const QSize screen = ScreenTwips();
  if (const Outcome loaded = LoadSettings(context, screen.width(), screen.height()); !loaded) {
    context.AppError.SetNomer(loaded.Nomer());
    return FailSettings(context, show);
  }
  ReportDamagedSettings(context, show);
  // Said once: saving then fails without another word.
  if (context.Store().ReadOnly()) {
    show(QMessageBox::Information, Title(context),
         InterfaceText(context, context.AppError.MsgByNomer(msg::kReadOnlySettings)));
  }

  AppState app{context};
  app.Colours = LookupSchemeColours(QString::fromStdString(context.AppSettings.Style));
  const QString face = QString::fromStdString(context.AppSettings.UseFont);
  app.FontLarge = QFont(face, 12);
  app.FontSmall = QFont(face, 10);
  app.AppCrypto = std::make_unique<MakeCrypto>(context.AppError);

  const std::filesystem::path folder = QFile::encodeName(appFolder).toStdString();
  std::vector<std::string> names;
  for (const std::filesystem::path& base : FindBases(platform::BaseFolders(folder)))
    names.push_back(base.string());
  if (names.empty()) return Fail(context, show, msg::kNoBases);
  // Only the working base loads before the window shows; the others follow while it works, so
  // the start does not grow with their number.
  ListBases(app, names);
  if (!LoadWorkingBase(app)) return Fail(context, show, msg::kNoBases);
  // Nothing is read until a lookup misses.
  app.Forms = std::make_unique<BaseForms>(platform::SpellingFolders(folder));
  app.BaseCompanions = std::make_unique<Companions>(platform::SpellingFolders(folder));

  QApplication::setWindowIcon(ProgramIcon());
  TestProbe probe;
  BaseLoader loader(app);
  Form1 form(app);
  QObject::connect(&loader, &BaseLoader::Arrived, &form, &Form1::BaseArrived);
  QObject::connect(&loader, &BaseLoader::Dropped, &form, &Form1::BaseDropped);
  QObject::connect(&loader, &BaseLoader::Finished, &form,
                   [&probe, &form, &app] { probe.Ready(&form, app); });
  probe.WatchFirstPaint(&form);
  form.Form_Load(commandLine);
  StartAfterFirstPaint(form, loader);
  channel.Receive([&form, &probe](const platform::CopyData& message) {
    if (const std::optional<std::string> text = ReceiveCopyData(message)) {
      form.TranslateHandedText(
          QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size())));
      probe.Lookup(&form);
    }
  });
  const platform::EndRequestWatcher endRequests([&form] { form.CloseAndSave(); });
  return QApplication::exec();
}

}  // namespace

void ShowMessageBoxAndPrint(QMessageBox::Icon icon, const QString& title, const QString& text) {
  PrintMessage(icon, title, text);
  QMessageBox box(icon, title, text, QMessageBox::Ok);
  box.exec();
}

void PrintMessage(QMessageBox::Icon, const QString& title, const QString& text) {
  std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(), text.toLocal8Bit().constData());
}

QString CommandLineText(const QStringList& arguments) {
  return arguments.join(QLatin1Char(' '));
}

namespace {

// Where one load reports while it runs beside the others.
class LoadErrors : public ErrorReport {
 public:
  void SetNomer(std::int32_t nomer) override {
    nomer_ = nomer;
    reported_ = true;
  }
  std::int32_t Nomer() const override { return nomer_; }
  bool Reported() const { return reported_; }

 private:
  std::int32_t nomer_ = msg::kNone;
  bool reported_ = false;
};

struct BaseLoad {
  LoadErrors errors;
  std::unique_ptr<MakeCrypto> crypto;
  std::unique_ptr<Dictionary> dictionary;
  bool loaded = false;
  std::exception_ptr failure;
};

}  // namespace

namespace {

// Deciphering each base's index is most of the start: the bases load side by side, each with its
// own cipher and message object, so no load sees another's message.
std::vector<BaseLoad> LoadSideBySide(const std::filesystem::path& folder,
                                     const std::vector<std::string>& names, std::size_t first,
                                     std::size_t count) {
  std::vector<BaseLoad> loads(count);
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t i = next++; i < loads.size(); i = next++) {
      BaseLoad& load = loads[i];
      try {
        load.crypto = std::make_unique<MakeCrypto>(load.errors);
        load.dictionary =
            std::make_unique<Dictionary>(*load.crypto, load.errors, folder, &SystemCaseMap);
        load.loaded = load.dictionary->Initialize(names[first + i]);
      } catch (...) {
        load.failure = std::current_exception();
      }
    }
  };
  const std::size_t threads =
      std::min<std::size_t>(count, std::max(1U, std::thread::hardware_concurrency()));
  std::vector<std::thread> helpers;
  for (std::size_t t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();
  return loads;
}

}  // namespace

void LoadBases(AppState& app, const std::filesystem::path& folder,
               const std::vector<std::string>& names) {
  ErrorClass& appError = app.Context.AppError;
  if (!app.AppCrypto) app.AppCrypto = std::make_unique<MakeCrypto>(appError);
  // A round loads only as many as places are left, so a folder of many files never holds more
  // than the limit's indexes at once.
  std::size_t first = 0;
  while (first < names.size() && app.Dictionaries.size() < kMaxBaseFiles) {
    const std::size_t count =
        std::min(names.size() - first, kMaxBaseFiles - app.Dictionaries.size());
    std::vector<BaseLoad> loads = LoadSideBySide(folder, names, first, count);
    first += count;
    // Then in name order, as if one had loaded after the other: the program's message is what
    // the last load tried left.
    for (BaseLoad& load : loads) {
      if (load.failure) std::rethrow_exception(load.failure);
      if (load.errors.Reported()) appError.SetNomer(load.errors.Nomer());
      if (!load.loaded) continue;
      load.dictionary->ReportTo(*app.AppCrypto, appError);
      app.Dictionaries.push_back(std::move(load.dictionary));
    }
  }
}

int Main(AppContext& context, MessageBoxFunction show, const QString& commandLine,
         const QString& appFolder) {
  bool languageChosen = false;
  try {
    if (const Outcome selected = SelectLanguage(context); !selected) {
      // Nothing stored could be read: the message is told in the system's language.
      context.Language = LanguageForSetting(kNoLanguageStored);
      context.AppError.SetNomer(selected.Nomer());
      return FailSettings(context, show);
    }
    languageChosen = true;
    const QString channelName = platform::UserChannelName();
    if (channelName.isEmpty()) {
      show(QMessageBox::Warning, Title(context),
           Notice(context, kUnsafeChannelNotice, platform::UserChannelFallbackFolder()));
    }
    InstanceChannel channel(channelName);
    if (const std::optional<int> status = HandOffToRunning(channel, commandLine)) {
      ReportDamagedSettings(context, show);
      return *status;
    }
    return RunFirst(context, show, channel, commandLine, appFolder);
  } catch (const std::exception&) {
    // Only reading the settings comes before the language: that is what failed.
    if (!languageChosen) {
      context.Language = LanguageForSetting(kNoLanguageStored);
      context.AppError.SetNomer(msg::kRegistryOpenFailed);
    }
    return Fail(context, show);
  }
}

}  // namespace vokabi::ui
