#include "framework/msgbox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <cstdio>

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
  // Without a display nobody could answer a modal box: say it on stderr instead of waiting.
  if (!qApp || QGuiApplication::platformName() == "offscreen") {
    std::fprintf(stderr, "Quarvel: %s\n", ReplaceAll(text, "\r", "\n").c_str());
    return;
  }
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
