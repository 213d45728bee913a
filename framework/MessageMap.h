#pragma once

#include <windows.h>

class CWnd;
class CDC;

// Message maps are static tables, one per class, each chained to its base class's table.
// The dispatcher walks from the most derived table to CWnd's; the first matching entry handles the message.
using MessageHandler = LRESULT (*)(CWnd& window, UINT message, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
  UINT message;
  UINT notification;  // WM_COMMAND entries only
  UINT id;            // WM_COMMAND entries only
  MessageHandler handler;
};

struct MessageMap {
  const MessageMap* (*base)();
  const MessageMapEntry* entries;  // ends with an entry whose handler is null
};

// Every WM_CTLCOLOR* message reaches one entry, keyed by the retired message number that stood for them all.
constexpr UINT kCtlColorMessage = 0x0019;

namespace message_map {

template <class T, auto F>
LRESULT CallVoid(CWnd& window, UINT, WPARAM, LPARAM) {
  (static_cast<T&>(window).*F)();
  return 0;
}

template <class T, auto F>
LRESULT CallReturningHandle(CWnd& window, UINT, WPARAM, LPARAM) {
  return reinterpret_cast<LRESULT>((static_cast<T&>(window).*F)());
}

LRESULT CallCtlColor(CWnd& window, UINT message, WPARAM wParam, LPARAM lParam,
                     HBRUSH (*call)(CWnd& window, CDC* dc, CWnd* control, UINT kind));

template <class T, auto F>
LRESULT CallCtlColor(CWnd& window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallCtlColor(window, message, wParam, lParam, [](CWnd& self, CDC* dc, CWnd* control, UINT kind) {
    return (static_cast<T&>(self).*F)(dc, control, kind);
  });
}

}  // namespace message_map

#define DECLARE_MESSAGE_MAP()                  \
protected:                                     \
  static const MessageMap* GetThisMessageMap(); \
  const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const MessageMap* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                         \
  {0, 0, 0, nullptr}};                                                            \
  static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries};      \
  return &map;                                                                    \
  }

#define ON_WM_PAINT() {WM_PAINT, 0, 0, &message_map::CallVoid<ThisClass, &ThisClass::OnPaint>},
#define ON_WM_QUERYDRAGICON() \
  {WM_QUERYDRAGICON, 0, 0, &message_map::CallReturningHandle<ThisClass, &ThisClass::OnQueryDragIcon>},
#define ON_WM_CTLCOLOR() {kCtlColorMessage, 0, 0, &message_map::CallCtlColor<ThisClass, &ThisClass::OnCtlColor>},
#define ON_COMMAND(id, member) {WM_COMMAND, 0, id, &message_map::CallVoid<ThisClass, &ThisClass::member>},
#define ON_BN_CLICKED(id, member) {WM_COMMAND, BN_CLICKED, id, &message_map::CallVoid<ThisClass, &ThisClass::member>},
