// quarvel-render KIND WIDTH HEIGHT OUT.png [frames]
// Renders one pattern kind as a canvas of that size would show it (a width below 150 is the
// preview) and writes the picture, with any sprites over it, as PNG. With frames, the canvas
// is updated that many times first, as a pattern window's timer would.
#include <QApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/application.h"
#include "framework/screens.h"
#include "framework/window.h"
#include "patterns/cPatternCanvas.h"

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s KIND WIDTH HEIGHT OUT.png [frames]\n", argv[0]);
    return 2;
  }
  const std::string kind = argv[1];
  const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
  const int frames = argc > 5 ? std::atoi(argv[5]) : 0;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  fw::Initialize(argc, argv);
  fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, width, height, 32, 1.0}});

  int status = 0;
  {
    fw::Window window;
    auto canvas = fw::New<cPatternCanvas>();
    canvas->Name = "cvPattern";
    canvas->SetBounds(0, 0, width, height);
    window.AddControl(canvas);
    canvas->Make(0, kind);
    for (int i = 0; i < frames; ++i) canvas->Update();
    const QImage picture = canvas->Composite();
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[4]))) {
      std::fprintf(stderr, "could not render %s\n", kind.c_str());
      status = 1;
    }
  }
  fw::Shutdown();
  return status;
}
