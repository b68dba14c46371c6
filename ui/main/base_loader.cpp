#include "ui/main/base_loader.h"

#include <algorithm>
#include <array>
#include <exception>

#include "app/base_order.h"
#include "app/settings.h"
#include "app/system_case_map.h"
#include "ui/main/startup.h"

namespace vokabi::ui {

namespace {

constexpr std::array<const char*, 7> kStillLoading = {
    "Речникът още се зарежда…",
    "The dictionary is still loading…",
    "Le dictionnaire est en cours de chargement…",
    "Das Wörterbuch wird noch geladen…",
    "El diccionario todavía se está cargando…",
    "Il dizionario è ancora in caricamento…",
    "Словарь ещё загружается…",
};

// Where one load reports while it runs beside the others.
class LoadErrors : public ErrorReport {
 public:
  void SetNomer(std::int32_t nomer) override { nomer_ = nomer; }
  std::int32_t Nomer() const override { return nomer_; }

 private:
  std::int32_t nomer_ = msg::kNone;
};

}  // namespace

struct BaseLoader::Load {
  std::string name;
  LoadErrors errors;
  std::unique_ptr<MakeCrypto> crypto;
  std::unique_ptr<Dictionary> dictionary;
  bool loaded = false;
};

void ListBases(AppState& app, const std::vector<std::string>& names) {
  ErrorClass& appError = app.Context.AppError;
  if (!app.AppCrypto) app.AppCrypto = std::make_unique<MakeCrypto>(appError);
  for (const std::string& name : names) {
    if (app.Dictionaries.size() >= kMaxBaseFiles) break;
    auto dictionary = std::make_unique<Dictionary>(*app.AppCrypto, appError,
                                                   std::filesystem::path(), &SystemCaseMap);
    if (dictionary->ReadHeader(name)) app.Dictionaries.push_back(std::move(dictionary));
  }
}

std::int16_t ChooseWorkingBase(AppState& app) {
  std::int16_t work = 0;
  if (WorkDicStored(app.Context)) {
    work = ReadWorkDic(app.Context);
  } else {
    std::vector<std::array<std::string, 7>> names;
    for (const auto& dictionary : app.Dictionaries) names.push_back(dictionary->LanguageNames());
    work = FirstWorkingBase(names, app.Context.Language.Ezik());
  }
  return work >= 0 && work < static_cast<int>(app.Dictionaries.size()) ? work : 0;
}

bool LoadWorkingBase(AppState& app) {
  while (!app.Dictionaries.empty()) {
    const auto work = static_cast<std::size_t>(ChooseWorkingBase(app));
    Dictionary& dictionary = *app.Dictionaries[work];
    if (dictionary.Initialize(dictionary.DicName())) return true;
    app.Dictionaries.erase(app.Dictionaries.begin() + static_cast<std::ptrdiff_t>(work));
  }
  return false;
}

QString StillLoadingText(const InterfaceLanguage& language) {
  const auto index = static_cast<std::size_t>(language.Ezik()) % kStillLoading.size();
  return QString::fromUtf8(kStillLoading[index]);
}

BaseLoader::BaseLoader(AppState& app, QObject* parent) : QObject(parent), app_(app) {}

BaseLoader::~BaseLoader() {
  stopping_ = true;
  workers_.clear();
}

void BaseLoader::Start() {
  if (started_) return;
  started_ = true;
  auto names = std::make_shared<std::vector<std::string>>();
  for (const auto& dictionary : app_.Dictionaries)
    if (!dictionary->Initi()) names->push_back(dictionary->DicName());
  waiting_ = static_cast<int>(names->size());
  if (names->empty()) {
    emit Finished();
    return;
  }
  // One core stays the window's: it goes on drawing and answering while the others load.
  const unsigned cores = std::max(2U, std::thread::hardware_concurrency());
  const std::size_t threads = std::min<std::size_t>(names->size(), cores - 1);
  auto next = std::make_shared<std::atomic<std::size_t>>(0);
  for (std::size_t t = 0; t < threads; ++t) {
    workers_.emplace_back([this, names, next] {
      for (std::size_t i = (*next)++; i < names->size() && !stopping_; i = (*next)++) {
        auto load = std::make_shared<Load>();
        load->name = (*names)[i];
        try {
          load->crypto = std::make_unique<MakeCrypto>(load->errors);
          load->dictionary = std::make_unique<Dictionary>(*load->crypto, load->errors,
                                                          std::filesystem::path(), &SystemCaseMap);
          load->loaded = load->dictionary->Initialize(load->name);
        } catch (const std::exception&) {
          // Out of memory for this base: it is dropped as a damaged one is.
          load->loaded = false;
        }
        QMetaObject::invokeMethod(
            this, [this, load] { Take(load); }, Qt::QueuedConnection);
      }
    });
  }
}

void BaseLoader::Take(const std::shared_ptr<Load>& load) {
  auto& bases = app_.Dictionaries;
  const auto place = std::find_if(bases.begin(), bases.end(), [&](const auto& dictionary) {
    return !dictionary->Initi() && dictionary->DicName() == load->name;
  });
  if (place != bases.end()) {
    const int index = static_cast<int>(place - bases.begin());
    if (load->loaded) {
      load->dictionary->ReportTo(*app_.AppCrypto, app_.Context.AppError);
      *place = std::move(load->dictionary);
      emit Arrived(index);
    } else {
      bases.erase(place);
      emit Dropped(index);
    }
  }
  if (--waiting_ == 0) emit Finished();
}

}  // namespace vokabi::ui
