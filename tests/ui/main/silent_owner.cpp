// A hung program on the X server: it takes the clipboard and the primary selection and never
// replies to anyone asking for them. Says "owned" on standard output once it holds both, then
// "asked" for each request it leaves unanswered, until it is ended.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

int main() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "silent_owner: no X server\n");
    return 1;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const xcb_window_t window = xcb_generate_id(connection);
  xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
  const char name[] = "CLIPBOARD";
  xcb_intern_atom_reply_t* clipboard = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
  if (!clipboard) return 1;
  for (const xcb_atom_t selection : {clipboard->atom, xcb_atom_t{XCB_ATOM_PRIMARY}}) {
    xcb_set_selection_owner(connection, window, selection, XCB_CURRENT_TIME);
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool owned = owner && owner->owner == window;
    std::free(owner);
    if (!owned) return 1;
  }
  std::free(clipboard);
  std::printf("owned\n");
  std::fflush(stdout);
  while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
    if ((event->response_type & 0x7f) == XCB_SELECTION_REQUEST) {
      std::printf("asked\n");
      std::fflush(stdout);
    }
    std::free(event);
  }
  return 0;
}
