#pragma once
// The captions of the text windows, which also name the open file.

#include <string>

namespace fieldizer {

inline constexpr const char* manipulatorTitle = "Manipulator";
inline constexpr const char* textViewerTitle = "Text Viewer";

// "Manipulator" without a file, "Manipulator - " and the full path with one.
std::string manipulatorCaption(const std::string& path);

// The Text Viewer shows the path of the Manipulator's file, or
// "Text Viewer" when the Manipulator names none.
std::string viewerCaption(const std::string& manipulatorCaption);

} // namespace fieldizer
