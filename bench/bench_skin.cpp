// Putting the built-in skin on a window's controls and painting them. "Load and apply" builds
// the sample window (every button of the standard view, texts, list, knob, meter, volume knob)
// from the skin's records with a cold picture cache, so decoding the compiled-in PNGs counts;
// "reapply" puts the records on the existing controls again with the pictures cached; "paint"
// draws the whole window and its controls once into an image, at 1x and at 2x. Targets: under
// 50 ms to load and apply, under 5 ms to paint. Runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "skins/BuiltInSkin.h"
#include "ui/skin/BuiltInSkinImages.h"
#include "ui/skin/SkinSampleWindow.h"

namespace {

void BM_LoadAndApplyBuiltInSkin(benchmark::State& state) {
  for (auto _ : state) {
    const qp::BuiltInSkinImages images(1.0);
    qp::SkinSampleWindow window(
        qp::builtInSkinExports(), [&](int id) { return images.pixmap(id); }, 0, true);
    benchmark::DoNotOptimize(window.shape());
  }
}
BENCHMARK(BM_LoadAndApplyBuiltInSkin)->Unit(benchmark::kMillisecond);

void BM_ReapplyBuiltInSkin(benchmark::State& state) {
  const qp::BuiltInSkinImages images(1.0);
  qp::SkinSampleWindow window(
      qp::builtInSkinExports(), [&](int id) { return images.pixmap(id); }, 0, true);
  for (auto _ : state) {
    window.applySkin();
  }
}
BENCHMARK(BM_ReapplyBuiltInSkin)->Unit(benchmark::kMillisecond);

void BM_PaintControlsOnce(benchmark::State& state) {
  const auto ratio = static_cast<qreal>(state.range(0));
  const qp::BuiltInSkinImages images(ratio);
  qp::SkinSampleWindow window(
      qp::builtInSkinExports(), [&](int id) { return images.pixmap(id); }, 0, true);
  QImage target(window.size() * ratio, QImage::Format_ARGB32_Premultiplied);
  target.setDevicePixelRatio(ratio);
  for (auto _ : state) {
    target.fill(Qt::transparent);
    window.QWidget::render(&target, QPoint(), window.shape());
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_PaintControlsOnce)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
