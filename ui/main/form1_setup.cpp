// The option buttons, one per base, and the dressing of the window in the interface language,
// the fonts and the colour scheme.
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <array>
#include <cctype>
#include <string>
#include <string_view>
#include <utility>

#include "app/base_order.h"
#include "app/catalogue.h"
#include "app/language.h"
#include "app/settings.h"
#include "resources/pictures.h"
#include "ui/controls/button.h"
#include "ui/main/engine_text.h"
#include "ui/main/flag_button.h"
#include "ui/main/form1.h"
#include "ui/main/keyboard_panel.h"
#include "ui/main/tray_icon.h"

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

// Interface text n, decoded with the interface language's character set.
QString Text(int n) {
  return DecodeText(LanguageCharset, UiText(n));
}

// A printed label ("Word : ") as a control's accessible name: without its colon.
QString NameFromLabel(int n) {
  QString name = Text(n).trimmed();
  if (name.endsWith(u':')) name.chop(1);
  return name.trimmed();
}

void SetColours(QWidget* widget, QPalette::ColorRole backRole, Colour back,
                QPalette::ColorRole textRole, Colour text) {
  QPalette palette = widget->palette();
  palette.setColor(backRole, ToQColor(back));
  palette.setColor(textRole, ToQColor(text));
  widget->setPalette(palette);
}

}  // namespace

FlagButton* Form1::MakeOptionButton(int index) {
  auto* option = new FlagButton(this);
  option->setObjectName(QStringLiteral("Option1_%1").arg(index));
  option->SetNumber(index);
  option->setIconSize(QSize(22, 14));
  optionGroup_->addButton(option, index);
  option->installEventFilter(this);
  connect(option, &QToolButton::clicked, this, [this, index] { Option1_Click(index); });
  return option;
}

void Form1::BuildOptionButtons() {
  if (options_.size() > 1) return;
  for (int i = 1; i < DictionaryCount(); ++i) {
    const QRect before = options_[i - 1]->geometry();
    FlagButton* option = MakeOptionButton(i);
    // A new row when this button would leave less than one more button's width and 6 to spare.
    if (before.left() + 2 * before.width() + 6 < width()) {
      option->setGeometry(before.translated(before.width(), 0));
    } else {
      option->setGeometry(options_[0]->x(), before.bottom() + 1, before.width(), before.height());
    }
    setTabOrder(options_[i - 1], option);
    options_.push_back(option);
    option->show();
  }
  for (int i = 0; i < DictionaryCount(); ++i) {
    options_[i]->setIcon(FlagBitmap(FlagResource(app_.Dictionaries[i]->ID())));
    options_[i]->setToolTip(BaseNames(i));
    options_[i]->setAccessibleName(BaseNames(i));
  }
}

QString Form1::BaseNames(int index) const {
  const Dictionary& dictionary = *app_.Dictionaries.at(index);
  const std::int32_t ezik = LanguageOffset / 1000;
  return DecodeText(LanguageCharset,
                    dictionary.Ime_na_Dic(ezik, 1) + ", " + dictionary.Ime_na_Dic(ezik, 2));
}

std::vector<std::array<std::string, 7>> Form1::BaseLanguageNames() const {
  std::vector<std::array<std::string, 7>> names;
  for (const auto& dictionary : app_.Dictionaries) names.push_back(dictionary->LanguageNames());
  return names;
}

void Form1::Form1Setup() {
  keyboards_->Dress(app_.Colours, app_.FontSmall);
  DressControls();
  LoadTexts();
  LayOutCommandRow();
  tray_->SetTip(windowTitle());
  for (int i = 0; i < static_cast<int>(options_.size()); ++i) {
    QPalette palette = options_[i]->palette();
    palette.setColor(QPalette::Button, ToQColor(app_.Colours.optionBack));
    palette.setColor(QPalette::Window, ToQColor(app_.Colours.optionBack));
    options_[i]->setPalette(palette);
    options_[i]->SetMarkColour(MarkColour(app_.Colours));
    if (i < DictionaryCount()) {
      options_[i]->setToolTip(BaseNames(i));
      options_[i]->setAccessibleName(BaseNames(i));
    }
  }
  keyboards_->Place();
  // The stored base is the start's choice only: dressing again after the settings dialog's Apply
  // keeps the base the user works in.
  std::int16_t work = AppSettings.WorkDic;
  if (!workingBaseChosen_) {
    work = WorkDicStored() ? ReadWorkDic()
                           : FirstWorkingBase(BaseLanguageNames(), LanguageOffset / 1000);
    workingBaseChosen_ = true;
  }
  if (work >= DictionaryCount()) work = 0;
  AppSettings.WorkDic = work;
  // Only the mark moves: dressing never looks anything up.
  SetOptionValue(work, false);
  NameWordList();
}

void Form1::DressControls() {
  const SchemeColours& colours = app_.Colours;
  Restyle(colours);
  QFont translateFont = app_.FontSmall;
  translateFont.setPointSize(12);
  translateFont.setBold(false);
  translateFont.setItalic(false);
  for (Button* button : buttons_) {
    button->DisableRefresh();
    button->SetBackColor(colours.schemeButton);
    button->SetBackOver(colours.schemeButton);
    button->SetForeColor(colours.schemeText);
    button->SetForeOver(colours.schemeText);
    button->SetFont(button == btnPrevod_ ? translateFont : app_.FontSmall);
    button->Refresh();
  }

  QFont large = app_.FontLarge;
  large.setBold(false);
  large.setItalic(false);
  for (QWidget* box : {static_cast<QWidget*>(combo1_), static_cast<QWidget*>(text2_)}) {
    box->setFont(large);
    SetColours(box, QPalette::Base, colours.listBack, QPalette::Text, colours.listText);
  }
  labelFon_->setFont(large);
  SetColours(labelFon_, QPalette::Window, colours.optionBack, QPalette::WindowText,
             colours.schemeText);
  wordList_->Dress(colours, large);
  update();
}

void Form1::LoadTexts() {
  const std::pair<Button*, int> captions[] = {{btnBack_, 40},  {btnNext_, 41},  {btnSetup_, 42},
                                              {btnAbout_, 43}, {btnPrint_, 44}, {btnPrevod_, 46},
                                              {btnCyr_, 49},   {btnLat_, 50}};
  for (const auto& [button, n] : captions) button->SetCaption(Text(n));

  tray_->SetTexts(Text(54), Text(13), Text(14), Text(53));

  setWindowTitle(Text(15));

  // The host's tooltips, not the buttons' own.
  const std::pair<Button*, int> tooltips[] = {{btnClose_, 6},  {btnCloseCyr_, 6}, {btnCloseLat_, 6},
                                              {btnMin_, 10},   {btnBack_, 11},    {btnNext_, 12},
                                              {btnSetup_, 13}, {btnAbout_, 14},   {btnPrevod_, 45},
                                              {btnPrint_, 47}, {btnCyr_, 51},     {btnLat_, 52}};
  for (const auto& [button, n] : tooltips) button->setToolTip(Text(n));

  // What a screen reader calls the boxes: the printed page's labels for the word and its
  // translation; the word list by the base its headwords come from.
  combo1_->setAccessibleName(NameFromLabel(55));
  combo1_->lineEdit()->setAccessibleName(NameFromLabel(55));
  text2_->setAccessibleName(NameFromLabel(56));
  NameWordList();
}

void Form1::NameWordList() {
  if (WorkDic() >= 0 && WorkDic() < DictionaryCount())
    wordList_->setAccessibleName(BaseNames(WorkDic()));
}

}  // namespace vokabi::ui
