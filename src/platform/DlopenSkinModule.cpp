#include "platform/DlopenSkinModule.h"

#include <dlfcn.h>

#include "skins/SkinExportNames.h"

namespace qp {
namespace {

class DlopenSkinModule final : public SkinModule {
 public:
  explicit DlopenSkinModule(void* handle) : handle_(handle) { lookUpExports(); }
  ~DlopenSkinModule() override { dlclose(handle_); }
  DlopenSkinModule(const DlopenSkinModule&) = delete;
  DlopenSkinModule& operator=(const DlopenSkinModule&) = delete;

  const SkinExports& exports() const override { return exports_; }

 private:
  template <typename Function>
  void find(Function& entry, const char* name) {
    // The loader hands out entry points as data pointers; POSIX guarantees the conversion.
    entry = reinterpret_cast<Function>(dlsym(handle_, name));
  }

  void lookUpExports() {
    namespace n = SkinExportName;
    find(exports_.getSkinVersion, n::kGetSkinVersion);
    find(exports_.getGeneral, n::kGetGeneral);
    find(exports_.getSkin, n::kGetSkin);
    find(exports_.getAdvancedCtrls, n::kGetAdvancedCtrls);
    find(exports_.getBitmap, n::kGetBitmap);
    find(exports_.getButton, n::kGetButton);
    find(exports_.getGraph, n::kGetGraph);
    find(exports_.getKnob, n::kGetKnob);
    find(exports_.getListbox, n::kGetListbox);
    find(exports_.getTabOrder, n::kGetTabOrder);
    find(exports_.getText, n::kGetText);
    find(exports_.getVUMeter, n::kGetVUMeter);
    find(exports_.getEffects, n::kGetEffects);
    find(exports_.getVolume, n::kGetVolume);
    find(exports_.notify, n::kNotify);
    find(exports_.getSkinImage, n::kGetSkinImage);
  }

  void* handle_;
  SkinExports exports_;
};

}  // namespace

std::unique_ptr<SkinModule> DlopenSkinModuleLoader::load(const std::string& path,
                                                         std::string& error) {
  const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
  void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = dlerror();
    error = reason != nullptr ? reason : "the file cannot be loaded";
    return nullptr;
  }
  return std::make_unique<DlopenSkinModule>(handle);
}

}  // namespace qp
