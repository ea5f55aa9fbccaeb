#include "win32/audio_tracks_window.h"

#include "main_window/frm_audio_tracks_layout.h"

namespace quillbit {
Win32AudioTracksWindow::Win32AudioTracksWindow(HINSTANCE instance, OpenWindows& windows, HWND owner,
                                               NumberLocale locale, AudioTracksRequest request,
                                               std::function<void()> closed)
    : form_(std::move(locale), std::move(request),
            FrmAudioTracksPorts{.screen = screen_, .host = *this}),
      window_(instance, windows, form_, form_.Controls(),
              FormStyle{.style = kDialogFrame,
                        .exStyle = kDialogFrameEx,
                        .clientWidthTwips = kFrmAudioTracksClientWidth,
                        .clientHeightTwips = kFrmAudioTracksClientHeight,
                        .modalTo = owner},
              [this] { form_.Unload(); }) {
  window_.onDestroyed = std::move(closed);
}

void Win32AudioTracksWindow::Show() {
  window_.ReportOuterSize();
  if (!window_.Load([this] { form_.Form_Load(); })) return;
  window_.Show(SW_SHOWNORMAL);
}

void Win32AudioTracksWindow::WindowUnloaded() {
  window_.ModelUnloaded();
}

}  // namespace quillbit
