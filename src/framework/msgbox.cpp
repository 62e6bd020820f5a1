#include "framework/msgbox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "framework/strings.h"

namespace fw {

namespace {
std::function<void(const std::string&)>& MsgBoxOverride() {
  static std::function<void(const std::string&)> handler;
  return handler;
}
std::function<void(const std::string&)>& ShowURLOverride() {
  static std::function<void(const std::string&)> handler;
  return handler;
}
}  // namespace

void MsgBox(const std::string& text) {
  if (MsgBoxOverride()) return MsgBoxOverride()(text);
  if (!qApp) return;
  QMessageBox box;
  box.setWindowTitle(QApplication::applicationName());
  box.setText(QString::fromStdString(ReplaceAll(text, "\r", "\n")));
  box.exec();
}

void ShowURL(const std::string& url) {
  if (ShowURLOverride()) return ShowURLOverride()(url);
  QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

void SetMsgBoxHandler(std::function<void(const std::string&)> handler) { MsgBoxOverride() = std::move(handler); }
void SetShowURLHandler(std::function<void(const std::string&)> handler) { ShowURLOverride() = std::move(handler); }

}  // namespace fw
