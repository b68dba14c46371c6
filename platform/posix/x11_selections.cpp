// Reading another program's clipboard or selection on X11 means asking that program and waiting
// for its reply; a program that hangs never replies. The request is sent here on a connection of
// the program's own and the reply read when its socket says so, so the window never waits.
#include "platform/posix/x11_selections.h"

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>

namespace vokabi::platform {

namespace {

using Clock = std::chrono::steady_clock;

// How long an owner has to reply before it counts as silent.
constexpr auto kReplyWithin = std::chrono::milliseconds(200);
// The longest text read at once, in 32-bit units; a text handed over is at most 254 bytes, so
// anything that needs more is a paragraph that is ignored all the same.
constexpr std::uint32_t kReadUnits = 16 * 1024;

template <typename T>
struct FreeDeleter {
  void operator()(T* pointer) const { std::free(pointer); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter<T>>;

xcb_atom_t Intern(xcb_connection_t* connection, const char* name) {
  const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
      nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

class X11Selections final : public ForeignText {
 public:
  X11Selections(xcb_connection_t* connection, Answer answer)
      : connection_(connection), answer_(std::move(answer)) {
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    window_ = xcb_generate_id(connection_);
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    utf8_ = Intern(connection_, "UTF8_STRING");
    channels_[0].selection = Intern(connection_, "CLIPBOARD");
    channels_[0].property = Intern(connection_, "VOKABI_CLIPBOARD");
    channels_[1].selection = XCB_ATOM_PRIMARY;
    channels_[1].property = Intern(connection_, "VOKABI_PRIMARY");
    WatchOwners();
    xcb_flush(connection_);
    notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_),
                                                  QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { TakeEvents(); });
  }
  ~X11Selections() override {
    notifier_.reset();
    xcb_disconnect(connection_);
  }
  X11Selections(const X11Selections&) = delete;
  X11Selections& operator=(const X11Selections&) = delete;

  void Ask(Source source) override {
    if (xcb_connection_has_error(connection_)) return answer_(source, {});
    TakeEvents();
    // The word box's own selection or copy is the user working in this program.
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (source == Source::kClipboard ? clipboard->ownsClipboard() : clipboard->ownsSelection())
      return answer_(source, {});
    Channel& channel = ChannelOf(source);
    if (channel.askedAt) {
      if (Clock::now() - *channel.askedAt < kReplyWithin) return;  // its reply is on the way
      channel.askedAt.reset();
      channel.silent = true;
    }
    const Reply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, channel.selection), nullptr));
    const xcb_window_t now = owner ? owner->owner : xcb_window_t{XCB_WINDOW_NONE};
    if (now != channel.owner) {
      channel.owner = now;
      channel.silent = false;
    }
    if (now == XCB_WINDOW_NONE) return answer_(source, {});
    if (channel.silent) return;
    Request(channel, utf8_);
  }

 private:
  struct Channel {
    xcb_atom_t selection = XCB_ATOM_NONE;
    xcb_atom_t property = XCB_ATOM_NONE;  // where the owner puts its reply on our window
    xcb_window_t owner = XCB_WINDOW_NONE;
    bool silent = false;  // the owner left the last request unanswered
    xcb_atom_t target = XCB_ATOM_NONE;
    std::optional<Clock::time_point> askedAt;
  };

  Channel& ChannelOf(Source source) { return channels_[source == Source::kClipboard ? 0 : 1]; }
  Source SourceOf(const Channel& channel) const {
    return &channel == &channels_[0] ? Source::kClipboard : Source::kSelection;
  }

  // Every change of owner, also a program taking the selection again, is told as an event, so
  // that an owner counted as silent is asked again once it has copied something new.
  void WatchOwners() {
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(connection_, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present) return;
    const Reply<xcb_xfixes_query_version_reply_t> version(xcb_xfixes_query_version_reply(
        connection_, xcb_xfixes_query_version(connection_, 1, 0), nullptr));
    if (!version) return;
    xfixesEvent_ = xfixes->first_event;
    for (const Channel& channel : channels_) {
      xcb_xfixes_select_selection_input(
          connection_, window_, channel.selection,
          XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
              XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
              XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    }
  }

  void Request(Channel& channel, xcb_atom_t target) {
    channel.target = target;
    if (!channel.askedAt) channel.askedAt = Clock::now();
    xcb_convert_selection(connection_, window_, channel.selection, target, channel.property,
                          XCB_CURRENT_TIME);
    xcb_flush(connection_);
  }

  Channel* ChannelFor(xcb_atom_t selection) {
    for (Channel& channel : channels_) {
      if (channel.selection == selection) return &channel;
    }
    return nullptr;
  }

  void TakeEvents() {
    while (xcb_generic_event_t* raw = xcb_poll_for_event(connection_)) {
      const Reply<xcb_generic_event_t> event(raw);
      const std::uint8_t type = event->response_type & 0x7f;
      if (type == XCB_SELECTION_NOTIFY) {
        Replied(*reinterpret_cast<const xcb_selection_notify_event_t*>(event.get()));
      } else if (xfixesEvent_ && type == xfixesEvent_ + XCB_XFIXES_SELECTION_NOTIFY) {
        const auto* notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(raw);
        if (Channel* channel = ChannelFor(notify->selection)) {
          channel->owner = notify->owner;
          channel->silent = false;
          channel->askedAt.reset();
        }
      }
    }
  }

  void Replied(const xcb_selection_notify_event_t& notify) {
    Channel* channel = ChannelFor(notify.selection);
    if (!channel || notify.requestor != window_) return;
    // A late reply still counts: the owner is alive after all.
    channel->silent = false;
    if (notify.property == XCB_ATOM_NONE) {
      // No text as UTF-8: older programs offer Latin-1 only; a picture offers neither.
      if (channel->target == utf8_) return Request(*channel, XCB_ATOM_STRING);
      channel->askedAt.reset();
      return answer_(SourceOf(*channel), {});
    }
    channel->askedAt.reset();
    const Reply<xcb_get_property_reply_t> property(
        xcb_get_property_reply(connection_,
                               xcb_get_property(connection_, 1, window_, channel->property,
                                                XCB_GET_PROPERTY_TYPE_ANY, 0, kReadUnits),
                               nullptr));
    QString text;
    // Only text counts: an owner may answer with a picture whatever it was asked for. A transfer
    // in pieces (INCR) is a text far longer than a word.
    const bool utf8 = property && property->type == utf8_;
    const bool latin1 = property && property->type == XCB_ATOM_STRING;
    if ((utf8 || latin1) && property->format == 8) {
      const auto* bytes = static_cast<const char*>(xcb_get_property_value(property.get()));
      const int length = xcb_get_property_value_length(property.get());
      text = utf8 ? QString::fromUtf8(bytes, length) : QString::fromLatin1(bytes, length);
    }
    answer_(SourceOf(*channel), text);
  }

  xcb_connection_t* connection_;
  Answer answer_;
  xcb_window_t window_ = XCB_WINDOW_NONE;
  xcb_atom_t utf8_ = XCB_ATOM_NONE;
  std::uint8_t xfixesEvent_ = 0;
  std::array<Channel, 2> channels_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace

std::unique_ptr<ForeignText> MakeX11Selections(ForeignText::Answer answer) {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    return nullptr;
  }
  return std::make_unique<X11Selections>(connection, std::move(answer));
}

}  // namespace vokabi::platform
