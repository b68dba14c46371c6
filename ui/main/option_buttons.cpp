#include "ui/main/option_buttons.h"

#include <QButtonGroup>
#include <QIcon>
#include <QKeyEvent>
#include <cctype>
#include <string>
#include <string_view>

#include "app/language.h"
#include "resources/pictures.h"
#include "ui/controls/key_codes.h"
#include "ui/main/base_loader.h"
#include "ui/main/engine_text.h"
#include "ui/main/flag_button.h"

namespace vokabi::ui {

namespace {

// The flag of a base by the language pair its ID begins with.
int FlagResource(const std::string& id) {
  struct Flag {
    std::string_view prefix;
    int resource;
  };
  // Spanish bases are "esbg", after the language's code, as well as the older "spbg".
  constexpr Flag kFlags[] = {{"enbgvk", 102}, {"frbgvk", 103}, {"debgvk", 104}, {"spbgvk", 105},
                             {"esbgvk", 105}, {"itbgvk", 106}, {"rubgvk", 107}};
  std::string prefix = id.substr(0, 6);
  for (char& c : prefix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const Flag& flag : kFlags) {
    if (prefix == flag.prefix) return flag.resource;
  }
  return 108;
}

}  // namespace

OptionButtons::OptionButtons(QWidget& window, const AppState& app, const QRect& first)
    : QObject(&window), window_(window), app_(app), group_(new QButtonGroup(this)) {
  options_.push_back(Make(0));
  options_[0]->setGeometry(first);
}

FlagButton* OptionButtons::Make(int index) {
  auto* option = new FlagButton(&window_);
  option->setObjectName(QStringLiteral("Option1_%1").arg(index));
  option->SetNumber(index);
  option->setIconSize(QSize(22, 14));
  group_->addButton(option, index);
  option->installEventFilter(this);
  connect(option, &QToolButton::clicked, this, [this, index] { emit Clicked(index); });
  return option;
}

void OptionButtons::Build() {
  if (options_.size() > 1) return;
  for (int i = 1; i < BaseCount(); ++i) {
    const QRect before = options_[i - 1]->geometry();
    FlagButton* option = Make(i);
    // A new row when this button would leave less than one more button's width and 6 to spare.
    if (before.left() + 2 * before.width() + 6 < window_.width()) {
      option->setGeometry(before.translated(before.width(), 0));
    } else {
      option->setGeometry(options_[0]->x(), before.bottom() + 1, before.width(), before.height());
    }
    QWidget::setTabOrder(options_[i - 1], option);
    options_.push_back(option);
    option->show();
  }
  for (int i = 0; i < BaseCount(); ++i) Describe(i);
}

void OptionButtons::Describe(int index) {
  FlagButton* option = options_[static_cast<std::size_t>(index)];
  const Dictionary& dictionary = *app_.Dictionaries.at(static_cast<std::size_t>(index));
  const QPixmap flag = FlagBitmap(FlagResource(dictionary.ID()));
  const QString loading = dictionary.Initi() ? QString() : StillLoadingText(app_.Context.Language);
  option->setIcon(dictionary.Initi() ? QIcon(flag)
                                     : QIcon(QIcon(flag).pixmap(flag.size(), QIcon::Disabled)));
  option->setToolTip(loading.isEmpty() ? BaseNames(index)
                                       : BaseNames(index) + QLatin1Char('\n') + loading);
  option->setAccessibleName(BaseNames(index));
  option->setAccessibleDescription(loading);
}

void OptionButtons::Arrived(int index) {
  if (index >= 0 && index < static_cast<int>(options_.size()) && index < BaseCount())
    Describe(index);
}

void OptionButtons::Rebuild(const SchemeColours& colours) {
  // The first button stays: the window's tab order and the row begin with it.
  for (std::size_t i = 1; i < options_.size(); ++i) delete options_[i];
  options_.resize(1);
  group_->setExclusive(false);
  options_[0]->setChecked(false);
  group_->setExclusive(true);
  Build();
  Dress(colours);
}

void OptionButtons::Dress(const SchemeColours& colours) {
  for (int i = 0; i < static_cast<int>(options_.size()); ++i) {
    QPalette palette = options_[i]->palette();
    palette.setColor(QPalette::Button, ToQColor(colours.optionBack));
    palette.setColor(QPalette::Window, ToQColor(colours.optionBack));
    options_[i]->setPalette(palette);
    options_[i]->SetMarkColour(MarkColour(colours));
    if (i < BaseCount()) Describe(i);
  }
}

bool OptionButtons::Check(int index) {
  if (index < 0 || index >= static_cast<int>(options_.size())) return false;
  const bool moved = !options_[index]->isChecked();
  options_[index]->setChecked(true);
  return moved;
}

QString OptionButtons::BaseNames(int index) const {
  const Dictionary& dictionary = *app_.Dictionaries.at(index);
  const InterfaceLanguage& language = app_.Context.Language;
  const std::int32_t ezik = language.Ezik();
  return DecodeText(language.LanguageCharset,
                    dictionary.Ime_na_Dic(ezik, 1) + ", " + dictionary.Ime_na_Dic(ezik, 2));
}

bool OptionButtons::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->isAutoRepeat()) emit KeyUp(VirtualKey(key->key()));
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vokabi::ui
