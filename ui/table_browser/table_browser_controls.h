#pragma once
// The object names of the table browsers' controls, the names the focus
// rules and the tests reach them by; each is set once, from here.

#include "shell/menus/form_names.h"

namespace fieldizer::ui::tableBrowserControls {

inline constexpr const char* tableWindow = formNames::tableBrowser;
inline constexpr const char* queryWindow = formNames::queryResultBrowser;
inline constexpr char gridCaption[] = "grdDataGridCaption";
inline constexpr char grid[] = "grdDataGrid";
inline constexpr char buttonBar[] = "picButtons";
inline constexpr char filterButton[] = "cmdFilter";
inline constexpr char sortButton[] = "cmdSort";
inline constexpr char refreshButton[] = "cmdRefresh";
inline constexpr char showAllButton[] = "Command1";
inline constexpr char printButton[] = "Command2";
inline constexpr char exportButton[] = "cmdExportCsv";
inline constexpr char closeButton[] = "cmdClose";

// The data control under the grid.
inline constexpr char dataControl[] = "Data1";
inline constexpr char firstRecordButton[] = "Data1First";
inline constexpr char previousRecordButton[] = "Data1Previous";
inline constexpr char positionCaption[] = "Data1Caption";
inline constexpr char nextRecordButton[] = "Data1Next";
inline constexpr char lastRecordButton[] = "Data1Last";

} // namespace fieldizer::ui::tableBrowserControls
