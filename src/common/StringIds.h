#pragma once

// The ids of the string tables' texts: code names a text only by these constants.
//
// Ids 1 to 999 are the program's established string ids, the same in every language's table.
// Texts that had no id of their own are numbered from 1000 up, one block of 100 per module
// (1000 audio, 1100 alarms), so they never meet an established id. A new text takes the next
// free id of its module's block and gets its English wording in StringsEnglish.cpp.
namespace qp::StringId {

// Program.
inline constexpr int kProductName = 1;

// Default folders, created on a first run in this order; a text of 2 characters or fewer
// creates nothing. The first is also the default folder; the second ("Alarms") prompts for
// alarms by default.
inline constexpr int kDefaultFolder1 = 3;
inline constexpr int kDefaultFolder2 = 4;
inline constexpr int kDefaultFolder3 = 5;
inline constexpr int kDefaultFolder4 = 6;
inline constexpr int kDefaultFolder5 = 7;
inline constexpr int kDefaultFolder6 = 8;
inline constexpr int kDefaultFolder7 = 9;
inline constexpr int kDefaultFolder8 = 10;
inline constexpr int kAlarmsFolder = kDefaultFolder2;

// Time display.
inline constexpr int kPaused = 28;

// Folder and note commands.
inline constexpr int kEraseNoteQuestion = 33;
inline constexpr int kEraseNotesQuestion = 34;  // %i: the number of notes
inline constexpr int kFolderNameForbiddenCharacter = 40;
inline constexpr int kFolderNameTooLong = 41;  // %i: the longest length
inline constexpr int kFolderNameEmpty = 42;
inline constexpr int kFolderNameTaken = 43;
inline constexpr int kFolderNotCreated = 44;
inline constexpr int kFolderNotRenamed = 45;
inline constexpr int kDeleteFolderQuestion = 46;
inline constexpr int kNoteNameForbiddenCharacter = 47;
inline constexpr int kRenameFolderTitle = 50;
inline constexpr int kNoFolderChosen = 51;
inline constexpr int kNoteNotMoved = 52;
inline constexpr int kTrayTip = 56;

// E-mail.
inline constexpr int kEmailSubject = 78;
inline constexpr int kEmailFailed = 79;

// Recording quality presets.
inline constexpr int kQualityLow = 80;
inline constexpr int kQualityMedium = 81;
inline constexpr int kQualityHigh = 82;

// Alarms.
inline constexpr int kOrdinalFirst = 86;  // the week of the month: First ... Fourth, Last
inline constexpr int kOrdinalSecond = 87;
inline constexpr int kOrdinalThird = 88;
inline constexpr int kOrdinalFourth = 89;
inline constexpr int kOrdinalLast = 90;
inline constexpr int kSunday = 91;
inline constexpr int kMonday = 92;
inline constexpr int kTuesday = 93;
inline constexpr int kWednesday = 94;
inline constexpr int kThursday = 95;
inline constexpr int kFriday = 96;
inline constexpr int kSaturday = 97;
inline constexpr int kAlarmTitle = 98;
inline constexpr int kAlarmPassed = 99;
inline constexpr int kCloseWithAlarmsQuestion = 100;
inline constexpr int kNoWeekdayChosen = 101;
inline constexpr int kNoMonthChosen = 102;

// Preferences and sizes.
inline constexpr int kDiskSpaceNote = 104;  // %s: the preset's label, %s: the size text
inline constexpr int kEraseAllNotesQuestion = 105;
inline constexpr int kGigabytes = 107;
inline constexpr int kMegabytes = 108;
inline constexpr int kKilobytes = 109;

// Export formats and their credit lines.
inline constexpr int kMp3Credit = 119;
inline constexpr int kWmaCredit = 120;
inline constexpr int kWmaBestQuality = 121;
inline constexpr int kWmaSmallestFile = 122;
inline constexpr int kWmaFile = 123;
inline constexpr int kMp3File = 124;

// Names, dropped files, folder and note dialogs.
inline constexpr int kNameTooLong = 130;
inline constexpr int kReplaceNoteQuestion = 131;  // %s: the note's file name
inline constexpr int kSortOrderLabel = 135;
inline constexpr int kOptionsLabel = 136;
inline constexpr int kPromptForAlarms = 137;
inline constexpr int kAlphabetical = 139;
inline constexpr int kOldestFirst = 142;
inline constexpr int kNewestFirst = 143;
inline constexpr int kEmailBody = 144;
inline constexpr int kAlarmDate = 145;
inline constexpr int kEraseNoteTitle = 148;
inline constexpr int kMoveNotesTitle = 149;
inline constexpr int kNameNoteTitle = 150;
inline constexpr int kNewFolderTitle = 151;
inline constexpr int kNotePropertiesTitle = 152;

// Audio (1000-1099): recording, playback and editing.
inline constexpr int kCannotOpenNote = 1000;
inline constexpr int kOnly16BitPlayback = 1001;
inline constexpr int kCannotOpenSpeakers = 1002;
inline constexpr int kCannotOpenMicrophone = 1003;
inline constexpr int kDiskFull = 1004;
inline constexpr int kNoteFull = 1005;
inline constexpr int kNoAudio = 1006;  // cut at its first line break when there is no help
inline constexpr int kSelectANote = 1007;
inline constexpr int kEraseSelectionQuestion = 1008;
inline constexpr int kReplaceSelectionQuestion = 1009;
inline constexpr int kNeedInsertionPoint = 1010;
inline constexpr int kMonoOnly = 1011;
inline constexpr int kInserting = 1012;
inline constexpr int kAppending = 1013;
inline constexpr int kLengthSeconds = 1014;    // %.1f: seconds
inline constexpr int kLengthOneMinute = 1015;  // %.1f: seconds past the minute
inline constexpr int kLengthMinutes = 1016;    // %i: minutes, %.1f: seconds past them
inline constexpr int kNoteReadOnly = 1017;

// Alarms (1100-1199).
inline constexpr int kIntegerOutOfRange = 1100;  // %i: the least, %i: the greatest

// Preferences and about box (1500-1599), with their established ids.
inline constexpr int kPreferencesTitle = 37;
inline constexpr int kAlarmsWithToday = 103;  // %i: notes with an alarm, %i: armed today
inline constexpr int kWaveFile = 110;
inline constexpr int kRecordingQualityLabel = 1500;
inline constexpr int kQualityLowOption = 1501;
inline constexpr int kQualityMediumOption = 1502;
inline constexpr int kQualityHighOption = 1503;
inline constexpr int kSkinLabel = 1504;
inline constexpr int kEmailFormatLabel = 1505;
inline constexpr int kDragFormatLabel = 1506;
inline constexpr int kMicrophoneEnhancementsOption = 1507;
inline constexpr int kShowOnTaskbarOption = 1508;
inline constexpr int kShowTooltipsOption = 1509;
inline constexpr int kPromptForNameOption = 1510;
inline constexpr int kSoundEffectsOption = 1511;
inline constexpr int kSkinPreviewName = 1512;
inline constexpr int kAboutTitle = 1513;
inline constexpr int kVersionWord = 1514;
inline constexpr int kStatisticsGroup = 1515;
inline constexpr int kFoldersLabel = 1516;
inline constexpr int kNotesLabel = 1517;
inline constexpr int kAlarmsLabel = 1518;
inline constexpr int kDiskSpaceUsedLabel = 1519;
inline constexpr int kDiskSpaceAvailableLabel = 1520;
inline constexpr int kMakerLine = 1521;
inline constexpr int kLegalLine = 1522;
inline constexpr int kWebSiteButton = 1523;

// The desktop program's tray menu (1200-1299).
inline constexpr int kTrayOpen = 1200;
inline constexpr int kTrayHelp = 1201;
inline constexpr int kTrayPreferences = 1202;
inline constexpr int kTrayEraseNotes = 1203;
inline constexpr int kTrayAbout = 1204;
inline constexpr int kTrayClose = 1205;

// Dialogs and popups: the established labels of the alarm popup, then (1400-1499) the
// buttons and labels of the dialogs.
inline constexpr int kCloseButton = 19;
inline constexpr int kMinutesLabel = 57;
inline constexpr int kSnoozeButton = 132;
inline constexpr int kSnoozeForLabel = 133;
inline constexpr int kOkButton = 1400;
inline constexpr int kCancelButton = 1401;
inline constexpr int kHelpButton = 1402;
inline constexpr int kNewFolderNameLabel = 1403;
inline constexpr int kCurrentFolderNameLabel = 1404;
inline constexpr int kNoteNameLabel = 1405;
inline constexpr int kNoteFolderLabel = 1406;
inline constexpr int kMoveNotesPrompt = 1407;
inline constexpr int kFolderLabel = 1408;
inline constexpr int kCheckNotesToErase = 1409;
inline constexpr int kCheckAll = 1410;
inline constexpr int kUncheckAll = 1411;
inline constexpr int kEraseButton = 1412;
inline constexpr int kNameLabel = 1413;
inline constexpr int kQualityLabel = 1414;
inline constexpr int kLengthLabel = 1415;
inline constexpr int kLastModifiedLabel = 1416;
inline constexpr int kFileSizeLabel = 1417;
inline constexpr int kLocationLabel = 1418;
inline constexpr int kAlarmTimeLabel = 1419;
inline constexpr int kScheduleGroup = 1420;
inline constexpr int kOneTimeOnly = 1421;
inline constexpr int kWeekly = 1422;
inline constexpr int kMonthly = 1423;
inline constexpr int kPlayOnLabel = 1424;
inline constexpr int kEraseAfterPlaying = 1425;
inline constexpr int kDayOfMonthRadio = 1426;
inline constexpr int kOfTheMonth = 1427;
inline constexpr int kNthWeekdayRadio = 1428;
inline constexpr int kSunShort = 1429;  // kSunShort + n: the weekday n (0 Sunday) in short
inline constexpr int kMonShort = 1430;
inline constexpr int kTueShort = 1431;
inline constexpr int kWedShort = 1432;
inline constexpr int kThuShort = 1433;
inline constexpr int kFriShort = 1434;
inline constexpr int kSatShort = 1435;
inline constexpr int kJanShort = 1436;  // kJanShort + n: the month n (0 January) in short
inline constexpr int kFebShort = 1437;
inline constexpr int kMarShort = 1438;
inline constexpr int kAprShort = 1439;
inline constexpr int kMayShort = 1440;
inline constexpr int kJunShort = 1441;
inline constexpr int kJulShort = 1442;
inline constexpr int kAugShort = 1443;
inline constexpr int kSepShort = 1444;
inline constexpr int kOctShort = 1445;
inline constexpr int kNovShort = 1446;
inline constexpr int kDecShort = 1447;
inline constexpr int kAlarmOptionsGroup = 1448;
inline constexpr int kPlayToneBeforeNote = 1449;
inline constexpr int kDisplayPopup = 1450;
inline constexpr int kPopupMessageLabel = 1451;
inline constexpr int kReplayEvery = 1452;
inline constexpr int kReplayMinutesSuffix = 1453;
inline constexpr int kSetAlarm = 1454;
inline constexpr int kDisableAlarm = 1455;
inline constexpr int kDoNotShowAgain = 1456;
inline constexpr int kNoMailProgram = 1457;

}  // namespace qp::StringId
