#pragma once
// Framework-internal: keys that belong to the window wherever the focus is in it.
//
// The up and down arrows go to the window's KeyDown first, also while a control inside the
// window has the focus (a check box, a closed pop-up menu, a text field); only what KeyDown
// leaves unhandled goes on to that control. An open pop-up list is a window of its own and
// keeps its arrows. Return (and Enter) pushes the window's default button, except in a text
// field that takes Return itself.
namespace fw {

// Installs the application-wide filter; later calls do nothing.
void InstallKeyRouting();
// True while an arrow that the window's KeyDown declined travels on to the focused control,
// so that the window does not ask KeyDown about it a second time.
bool ArrowAlreadyOffered();

}  // namespace fw
