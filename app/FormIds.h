// Control ids of the main form's template and the ids of its timers.
#pragma once

namespace form_id {

inline constexpr int kDone = 1002;
inline constexpr int kLoadProgress = 1003;
inline constexpr int kImport = 1006;
inline constexpr int kExport = 1007;
inline constexpr int kFactory = 1008;
inline constexpr int kApply = 1009;
inline constexpr int kFirstProfileTab = 1011;
inline constexpr int kSensitivityReset = 1015;
inline constexpr int kPencil = 1016;
inline constexpr int kButtonsReset = 1017;
inline constexpr int kTryAgain = 1018;
inline constexpr int kLeave = 1019;
inline constexpr int kLevel1 = 1023;
inline constexpr int kLevel2 = 1024;
inline constexpr int kInformation = 1033;
// The six button groups: each control's id is its first id + group.
inline constexpr int kGroupFrames = 1037;
inline constexpr int kGroupTitles = 1043;
inline constexpr int kGroupLists = 1049;
inline constexpr int kGroupKeyClear = 1055;
inline constexpr int kGroupMacro = 1061;
inline constexpr int kGroupScript = 1067;
inline constexpr int kGroupKeyField = 1073;
inline constexpr int kGroupCount = 6;
// Sensitivity sliders and their edits: level 1 X, level 2 X, level 1 Y,
// level 2 Y; an edit's id is its slider's + 4.
inline constexpr int kFirstSlider = 1025;
inline constexpr int kFirstSensitivityEdit = 1029;
inline constexpr int kSensitivityControls = 4;

}  // namespace form_id

namespace timer_id {

inline constexpr int kLoadConfig = 0x900;
inline constexpr int kSaveAll = 0x901;
inline constexpr int kSaveProfile = 0x902;
inline constexpr int kReadList = 0x903;
inline constexpr int kWriteList = 0x904;
inline constexpr int kMacroRead = 0x905;
inline constexpr int kMacroWrite = 0x906;
inline constexpr int kScriptRead = 0x907;
inline constexpr int kScriptWrite = 0x908;
inline constexpr int kSelectKeepAlive = 0x909;
inline constexpr int kBusyAnimation = 0x90A;
inline constexpr int kFactoryRestore = 0x90B;
inline constexpr int kLevelRefresh = 0x90D;
inline constexpr int kFirst = 0x900;
inline constexpr int kLast = 0x90D;

inline constexpr int kStepPeriodMs = 10;
inline constexpr int kKeepAlivePeriodMs = 300;
inline constexpr int kBusyAnimationPeriodMs = 250;

}  // namespace timer_id

namespace box_kind {

inline constexpr int kSaving = 340;
inline constexpr int kResetting = 341;
inline constexpr int kChange = 343;
inline constexpr int kInformation = 346;
inline constexpr int kResetQuestion = 347;
inline constexpr int kReadingFromMouse = 348;
inline constexpr int kWritingToMouse = 349;
inline constexpr int kReadingMacro = 351;
inline constexpr int kReadingScript = 352;
inline constexpr int kApplyOrNot = 648;
// Profile files: the export box, the overwrite question and the notice
// shown instead of opening a file the program was started with.
inline constexpr int kExport = 345;
inline constexpr int kOverwrite = 350;
inline constexpr int kStartWithFile = 353;

}  // namespace box_kind
