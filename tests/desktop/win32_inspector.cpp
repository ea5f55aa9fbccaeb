// quillbit-inspect: what a screen reader finds on the desktop, read from outside the program.
// Prints one JSON object a line: every visible top-level window of other processes on this
// desktop ("window"), then each of its child controls ("control"): class, text, styles, which
// one has the keyboard focus, the accessible name, role and value the accessibility layer gives
// (the client object of AccessibleObjectFromWindow), and the label that Windows' naming rule finds
// (the static text just before the control in z-order).
#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace quillbit {
namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
  return out;
}

std::string Json(const std::wstring& text) {
  std::string out = "\"";
  for (const char c : Utf8(text)) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Handle(HWND window) {
  char text[32];
  std::snprintf(text, sizeof text, "\"%llx\"",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
  return text;
}

const char* Bool(bool value) {
  return value ? "true" : "false";
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  ::GetClassNameW(window, name, 256);
  return name;
}

std::wstring TextOf(HWND window) {
  // Sent with a time-out, so that a program that hangs cannot hang the reader too.
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(copied);
  return text;
}

bool IsClass(HWND window, const wchar_t* name) {
  return ::lstrcmpiW(ClassOf(window).c_str(), name) == 0;
}

// The caption of a label as a name: without the access-key marker and the closing colon.
std::wstring AsName(std::wstring text) {
  if (const auto amp = text.find(L'&'); amp != std::wstring::npos) text.erase(amp, 1);
  while (!text.empty() && (text.back() == L' ' || text.back() == L':')) text.pop_back();
  return text;
}

// Windows names a control that has no name of its own after the static text just before it in
// z-order; hidden windows in between are passed over.
std::wstring LabelBefore(HWND window) {
  for (HWND prev = ::GetWindow(window, GW_HWNDPREV); prev != nullptr;
       prev = ::GetWindow(prev, GW_HWNDPREV)) {
    if (!::IsWindowVisible(prev)) continue;
    if (!IsClass(prev, L"Static")) return {};
    const LONG_PTR kind = ::GetWindowLongPtrW(prev, GWL_STYLE) & SS_TYPEMASK;
    if (kind == SS_ICON || kind == SS_BITMAP || kind == SS_ENHMETAFILE || kind == SS_OWNERDRAW)
      return {};
    return AsName(TextOf(prev));
  }
  return {};
}

struct Accessible {
  bool found = false;
  std::wstring name;
  std::wstring value;
  std::wstring description;
  std::wstring role;
};

std::wstring Take(BSTR text) {
  std::wstring out = text != nullptr ? std::wstring(text, ::SysStringLen(text)) : L"";
  ::SysFreeString(text);
  return out;
}

Accessible AccessibleOf(HWND window) {
  Accessible result;
  IAccessible* object = nullptr;
  if (FAILED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
    object = nullptr;
  if (object == nullptr) return result;
  result.found = true;
  VARIANT self;
  ::VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  if (object->get_accName(self, &text) == S_OK) result.name = Take(text);
  text = nullptr;
  if (object->get_accValue(self, &text) == S_OK) result.value = Take(text);
  text = nullptr;
  if (object->get_accDescription(self, &text) == S_OK) result.description = Take(text);
  VARIANT role;
  ::VariantInit(&role);
  if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4) {
    wchar_t roleText[128] = {};
    ::GetRoleTextW(static_cast<DWORD>(role.lVal), roleText, 128);
    result.role = roleText;
  }
  ::VariantClear(&role);
  object->Release();
  return result;
}

struct Focus {
  HWND active = nullptr;
  HWND focus = nullptr;
};

Focus FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  Focus focus;
  if (::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) {
    focus.active = info.hwndActive;
    focus.focus = info.hwndFocus;
  }
  return focus;
}

// What a list shows and whether it is dropped down; what a check box or option button holds.
std::string KindState(HWND window) {
  const std::wstring kind = ClassOf(window);
  char text[96] = {};
  if (::lstrcmpiW(kind.c_str(), L"ComboBox") == 0) {
    const LRESULT dropped = ::SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0);
    const LRESULT selected = ::SendMessageW(window, CB_GETCURSEL, 0, 0);
    std::snprintf(text, sizeof text, ",\"dropped\":%s,\"selected\":%ld", Bool(dropped != 0),
                  static_cast<long>(selected));
  } else if (::lstrcmpiW(kind.c_str(), L"Button") == 0) {
    const LRESULT check = ::SendMessageW(window, BM_GETCHECK, 0, 0);
    std::snprintf(text, sizeof text, ",\"checked\":%ld", static_cast<long>(check));
  }
  return text;
}

void PrintControl(HWND window, HWND top, const Focus& focus) {
  const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
  const std::wstring kind = ClassOf(window);
  RECT rect{};
  ::GetWindowRect(window, &rect);
  const Accessible accessible = AccessibleOf(window);
  const bool edit = ::lstrcmpiW(kind.c_str(), L"Edit") == 0;
  std::printf(
      "{\"kind\":\"control\",\"hwnd\":%s,\"top\":%s,\"id\":%ld,\"class\":%s,\"text\":%s,"
      "\"visible\":%s,\"enabled\":%s,\"tabstop\":%s,\"group\":%s,\"readonly\":%s,"
      "\"focused\":%s,\"style\":%lu,\"rect\":[%ld,%ld,%ld,%ld],\"label\":%s,\"acc\":%s,\"name\":%s,"
      "\"role\":%s,\"value\":%s,\"description\":%s%s}\n",
      Handle(window).c_str(), Handle(top).c_str(), static_cast<long>(::GetDlgCtrlID(window)),
      Json(kind).c_str(), Json(TextOf(window)).c_str(), Bool(::IsWindowVisible(window)),
      Bool(::IsWindowEnabled(window)), Bool((style & WS_TABSTOP) != 0),
      Bool((style & WS_GROUP) != 0), Bool(edit && (style & ES_READONLY) != 0),
      Bool(focus.focus == window), static_cast<unsigned long>(style), rect.left, rect.top,
      rect.right, rect.bottom, Json(LabelBefore(window)).c_str(), Bool(accessible.found),
      Json(accessible.name).c_str(), Json(accessible.role).c_str(), Json(accessible.value).c_str(),
      Json(accessible.description).c_str(), KindState(window).c_str());
}

BOOL CALLBACK CollectChild(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectTop(HWND window, LPARAM list) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (process != ::GetCurrentProcessId() && ::IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

void PrintWindow(HWND window) {
  const Focus focus = FocusOf(window);
  RECT rect{};
  ::GetWindowRect(window, &rect);
  RECT client{};
  ::GetClientRect(window, &client);
  POINT origin{0, 0};
  ::ClientToScreen(window, &origin);
  std::printf(
      "{\"kind\":\"window\",\"hwnd\":%s,\"class\":%s,\"title\":%s,\"foreground\":%s,"
      "\"active\":%s,\"focus\":%s,\"focus_is_self\":%s,\"rect\":[%ld,%ld,%ld,%ld],"
      "\"client\":[%ld,%ld,%ld,%ld],\"menu\":%s}\n",
      Handle(window).c_str(), Json(ClassOf(window)).c_str(), Json(TextOf(window)).c_str(),
      Bool(::GetForegroundWindow() == window), Bool(focus.active == window),
      Handle(focus.focus).c_str(), Bool(focus.focus == window), rect.left, rect.top, rect.right,
      rect.bottom, origin.x, origin.y, origin.x + client.right, origin.y + client.bottom,
      Bool(::GetMenu(window) != nullptr));
  std::vector<HWND> children;
  ::EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) PrintControl(child, window, focus);
}

}  // namespace
}  // namespace quillbit

int wmain() {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::vector<HWND> windows;
  ::EnumWindows(quillbit::CollectTop, reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows) quillbit::PrintWindow(window);
  std::fflush(stdout);
  ::CoUninitialize();
  return 0;
}
