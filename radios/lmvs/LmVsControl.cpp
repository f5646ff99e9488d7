#include "radios/lmvs/LmVsControl.h"

#include "app/AppPaths.h"
#include "model/Exceptions.h"

#include <fmt/format.h>

namespace vd {

LmVsControl::LmVsControl(const std::string& modelName, const LmVsModelData& model)
    : CommonCpsControl(modelName, model.rootName, {{"ChannelName", 16}},
                       AppPaths::TemplatePath(model.templateFile)),
      model_(model), link_(model.link, progress, [this](unsigned ms) { Sleep(ms); }),
      codec_(model.image, *this), readOnlyKeys_(build_read_only_keys(model.rules)) {}

// The content selector means nothing to these radios: there is one image layout.
bool LmVsControl::GenerateImage(ByteVector& image, int) {
    return codec_.GenerateImage(image);
}

// A write always starts from the radio's own image: the codec owns only part of it.
bool LmVsControl::NeedsNoBaseImage() {
    return false;
}

bool LmVsControl::ImportImage(const ByteVector& image) {
    if (!codec_.ImportImage(image)) {
        return false;
    }
    StoreCheckBoxesAsEdited();
    return true;
}

bool LmVsControl::ReadBaseImage(ISerialPort& port, ByteVector& image, std::string text) {
    image.clear();
    baseRead_ = BaseRead::Failed; // stays so when the read throws ("break!")
    const int blocks = link_.ReadAll(port, image, std::move(text));
    if (blocks != link_.ReadBlockCount() || image.size() != model_.link.imageSize) {
        return false;
    }
    baseRead_ = BaseRead::Complete;
    return true;
}

void LmVsControl::OpenPort(ISerialPort& port, const std::string& device) {
    baseRead_ = BaseRead::None;
    link_.OpenPort(port, device);
}

// These radios know no password and no difference between reading and writing.
bool LmVsControl::host_handshake(ISerialPort& port, int, const uint8_t*, int) {
    return link_.host_handshake(port);
}

int LmVsControl::ReadAll(ISerialPort& port, ByteVector& image, std::string text) {
    return link_.ReadAll(port, image, std::move(text));
}

int LmVsControl::WriteAll(ISerialPort& port, const ByteVector& image, std::string text) {
    if (baseRead_ == BaseRead::Failed) {
        throw ValdrenCpsException(
            "The radio's memory could not be read before writing: nothing was written");
    }
    return link_.WriteAll(port, image, std::move(text));
}

bool LmVsControl::IsElementReadOnly(const std::string& id, const std::string& name) {
    return readOnlyKeys_.count(id + "_" + name) != 0;
}

bool LmVsControl::ValidateValue(const std::string& name, std::string& kind,
                                std::vector<long long>& lower, std::vector<long long>& upper,
                                std::string&) {
    return frequency_rule(name, model_.rules.frequencies, kind, lower, upper);
}

std::string LmVsControl::ImageProblem(const ByteVector& image) {
    const size_t size = model_.image.imageSize;
    if (image.size() == size) {
        return {};
    }
    return fmt::format("an image of {} bytes; {} images are exactly {} bytes", image.size(),
                       GetModelName(), size);
}

int LmVsControl::ValueStep(const std::string& name) {
    return is_frequency_field(name) ? 10 : 1;
}

bool LmVsControl::IsReferenceName(const std::string& name) {
    return is_channel_reference_name(name);
}

std::string LmVsControl::GetReferenceTarget(const std::string& name) {
    return channel_reference_target(name);
}

// The five radios store no texts and no member lists; what they share is the channel.
const ProjectRules& LmVsControl::GetProjectRules() const {
    static const ProjectRules rules = [] {
        ProjectRules r;
        r.receiveField = "rxfreq";
        r.transmitField = "txfreq";
        r.receiveOnly = {{162400000, 162550000}}; // the weather broadcasts
        return r;
    }();
    return rules;
}

} // namespace vd
