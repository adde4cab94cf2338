#pragma once
// The object names of the query window's controls, the names the tests
// reach them by; each is set once, from here.

#include "shell/menus/form_names.h"

namespace fieldizer::ui::queryWindowControls {

inline constexpr const char* window = formNames::queryWindow;
inline constexpr char savedQueriesLabel[] = "Label1";
inline constexpr char savedQueriesList[] = "lstQueryDefs";
inline constexpr char statementLabel[] = "Label2";
inline constexpr char statementBox[] = "txtSQLStatement";
inline constexpr char removeButton[] = "cmdRemoveQuery";
inline constexpr char saveButton[] = "cmdSaveQueryDef";
inline constexpr char executeButton[] = "cmdExecuteSQL";
inline constexpr char explanationFrame[] = "Frame1";
inline constexpr char explanationLabel[] = "lblSQL";

} // namespace fieldizer::ui::queryWindowControls
