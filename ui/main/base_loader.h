#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ui/main/app_state.h"

// The bases of a start: listed by their headers, the working one loaded before the window shows,
// the others while it works.
namespace vokabi::ui {

// Lists the bases at those paths by their headers into app.Dictionaries, in order, without
// loading them, until kMaxBaseFiles are listed; a file whose header does not read is skipped.
void ListBases(AppState& app, const std::vector<std::string>& names);

// The working base of the start: the stored choice, else the base of the interface language
// (FirstWorkingBase); 0 when the choice is no listed base.
std::int16_t ChooseWorkingBase(AppState& app);

// Loads the working base on the calling thread; a base that does not load leaves the list and
// the choice is made again. False when no listed base loads.
bool LoadWorkingBase(AppState& app);

// What a flag and the translation pane say of a base still loading, in the interface language.
QString StillLoadingText(const InterfaceLanguage& language);

// Loads the listed bases not yet loaded side by side on threads of its own. Each that loads takes
// its place in app.Dictionaries on the window's thread (Arrived); each that does not leaves the
// list there (Dropped), the bases after it moving up one place, as if it had never been listed.
class BaseLoader : public QObject {
  Q_OBJECT

 public:
  explicit BaseLoader(AppState& app, QObject* parent = nullptr);
  // Waits for the base each thread is loading; the rest are not loaded.
  ~BaseLoader() override;

  void Start();
  // Whether every listed base has arrived or left.
  bool Done() const { return started_ && waiting_ == 0; }

 signals:
  void Arrived(int index);
  void Dropped(int index);
  // The last base has arrived or left (at once when there was none to load).
  void Finished();

 private:
  struct Load;
  void Take(const std::shared_ptr<Load>& load);

  AppState& app_;
  bool started_ = false;
  int waiting_ = 0;
  std::atomic<bool> stopping_{false};
  std::vector<std::jthread> workers_;
};

}  // namespace vokabi::ui
