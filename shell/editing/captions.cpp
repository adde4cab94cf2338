#include "shell/editing/captions.h"

#include <string_view>

namespace fieldizer {
namespace {
constexpr std::string_view fileCaptionPrefix = "Manipulator - ";
}

std::string manipulatorCaption(const std::string& path) {
    return path.empty() ? std::string(manipulatorTitle) : std::string(fileCaptionPrefix) + path;
}

std::string viewerCaption(const std::string& manipulatorCaption) {
    if (manipulatorCaption == manipulatorTitle)
        return textViewerTitle;
    // Any other caption names a file after the prefix.
    return manipulatorCaption.size() > fileCaptionPrefix.size()
               ? manipulatorCaption.substr(fileCaptionPrefix.size())
               : std::string(textViewerTitle);
}

} // namespace fieldizer
