// The Chinese (Traditional) string table (language id 1028, also used for Hong Kong and Macao):
// the texts of StringsEnglish.cpp under the same ids, with the same placeholders in the same
// order. Product names stay as they are.
#include "common/StringIds.h"
#include "common/StringResource.h"

namespace qp {
namespace {

using namespace StringId;

const StringResource kChineseTraditional[] = {
    {kProductName, "Quillophone"},
    // Default folders, created on a first run; texts of 2 bytes or fewer create nothing.
    {kDefaultFolder1, "個人"},
    {kDefaultFolder2, "鬧鐘"},
    {kDefaultFolder3, "待辦事項"},
    {kDefaultFolder4, "工作"},
    {kDefaultFolder5, " "},
    {kDefaultFolder6, " "},
    {kDefaultFolder7, " "},
    {kDefaultFolder8, " "},
    // Note operations.
    {kEraseNoteQuestion, "確定要刪除此筆記嗎？"},
    {kEraseNotesQuestion, "確定要刪除這 %i 則筆記嗎？"},
    {kFolderNameForbiddenCharacter, "資料夾名稱不能包含下列任何字元：  \\ / : * ? < > | \""},
    {kFolderNameTooLong, "資料夾名稱不能超過 %i 個字元。"},
    {kFolderNameEmpty, "請輸入新資料夾的名稱。"},
    {kFolderNameTaken, "已經有同名的資料夾。"},
    {kFolderNotCreated, "無法以此名稱建立資料夾。"},
    {kFolderNotRenamed, "無法將資料夾重新命名為此名稱。"},
    {kDeleteFolderQuestion, "確定要刪除此資料夾及其中的所有筆記嗎？"},
    {kNoteNameForbiddenCharacter, "筆記名稱不能包含下列任何字元：  \\ / : * ? < > | \""},
    {kRenameFolderTitle, "重新命名資料夾"},
    {kNoFolderChosen, "請從清單中選取一個資料夾。"},
    {kNoteNotMoved, "無法移動筆記，因為該資料夾中已經有同名的筆記。"},
    {kTrayTip, "          Tolvane Quillophone \n 按住不放即可快速錄音"},
    // E-mail.
    {kEmailSubject, "Tolvane Quillophone 訊息"},
    {kEmailFailed,
     "您的電子郵件程式不支援從 Quillophone 傳送郵件，或需要先設定才能與 Quillophone "
     "搭配使用。\n\n如需設定電子郵件的說明，請按一下「說明」按鈕。"},
    // Recording quality.
    {kQualityLow, "低"},
    {kQualityMedium, "中"},
    {kQualityHigh, "高"},
    // Alarms.
    {kOrdinalFirst, "第一個"},
    {kOrdinalSecond, "第二個"},
    {kOrdinalThird, "第三個"},
    {kOrdinalFourth, "第四個"},
    {kOrdinalLast, "最後一個"},
    {kSunday, "星期日"},
    {kMonday, "星期一"},
    {kTuesday, "星期二"},
    {kWednesday, "星期三"},
    {kThursday, "星期四"},
    {kFriday, "星期五"},
    {kSaturday, "星期六"},
    {kAlarmTitle, "鬧鐘"},
    {kAlarmPassed, "鬧鐘的日期和時間已經過去。\n\n請輸入新的日期和/或時間。"},
    {kCloseWithAlarmsQuestion,
     "您有已啟用的鬧鐘。關閉 Quillophone 會使這些鬧鐘失效。\n\n是否要關閉 Quillophone？"},
    {kNoWeekdayChosen, "請至少選取一週中的一天。"},
    {kNoMonthChosen, "請至少選取一個月份。"},
    {kEraseAllNotesQuestion, "是否要刪除所有錄製的筆記？"},
    // Export formats and their credit lines.
    {kMp3Credit,
     "MP3 編碼由 LAME 編碼器程式庫 (libmp3lame) 提供，依 GNU Lesser General Public License "
     "使用。"},
    {kWmaCredit,
     "WMA 轉換由 FFmpeg 程式庫 (libavformat、libavcodec、libswresample) 提供，依 GNU Lesser "
     "General Public License 使用。"},
    {kWmaBestQuality, "WMA 檔案（最佳品質）"},
    {kWmaSmallestFile, "WMA 檔案（最小檔案）"},
    {kWmaFile, "WMA 檔案"},
    {kMp3File, "MP3 檔案"},
    {kNameTooLong, "名稱太長。"},
    // Dropped files.
    {kReplaceNoteQuestion, "已經有同名的筆記：%s\n\n是否要取代？"},
    // Folder and note dialogs.
    {kSortOrderLabel, "排序方式"},
    {kOptionsLabel, "選項："},
    {kPromptForAlarms, "錄音後提示設定鬧鐘"},
    {kAlphabetical, "依字母順序"},
    {kOldestFirst, "最舊的在前"},
    {kNewestFirst, "最新的在前"},
    // The body paragraph of e-mailed notes.
    {kEmailBody,
     "這封郵件包含一則以 Tolvane Quillophone 錄製的語音筆記。開啟附件即可用您的媒體播放程式播放。"
     "如果無法播放，可以從 Tolvane Electronics 網站下載免費的播放程式。"},
    {kAlarmDate, "鬧鐘日期"},
    {kEraseNoteTitle, "刪除筆記"},
    {kMoveNotesTitle, "移動筆記"},
    {kNameNoteTitle, "命名筆記"},
    {kNewFolderTitle, "新增資料夾"},
    {kNotePropertiesTitle, "筆記內容"},
    // Time display, preferences and sizes.
    {kPaused, "已暫停"},
    {kDiskSpaceNote,
     "此設定會影響使用的磁碟空間。以「%s」品質錄製 10 分鐘的筆記會使用 %s 的磁碟空間。"},
    {kGigabytes, "GB"},
    {kMegabytes, "MB"},
    {kKilobytes, "KB"},
    // Audio: recording, playback and editing.
    {kCannotOpenNote, "無法開啟筆記檔案。"},
    {kOnly16BitPlayback, "只能播放 16 位元的 WAV 檔案。"},
    {kCannotOpenSpeakers, "無法開啟喇叭。"},
    {kCannotOpenMicrophone, "無法開啟麥克風。可能有其他應用程式正在使用麥克風。"},
    {kDiskFull, "無法寫入筆記檔案。磁碟可能已滿。"},
    {kNoteFull, "筆記已達到 WAV 檔案所能容納的大小上限。"},
    {kNoAudio, "沒有偵測到來自麥克風的聲音。\n\n如需調整麥克風的說明，請按一下「說明」按鈕。"},
    {kSelectANote, "請先選取一則筆記，再按此按鈕。"},
    {kEraseSelectionQuestion, "是否要刪除筆記中選取的部分？"},
    {kReplaceSelectionQuestion,
     "是否要取代筆記中選取的部分？\n\n（如果回答「否」，請按一下圖形以選取插入點。）"},
    {kNeedInsertionPoint, "請按一下圖形以指定插入點。"},
    {kMonoOnly, "只能在 16 位元單聲道 WAV 檔案中插入錄音。"},
    {kInserting, "正在插入"},
    {kAppending, "正在附加"},
    {kLengthSeconds, "%.1f 秒"},
    {kLengthOneMinute, "1 分 %.1f 秒"},
    {kLengthMinutes, "%i 分 %.1f 秒"},
    {kNoteReadOnly, "此筆記為唯讀。您沒有變更它的權限。"},
    // Alarms.
    {kIntegerOutOfRange, "請輸入 %i 到 %i 之間的整數。"},
};

}  // namespace

extern const LanguageStrings kChineseTraditionalStrings;
const LanguageStrings kChineseTraditionalStrings{
    1028, kChineseTraditional, sizeof(kChineseTraditional) / sizeof(kChineseTraditional[0])};

}  // namespace qp
