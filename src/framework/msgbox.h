#pragma once
// Modal message boxes and the desktop's browser; tests put recorders in their place.
#include <functional>
#include <string>

namespace fw {

void MsgBox(const std::string& text);  // CR line breaks are shown as line breaks
void ShowURL(const std::string& url);

// Empty functions restore the real ones.
void SetMsgBoxHandler(std::function<void(const std::string&)> handler);
void SetShowURLHandler(std::function<void(const std::string&)> handler);

}  // namespace fw
