#pragma once
// The object names of the Manipulator's controls: the names of the
// window's design, which the focus rules and the tests reach the controls
// by. Each is set once, from here. A parameter control is named after its
// Settings key (text_engine/parameter_keys.h), its spinner after the key
// and "Spinner".

#include "shell/menus/form_names.h"

namespace fieldizer::ui::manipulatorControls {

inline constexpr const char* window = formNames::manipulator;
inline constexpr char tabs[] = "SSTab1";
// The pages of the tabs, in the tabs' order: Text/Lines first.
inline constexpr const char* tabPages[] = {"SSTab1Page0", "SSTab1Page1", "SSTab1Page2",
                                           "SSTab1Page3", "SSTab1Page4", "SSTab1Page5",
                                           "SSTab1Page6", "SSTab1Page7", "SSTab1Page8"};

// The "Text/Lines" tab.
inline constexpr char textBox[] = "RichTextBox1";
inline constexpr char textBoxRuler[] = "RichTextBox1Ruler";
inline constexpr char lineEndBar[] = "lineEndBar";
inline constexpr char lineEndNotice[] = "lineEndNotice";
inline constexpr char convertLineEndsButton[] = "convertLineEnds";
inline constexpr char joinLinesButton[] = "Command13";
inline constexpr char createLineButton[] = "Command15";
inline constexpr char startLineAfterLabel[] = "Label30";
inline constexpr char startLineAfter[] = "MaskEdBox17";
inline constexpr char startLineAfterUnitLabel[] = "Label31";
inline constexpr char breakLinesButton[] = "Command14";

// Below the tabs, on every tab.
inline constexpr char bottomRow[] = "bottomRow";
inline constexpr char undoButton[] = "Command1";
inline constexpr char stopButton[] = "Command17";
inline constexpr char progressBar[] = "ProgressBar1";
inline constexpr char counterLabel[] = "Label28";
inline constexpr char counterText[] = "Text7";
inline constexpr char counterHasLabel[] = "Label27";
inline constexpr char counterLength[] = "Text8";
inline constexpr char counterUnitLabel[] = "Label29";

// "Move Text".
inline constexpr char movePanel[] = "moveTextPanel";
inline constexpr char textToMove[] = "Combo1";
inline constexpr char moveSpecificText[] = "Text1";
inline constexpr char moveFromCol[] = "MaskEdBox1";
inline constexpr char moveFromColSpinner[] = "UpDown1";
inline constexpr char moveNumOfChars[] = "MaskEdBox3";
inline constexpr char moveNumOfCharsSpinner[] = "UpDown3";
inline constexpr char moveToCol[] = "MaskEdBox2";
inline constexpr char moveToColSpinner[] = "UpDown2";
inline constexpr char moveEndOfLine[] = "Check1";
inline constexpr char moveOptions[] = "Combo2";
inline constexpr char moveSpaces[] = "MaskEdBox5";
inline constexpr char moveSpacesSpinner[] = "UpDown5";
inline constexpr char movePlaceSpaces[] = "Combo3";
inline constexpr char moveAfterProcess[] = "Check5";
inline constexpr char moveAfterProcessShow[] = "Check11";
inline constexpr char moveProcessButton[] = "Command2";

// "Add Text".
inline constexpr char addPanel[] = "addTextPanel";
inline constexpr char addText[] = "Text2";
inline constexpr char addIfContains[] = "Text3";
inline constexpr char addAtCol[] = "MaskEdBox9";
inline constexpr char addAtColSpinner[] = "UpDown9";
inline constexpr char addEndOfLine[] = "Check2";
inline constexpr char addOptions[] = "Combo5";
inline constexpr char addSpaces[] = "MaskEdBox6";
inline constexpr char addSpacesSpinner[] = "UpDown6";
inline constexpr char addPlaceSpaces[] = "Combo4";
inline constexpr char addAfterProcess[] = "Check6";
inline constexpr char addAfterProcessShow[] = "Check12";
inline constexpr char addProcessButton[] = "Command3";

// "Replace Text".
inline constexpr char replacePanel[] = "replaceTextPanel";
inline constexpr char replaceText[] = "Combo7";
inline constexpr char replaceSpecificText[] = "Text4";
inline constexpr char replaceWith[] = "Text5";
inline constexpr char replaceAtCol[] = "MaskEdBox11";
inline constexpr char replaceAtColSpinner[] = "UpDown11";
inline constexpr char replaceNumOfChars[] = "MaskEdBox8";
inline constexpr char replaceNumOfCharsSpinner[] = "UpDown8";
inline constexpr char replaceEndOfLine[] = "Check3";
inline constexpr char replaceAfterProcess[] = "Check7";
inline constexpr char replaceAfterProcessShow[] = "Check13";
inline constexpr char replaceProcessButton[] = "Command4";

// "Delete Text".
inline constexpr char deletePanel[] = "deleteTextPanel";
inline constexpr char deleteText[] = "Combo6";
inline constexpr char deleteSpecificText[] = "Text6";
inline constexpr char deleteFromCol[] = "MaskEdBox7";
inline constexpr char deleteFromColSpinner[] = "UpDown7";
inline constexpr char deleteNumOfChars[] = "MaskEdBox10";
inline constexpr char deleteNumOfCharsSpinner[] = "UpDown10";
inline constexpr char deleteEndOfLine[] = "Check4";
inline constexpr char deleteOptions[] = "Combo8";
inline constexpr char deleteSpaces[] = "MaskEdBox12";
inline constexpr char deleteSpacesSpinner[] = "UpDown12";
inline constexpr char deleteAfterProcess[] = "Check8";
inline constexpr char deleteAfterProcessShow[] = "Check14";
inline constexpr char deleteProcessButton[] = "Command5";

// "Format Text".
inline constexpr char formatPanel[] = "formatTextPanel";
inline constexpr char formatCreate[] = "Combo12";
inline constexpr char formatDelimiter[] = "Combo9";
inline constexpr char formatLineStart[] = "Combo14";
inline constexpr char formatSpacesBetweenCols[] = "MaskEdBox16";
inline constexpr char formatSpacesBetweenColsSpinner[] = "UpDown16";
inline constexpr char formatAddText[] = "Combo13";
inline constexpr char formatTextToAdd[] = "Text9";
inline constexpr char formatAddFromCol[] = "MaskEdBox14";
inline constexpr char formatAddFromColSpinner[] = "UpDown14";
inline constexpr char formatNumOfChars[] = "MaskEdBox15";
inline constexpr char formatNumOfCharsSpinner[] = "UpDown15";
inline constexpr char formatFirstSection[] = "Combo15";
inline constexpr char formatOptions[] = "Combo10";
inline constexpr char formatPlaceSpaces[] = "Combo11";
inline constexpr char formatSpaces[] = "MaskEdBox13";
inline constexpr char formatSpacesSpinner[] = "UpDown13";
inline constexpr char formatAfterProcess[] = "Check9";
inline constexpr char formatAfterProcessShow[] = "Check15";
inline constexpr char formatProcessButton[] = "Command6";

// "Fieldize Text".
inline constexpr char fieldizePanel[] = "fieldizeTextPanel";
inline constexpr char specGridCaption[] = "DBGrid1Caption";
inline constexpr char specGrid[] = "DBGrid1";
inline constexpr char specNavigation[] = "Data1";
inline constexpr char specPositionCaption[] = "Data1Caption";
inline constexpr char specFirstButton[] = "Data1First";
inline constexpr char specPreviousButton[] = "Data1Previous";
inline constexpr char specNextButton[] = "Data1Next";
inline constexpr char specLastButton[] = "Data1Last";
inline constexpr char fieldizeStartLineAtLabel[] = "fieldizeStartLineAtLabel";
inline constexpr char fieldizeStartLineAt[] = "MaskEdBox4";
inline constexpr char fieldizeStartLineAtSpinner[] = "UpDown4";
inline constexpr char fieldizeStartLineAtUp[] = "UpDown4Up";
inline constexpr char fieldizeStartLineAtDown[] = "UpDown4Down";
inline constexpr char fieldizeAfterProcess[] = "Check10";
inline constexpr char fieldizeAfterProcessShow[] = "Check16";
inline constexpr char fieldizeProcessButton[] = "Command7";
inline constexpr char clearSpecsButton[] = "Command12";
inline constexpr char previewCaption[] = "fieldizePreviewCaption";
inline constexpr char preview[] = "fieldizePreview";
inline constexpr char previewRuler[] = "fieldizePreviewRuler";
// The row of commands that point at columns and bring layouts in and out.
inline constexpr char layoutCommands[] = "fieldizeLayoutCommands";
inline constexpr char addColumnButton[] = "addColumnFromSelectionButton";
inline constexpr char guessColumnsButton[] = "guessColumnsButton";
inline constexpr char firstLineHoldsHeadings[] = "firstLineHoldsHeadings";
inline constexpr char importColumnsButton[] = "importColumnsButton";
inline constexpr char exportColumnsButton[] = "exportColumnsButton";
// "Add Column from Selection" in the text box's context menu.
inline constexpr char addColumnAction[] = "addColumnFromSelectionAction";

// "Settings".
inline constexpr char settingsPanel[] = "settingsPanel";
inline constexpr char settingsNameLabel[] = "settingsNameLabel";
inline constexpr char settingsName[] = "Combo16";
inline constexpr char saveSettingsButton[] = "Command8";
inline constexpr char selectSettingsButton[] = "Command9";
inline constexpr char deleteSettingsButton[] = "Command16";

// "Save to Database".
inline constexpr char savePanel[] = "saveToDatabasePanel";
inline constexpr char saveOptionsFrame[] = "Frame1";
inline constexpr char createInOwnDatabaseOption[] = "Option1";
inline constexpr char createInChosenDatabaseOption[] = "Option2";
inline constexpr char existingTableOption[] = "Option3";
inline constexpr char tableNameLabel[] = "tableNameLabel";
inline constexpr char tableName[] = "Combo17";
inline constexpr char processMethodLabel[] = "processMethodLabel";
inline constexpr char databaseProcessMethod[] = "Combo18";
inline constexpr char databaseDelimiterLabel[] = "Label45";
inline constexpr char databaseDelimiter[] = "Text10";
inline constexpr char saveButton[] = "Command10";
inline constexpr char selectDatabaseButton[] = "Command11";
inline constexpr char serverDatabaseButton[] = "serverDatabaseButton";

} // namespace fieldizer::ui::manipulatorControls
