// Feeds the five LM704 and VS controls images of any content and size. An image of the model's
// size is always imported; every other size is refused. An imported image must encode again
// to the model's size without touching a byte outside the channel table, the settings record,
// the scan bitmap and the key bytes.
#include "app/ModelRegistry.h"
#include "radios/lmvs/LmVsControl.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kModels[] = {"LM704", "VS31", "VS46", "VS58", "VS73"};

/// One model's control and the bytes its codec may change.
struct Model {
    std::unique_ptr<vd::LmVsControl> control;
    std::vector<bool> codecBytes;
};

Model MakeModel(const char* name) {
    Model model;
    std::unique_ptr<vd::HamCpsControl> control = vd::ModelRegistry::CreateControl(name);
    model.control.reset(dynamic_cast<vd::LmVsControl*>(control.release()));
    if (!model.control) {
        __builtin_trap();
    }
    const vd::LmVsImageLayout& layout = model.control->Model().image;
    model.codecBytes.assign(layout.imageSize, false);
    for (std::size_t i = vd::kLmVsChannelTableOffset;
         i < vd::kLmVsChannelTableOffset + vd::kLmVsChannelSlots * vd::kLmVsChannelRecordSize;
         ++i) {
        model.codecBytes[i] = true;
    }
    for (std::size_t i = 0; i < layout.settingsSize; ++i) {
        model.codecBytes[layout.settingsOffset + i] = true;
    }
    if (layout.scanBitmapOffset) {
        model.codecBytes[*layout.scanBitmapOffset] = true;
        model.codecBytes[*layout.scanBitmapOffset + 1] = true;
    }
    for (const vd::KeyByte& key : layout.keyBytes) {
        model.codecBytes[key.offset] = true;
    }
    return model;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("VALDREN_CPS_TEMPLATE_DIR", VALDREN_FUZZ_TEMPLATE_DIR, 0);
    const auto ini = std::filesystem::temp_directory_path() / "lmvs_image_fuzz_no_cps.ini";
    setenv("VALDREN_CPS_INI", ini.c_str(), 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Model models[] = {MakeModel(kModels[0]), MakeModel(kModels[1]), MakeModel(kModels[2]),
                             MakeModel(kModels[3]), MakeModel(kModels[4])};
    if (size < 1) {
        return 0;
    }
    Model& model = models[data[0] % 5];
    const std::size_t modelSize = model.codecBytes.size();
    // most inputs are laid out to the model's size, so that the decoding itself is fuzzed
    vd::ByteVector image(data + 1, data + size);
    if (data[0] < 0xF0) {
        image.resize(modelSize, data[0]);
    }

    vd::LmVsControl& control = *model.control;
    control.ResetToTemplate();
    const bool imported = control.ImportImage(image);
    if (imported != (image.size() == modelSize)) {
        __builtin_trap();
    }
    if (!imported) {
        return 0;
    }
    vd::ByteVector again = image;
    if (!control.GenerateImage(again, 1) || again.size() != modelSize) {
        __builtin_trap();
    }
    for (std::size_t i = 0; i < modelSize; ++i) {
        if (!model.codecBytes[i] && again[i] != image[i]) {
            __builtin_trap();
        }
    }
    return 0;
}
