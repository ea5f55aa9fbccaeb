#include "gui/about_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "about/frm_about_layout.h"
#include "gui/twips.h"

namespace quillbit {
namespace {

// The window manager's frame is unknown until the window is mapped; a thin border stands in.
constexpr int kFrameBorderPixels = 4;

// A fixed dialog frame: caption and close box, no minimize or maximize box, no resizing.
constexpr Qt::WindowFlags kDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

}  // namespace

AboutDialog::AboutDialog(const AppInfo& app, const AboutLinks& links, const AboutServices& services,
                         std::vector<std::string> installedSysInfo, std::function<void()> closed)
    : QDialog(nullptr, kDialogFrame),
      messages_(this),
      form_(app, links,
            FrmAboutPorts{.messages = messages_,
                          .screen = screen_,
                          .open = services.open,
                          .files = services.files,
                          .programs = services.programs,
                          .registry = services.registry,
                          .host = *this},
            std::move(installedSysInfo)),
      closed_(std::move(closed)) {
  setObjectName("frmAbout");
  setModal(false);
  setSizeGripEnabled(false);
  // Closing it may end the program, once the main window is closed as well.
  setAttribute(Qt::WA_QuitOnClose, true);
  setFixedSize(ClientSizePixels());
  view_ = std::make_unique<FormView>(form_.Controls(), *this, nullptr);
  setWindowTitle(QString::fromStdString(form_.Caption()));
}

AboutDialog::~AboutDialog() {
  // The widgets go before the model they show.
  view_.reset();
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

QSize AboutDialog::ClientSizePixels() const {
  const double dpi = logicalDpiX();
  return {TwipsToPixels(kFrmAboutClientWidth, dpi), TwipsToPixels(kFrmAboutClientHeight, dpi)};
}

void AboutDialog::ReportOuterSize() {
  const double dpi = logicalDpiX();
  const QSize client = ClientSizePixels();
  const int caption = style()->pixelMetric(QStyle::PM_TitleBarHeight);
  form_.SetOuterSize(
      static_cast<float>(PixelsToTwips(client.width() + 2 * kFrameBorderPixels, dpi)),
      static_cast<float>(PixelsToTwips(client.height() + caption + 2 * kFrameBorderPixels, dpi)));
}

void AboutDialog::Show() {
  ReportOuterSize();
  form_.Form_Load();
  if (unloaded_) return;
  setWindowTitle(QString::fromStdString(form_.Caption()));
  const double dpi = logicalDpiX();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
  move(origin + QPoint(TwipsToPixels(form_.Left(), dpi), TwipsToPixels(form_.Top(), dpi)));
  show();
  activateWindow();
  if (QWidget* first = view_->FirstFocusable()) first->setFocus(Qt::OtherFocusReason);
}

void AboutDialog::BringToFront() {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void AboutDialog::WindowUnloaded() {
  unloaded_ = true;
  if (!closing_) close();
}

void AboutDialog::closeEvent(QCloseEvent* event) {
  // The close box unloads the model as cmdOK does; nothing refuses the close.
  if (!unloaded_ && !closing_) {
    closing_ = true;
    form_.Unload();
    closing_ = false;
    unloaded_ = true;
  }
  event->accept();
  if (closed_) std::exchange(closed_, nullptr)();
}

void AboutDialog::reject() {
  close();
}

AboutDialogFactory::AboutDialogFactory(AppInfo app, AboutServices services, AboutLinks links,
                                       std::vector<std::string> installedSysInfo)
    : app_(std::move(app)),
      services_(services),
      links_(std::move(links)),
      installedSysInfo_(std::move(installedSysInfo)) {}

std::unique_ptr<AboutWindow> AboutDialogFactory::Create(std::function<void()> closed) {
  return std::make_unique<AboutDialog>(app_, links_, services_, installedSysInfo_,
                                       std::move(closed));
}

}  // namespace quillbit
