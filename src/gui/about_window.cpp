#include "gui/about_window.h"

#include <QCloseEvent>
#include <QShowEvent>

#include "about/frm_about_layout.h"

namespace quillbit {

AboutDialog::AboutDialog(const AppInfo& app, const AboutLinks& links, const AboutServices& services,
                         std::vector<std::string> installedSysInfo, std::function<void()> closed)
    : QDialog(nullptr, kFixedDialogFrame),
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
      frameLink_(*this, form_, [this] { form_.Unload(); }),
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
  return frameLink_.ClientPixels(kFrmAboutClientWidth, kFrmAboutClientHeight);
}

void AboutDialog::Show() {
  frameLink_.ReportOuterSize(ClientSizePixels(), 0);
  if (!frameLink_.Load([this] { form_.Form_Load(); })) return;
  show();
  activateWindow();
}

void AboutDialog::BringToFront() {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void AboutDialog::WindowUnloaded() {
  frameLink_.ModelUnloaded();
}

void AboutDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (QWidget* first = view_->FirstFocusable()) first->setFocus(Qt::OtherFocusReason);
}

void AboutDialog::closeEvent(QCloseEvent* event) {
  // The close box unloads the model as cmdOK does; nothing refuses the close.
  frameLink_.Closing();
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
