#pragma once
// The names of the program's windows, their object names and what
// ProgramState::activeFormName records. The windows set them as object
// names; the menu rules tell the active window by them.

namespace fieldizer::formNames {

inline constexpr char mainWindow[] = "MDIForm1";
inline constexpr char splash[] = "Form1";
inline constexpr char manipulator[] = "Fieldz1";
inline constexpr char about[] = "Fieldz2";
inline constexpr char find[] = "fieldz3";
inline constexpr char textViewer[] = "Form2";
inline constexpr char tableList[] = "Form3";
inline constexpr char passwordAccess[] = "Form4";
inline constexpr char queryResultBrowser[] = "Form12";
inline constexpr char tableBrowser[] = "Form13";
inline constexpr char queryWindow[] = "frmQuerys";

} // namespace fieldizer::formNames
