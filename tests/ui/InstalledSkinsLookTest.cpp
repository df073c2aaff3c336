// Every installed skin drawn in a real window on a display of the test's own (Xvfb with a
// window manager), in both views where the skin has them. The grabbed windows are kept as
// pictures in <build>/tests/artefacts/skin-<name>-<view>.png to be looked at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "common/LanguageId.h"
#include "common/StringTable.h"
#include "platform/DlopenSkinModule.h"
#include "skins/BuiltInSkin.h"
#include "skins/SkinCatalog.h"
#include "support/WaitUntil.h"
#include "support/XSession.h"
#include "ui/skin/BuiltInSkinImages.h"
#include "ui/skin/SkinSampleWindow.h"

namespace qp {
namespace {

// The pictures of a package, decoded from the PNG bytes it hands out.
QPixmap packageImage(const SkinExports& exports, int id, int sv) {
  const unsigned char* data = nullptr;
  std::uint32_t size = 0;
  QPixmap pixmap;
  if (exports.getSkinImage != nullptr && exports.getSkinImage(id, sv, &data, &size) != 0 &&
      data != nullptr) {
    pixmap.loadFromData(data, size, "PNG");
  }
  return pixmap;
}

// Distinct colours in the picture, up to a small limit: a drawn skin has many, an empty or
// failed window one or two.
int coloursIn(const QImage& image) {
  std::vector<QRgb> seen;
  for (int y = 0; y < image.height(); y += 3) {
    for (int x = 0; x < image.width(); x += 3) {
      const QRgb pixel = image.pixel(x, y);
      if (std::find(seen.begin(), seen.end(), pixel) == seen.end()) {
        seen.push_back(pixel);
        if (seen.size() >= 16) {
          return 16;
        }
      }
    }
  }
  return static_cast<int>(seen.size());
}

void showAndKeep(const SkinExports& exports, const SkinImageLookup& images, int sv,
                 const std::string& name) {
  SkinSampleWindow window(exports, images, sv, sv == 0);
  window.setWindowTitle(QString::fromStdString("skin " + name));
  window.show();
  ASSERT_TRUE(test::waitUntil([&] {
    QApplication::processEvents();
    return window.isVisible() && window.windowHandle() != nullptr &&
           window.windowHandle()->isExposed();
  })) << name;
  const QImage grabbed = window.grab().toImage();
  EXPECT_GE(coloursIn(grabbed), 8) << name << " view " << sv << " looks empty";
  const QString dir = QString::fromStdString(test::XSession::artefactsFolder());
  ASSERT_TRUE(QDir().mkpath(dir));
  const QString file =
      dir + QString::fromStdString("/skin-" + name + (sv ? "-small" : "-standard") + ".png");
  EXPECT_TRUE(grabbed.save(file)) << file.toStdString();
}

TEST(InstalledSkinsLook, EverySkinDrawsBothOfItsViewsInARealWindow) {
  DlopenSkinModuleLoader loader;
  const SkinCatalog catalog(loader, StringTable::active());
  const std::string binary = qEnvironmentVariable("QP_BINARY_DIR").toStdString();
  const auto entries = catalog.list({binary + "/skins"});
  ASSERT_GE(entries.size(), 2u) << "the built-in skin and at least the package built here";
  for (const SkinCatalogEntry& entry : entries) {
    const std::string name =
        entry.path.empty() ? "default"
                           : QFileInfo(QString::fromStdString(entry.path)).baseName().toStdString();
    std::unique_ptr<SkinModule> module;
    const SkinExports* exports = &builtInSkinExports();
    if (!entry.path.empty()) {
      std::string error;
      module = loader.load(entry.path, error);
      ASSERT_NE(module, nullptr) << error;
      exports = &module->exports();
    }
    const BuiltInSkinImages builtIn(1.0);
    for (int sv = 0; sv <= (entry.supportsSmallView ? 1 : 0); ++sv) {
      const SkinImageLookup images = [&, sv](int id) {
        return module ? packageImage(*exports, id, sv) : builtIn.pixmap(id);
      };
      showAndKeep(*exports, images, sv, name);
    }
  }
}

}  // namespace
}  // namespace qp

// A display of our own when the machine can make one; otherwise Qt's offscreen platform.
int main(int argc, char** argv) {
  std::unique_ptr<qp::test::XSession> session;
  if (qp::test::XSession::available()) {
    session = std::make_unique<qp::test::XSession>();
  }
  if (session && session->ready()) {
    setenv("DISPLAY", session->display().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
  } else {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  QApplication app(argc, argv);
  qp::StringTable::setActive(qp::LanguageId::kEnglish);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
