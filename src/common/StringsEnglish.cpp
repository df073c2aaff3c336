// The English string table (language id 1033): every text under its string id. Placeholders
// (%i, %s, %.1f) are written as for the C library's printf; the values fill them in order
// (StringTable::format, StringTable::substitute).
#include "common/StringIds.h"
#include "common/StringResource.h"

namespace qp {
namespace {

using namespace StringId;

const StringResource kEnglish[] = {
    {kProductName, "Quillophone"},
    // Default folders, created on a first run; texts of 2 characters or fewer create nothing.
    {kDefaultFolder1, "Personal"},
    {kDefaultFolder2, "Alarms"},
    {kDefaultFolder3, "To Do"},
    {kDefaultFolder4, "Business"},
    {kDefaultFolder5, " "},
    {kDefaultFolder6, " "},
    {kDefaultFolder7, " "},
    {kDefaultFolder8, " "},
    // Note operations.
    {kEraseNoteQuestion, "Are you sure you want to erase this note?"},
    {kEraseNotesQuestion, "Are you sure you want to erase these %i notes?"},
    {kFolderNameForbiddenCharacter,
     "A folder name cannot contain any of the following characters: "
     " \\ / : * ? < > | \""},
    {kFolderNameTooLong, "A folder name cannot be longer than %i characters."},
    {kFolderNameEmpty, "You must enter a name for the new folder."},
    {kFolderNameTaken, "You already have a folder by this name."},
    {kFolderNotCreated, "Unable to create a folder with this name."},
    {kFolderNotRenamed, "Unable to rename the folder to this new name."},
    {kDeleteFolderQuestion, "Are you sure you want to delete this folder and any notes in it?"},
    {kNoteNameForbiddenCharacter,
     "A note name cannot contain any of the following characters: "
     " \\ / : * ? < > | \""},
    {kRenameFolderTitle, "Rename Folder"},
    {kNoFolderChosen, "You must select a folder from the list."},
    {kNoteNotMoved,
     "The note can not be moved because a note with the same name already exists in the "
     "folder."},
    {kTrayTip, "          Tolvane Quillophone \n Push and Hold for quick record"},
    // E-mail.
    {kEmailSubject, "Tolvane Quillophone Message"},
    {kEmailFailed,
     "Sending e-mail from Quillophone is not supported by your e-mail program, or your e-mail "
     "needs to be configured to work with Quillophone.\n\nPress the \"Help\" button if you want "
     "help configuring your e-mail to work with Quillophone."},
    // Recording quality.
    {kQualityLow, "Low"},
    {kQualityMedium, "Medium"},
    {kQualityHigh, "High"},
    // Alarms.
    {kOrdinalFirst, "First"},
    {kOrdinalSecond, "Second"},
    {kOrdinalThird, "Third"},
    {kOrdinalFourth, "Fourth"},
    {kOrdinalLast, "Last"},
    {kSunday, "Sunday"},
    {kMonday, "Monday"},
    {kTuesday, "Tuesday"},
    {kWednesday, "Wednesday"},
    {kThursday, "Thursday"},
    {kFriday, "Friday"},
    {kSaturday, "Saturday"},
    {kAlarmTitle, "Alarm"},
    {kAlarmPassed,
     "The alarm date and time has already passed.\n\nPlease enter a new date and/or time."},
    {kCloseWithAlarmsQuestion,
     "You have active alarms. Closing Quillophone will disable the alarms.\n\nDo you want to "
     "close Quillophone?"},
    {kNoWeekdayChosen, "You must specify at least one day of the week."},
    {kNoMonthChosen, "You must specify at least one month."},
    {kEraseAllNotesQuestion, "Do you want to erase all recorded notes?"},
    // Export formats and their credit lines.
    {kMp3Credit,
     "MP3 encoding by the LAME encoder library (libmp3lame), used under the GNU Lesser General "
     "Public License."},
    {kWmaCredit,
     "WMA conversion by the FFmpeg libraries (libavformat, libavcodec, libswresample), used "
     "under the GNU Lesser General Public License."},
    {kWmaBestQuality, "WMA File (Best Quality)"},
    {kWmaSmallestFile, "WMA File (Smallest File)"},
    {kWmaFile, "WMA File"},
    {kMp3File, "MP3 File"},
    {kNameTooLong, "The name is too long."},
    // Dropped files.
    {kReplaceNoteQuestion,
     "You already have a note with this name: %s\n\nDo you want to replace it?"},
    // Folder and note dialogs.
    {kSortOrderLabel, "Sort Order"},
    {kOptionsLabel, "Options:"},
    {kPromptForAlarms, "Prompt for Alarms"},
    {kAlphabetical, "Alphabetical"},
    {kOldestFirst, "Oldest First"},
    {kNewestFirst, "Newest First"},
    // The body paragraph of e-mailed notes.
    {kEmailBody,
     "This message holds a voice note recorded with Tolvane Quillophone. Open the attachment to "
     "play it with your media player. If it does not play, a free "
     "player can be downloaded from the Tolvane Electronics web page."},
    {kAlarmDate, "Alarm Date"},
    {kEraseNoteTitle, "Erase Note"},
    {kMoveNotesTitle, "Move Notes"},
    {kNameNoteTitle, "Name Note"},
    {kNewFolderTitle, "New Folder"},
    {kNotePropertiesTitle, "Note Properties"},
    // Time display, preferences and sizes.
    {kPaused, "Paused"},
    {kDiskSpaceNote,
     "This affects the amount of disk space used. 10 minutes of notes at \"%s\" will use %s of "
     "disk space."},
    {kGigabytes, "GB"},
    {kMegabytes, "MB"},
    {kKilobytes, "KB"},
    // Audio: recording, playback and editing.
    {kCannotOpenNote, "Unable to open the note file."},
    {kOnly16BitPlayback, "Only 16-bit wave files can be played."},
    {kCannotOpenSpeakers, "Unable to open the speakers."},
    {kCannotOpenMicrophone,
     "Unable to open the microphone. This could mean that another application is already using "
     "the microphone."},
    {kDiskFull, "Unable to write the note file. The disk may be full."},
    {kNoteFull, "The note has reached the largest size a wave file can hold."},
    {kNoAudio,
     "No audio was detected coming from your microphone.\n\nPress the \"Help\" button if you "
     "want help adjusting your microphone."},
    {kSelectANote, "Select a note before pushing this button."},
    {kEraseSelectionQuestion, "Do you want to erase the selected area of the note?"},
    {kReplaceSelectionQuestion,
     "Do you want to replace the selected area of the note?\n\n(If you answer \"No\", click on "
     "the graph to select the insertion point.)"},
    {kNeedInsertionPoint, "You need to click on the graph to indicate the insertion point."},
    {kMonoOnly, "You can only insert notes into 16-bit, mono wave files."},
    {kInserting, "Inserting"},
    {kAppending, "Appending"},
    {kLengthSeconds, "%.1f seconds"},
    {kLengthOneMinute, "1 minute %.1f seconds"},
    {kLengthMinutes, "%i minutes %.1f seconds"},
    {kNoteReadOnly, "This note is read-only. You do not have permission to change it."},
    // Alarms.
    {kIntegerOutOfRange, "Please enter an integer between %i and %i."},
    // Preferences and about box.
    {kPreferencesTitle, "Preferences"},
    {kAlarmsWithToday, "%i  (Today: %i)"},
    {kWaveFile, "Wave File"},
    {kRecordingQualityLabel, "Recording Quality"},
    {kQualityLowOption, "&Low"},
    {kQualityMediumOption, "&Medium"},
    {kQualityHighOption, "&High"},
    {kSkinLabel, "&Skin:"},
    {kEmailFormatLabel, "&E-mail Format:"},
    {kDragFormatLabel, "&Drag/Drop Format:"},
    {kMicrophoneEnhancementsOption, "M&icrophone enhancements"},
    {kShowOnTaskbarOption, "Show &Quillophone on the taskbar"},
    {kShowTooltipsOption, "Show &Tooltips"},
    {kPromptForNameOption, "&Prompt to name note after recording"},
    {kSoundEffectsOption, "S&ound effects"},
    {kSkinPreviewName, "Skin preview"},
    {kAboutTitle, "About Quillophone"},
    {kVersionWord, "Version"},
    {kStatisticsGroup, "Statistics"},
    {kFoldersLabel, "Folders:"},
    {kNotesLabel, "Notes:"},
    {kAlarmsLabel, "Alarms:"},
    {kDiskSpaceUsedLabel, "Disk space used:"},
    {kDiskSpaceAvailableLabel, "Disk space available:"},
    {kMakerLine, "Tolvane Electronics"},
    {kLegalLine, "Copyright \u00a9 2026 Tolvane Electronics. All rights reserved."},
    {kWebSiteButton, "&Web Site"},
    // The tray menu.
    {kTrayOpen, "&Open Quillophone..."},
    {kTrayHelp, "&Help..."},
    {kTrayPreferences, "&Preferences..."},
    {kTrayEraseNotes, "&Erase Notes..."},
    {kTrayAbout, "&About Quillophone..."},
    {kTrayClose, "&Close"},
    // Dialogs and popups: labels of the alarm popup, buttons and labels of the dialogs.
    {kCloseButton, "Close"},
    {kMinutesLabel, "minute(s)"},
    {kSnoozeButton, "Snooze"},
    {kSnoozeForLabel, "Snooze for"},
    {kOkButton, "OK"},
    {kCancelButton, "Cancel"},
    {kHelpButton, "&Help"},
    {kNewFolderNameLabel, "&New Folder Name:"},
    {kCurrentFolderNameLabel, "Current Folder Name:"},
    {kNoteNameLabel, "&Name:"},
    {kNoteFolderLabel, "&Folder:"},
    {kMoveNotesPrompt, "Highlight the folder you want the selected notes moved to:"},
    {kFolderLabel, "Folder:"},
    {kCheckNotesToErase, "&Check the note(s) to erase:"},
    {kCheckAll, "Check &All"},
    {kUncheckAll, "&Uncheck All"},
    {kEraseButton, "&Erase"},
    {kNameLabel, "Name:"},
    {kQualityLabel, "Quality:"},
    {kLengthLabel, "Length:"},
    {kLastModifiedLabel, "Last modified:"},
    {kFileSizeLabel, "File size:"},
    {kLocationLabel, "Location:"},
    {kAlarmTimeLabel, "Alarm &time:"},
    {kScheduleGroup, "Schedule"},
    {kOneTimeOnly, "&One time only"},
    {kWeekly, "&Weekly"},
    {kMonthly, "&Monthly"},
    {kPlayOnLabel, "&Play on:"},
    {kEraseAfterPlaying, "&Erase note after playing alarm"},
    {kDayOfMonthRadio, "&Day"},
    {kOfTheMonth, "of the month"},
    {kNthWeekdayRadio, "T&he"},
    {kSunShort, "Sun"},
    {kMonShort, "Mon"},
    {kTueShort, "Tue"},
    {kWedShort, "Wed"},
    {kThuShort, "Thu"},
    {kFriShort, "Fri"},
    {kSatShort, "Sat"},
    {kJanShort, "Jan"},
    {kFebShort, "Feb"},
    {kMarShort, "Mar"},
    {kAprShort, "Apr"},
    {kMayShort, "May"},
    {kJunShort, "Jun"},
    {kJulShort, "Jul"},
    {kAugShort, "Aug"},
    {kSepShort, "Sep"},
    {kOctShort, "Oct"},
    {kNovShort, "Nov"},
    {kDecShort, "Dec"},
    {kAlarmOptionsGroup, "Options"},
    {kPlayToneBeforeNote, "Play alarm t&one before note"},
    {kDisplayPopup, "Display pop&up message"},
    {kPopupMessageLabel, "Popup me&ssage:"},
    {kReplayEvery, "&Replay every"},
    {kReplayMinutesSuffix, "minute(s), up to 3 times"},
    {kSetAlarm, "&Set Alarm"},
    {kDisableAlarm, "D&isable Alarm"},
    {kDoNotShowAgain, "&Do not show this message again"},
    {kNoMailProgram,
     "No e-mail program is set up to send messages from Quillophone.\n\nChoose a default e-mail "
     "program in your desktop's settings and try again."},
};

}  // namespace

extern const LanguageStrings kEnglishStrings;
const LanguageStrings kEnglishStrings{1033, kEnglish, sizeof(kEnglish) / sizeof(kEnglish[0])};

}  // namespace qp
