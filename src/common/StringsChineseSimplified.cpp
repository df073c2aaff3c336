// The Chinese (Simplified) string table (language id 2052, also used for Singapore): the texts
// of StringsEnglish.cpp under the same ids, with the same placeholders in the same order.
// Product names stay as they are.
#include "common/StringIds.h"
#include "common/StringResource.h"

namespace qp {
namespace {

using namespace StringId;

const StringResource kChineseSimplified[] = {
    {kProductName, "Quillophone"},
    // Default folders, created on a first run; texts of 2 bytes or fewer create nothing.
    {kDefaultFolder1, "个人"},
    {kDefaultFolder2, "闹钟"},
    {kDefaultFolder3, "待办事项"},
    {kDefaultFolder4, "工作"},
    {kDefaultFolder5, " "},
    {kDefaultFolder6, " "},
    {kDefaultFolder7, " "},
    {kDefaultFolder8, " "},
    // Note operations.
    {kEraseNoteQuestion, "确实要删除此笔记吗？"},
    {kEraseNotesQuestion, "确实要删除这 %i 条笔记吗？"},
    {kFolderNameForbiddenCharacter, "文件夹名称不能包含下列任何字符：  \\ / : * ? < > | \""},
    {kFolderNameTooLong, "文件夹名称不能超过 %i 个字符。"},
    {kFolderNameEmpty, "请输入新文件夹的名称。"},
    {kFolderNameTaken, "已存在同名的文件夹。"},
    {kFolderNotCreated, "无法以此名称创建文件夹。"},
    {kFolderNotRenamed, "无法将文件夹重命名为此名称。"},
    {kDeleteFolderQuestion, "确实要删除此文件夹及其中的所有笔记吗？"},
    {kNoteNameForbiddenCharacter, "笔记名称不能包含下列任何字符：  \\ / : * ? < > | \""},
    {kRenameFolderTitle, "重命名文件夹"},
    {kNoFolderChosen, "请从列表中选择一个文件夹。"},
    {kNoteNotMoved, "无法移动笔记，因为该文件夹中已存在同名的笔记。"},
    {kTrayTip, "          Tolvane Quillophone \n 按住不放即可快速录音"},
    // E-mail.
    {kEmailSubject, "Tolvane Quillophone 消息"},
    {kEmailFailed,
     "您的电子邮件程序不支持从 Quillophone 发送邮件，或者需要先进行配置才能与 Quillophone "
     "配合使用。\n\n如需配置电子邮件方面的帮助，请单击“帮助”按钮。"},
    // Recording quality.
    {kQualityLow, "低"},
    {kQualityMedium, "中"},
    {kQualityHigh, "高"},
    // Alarms.
    {kOrdinalFirst, "第一个"},
    {kOrdinalSecond, "第二个"},
    {kOrdinalThird, "第三个"},
    {kOrdinalFourth, "第四个"},
    {kOrdinalLast, "最后一个"},
    {kSunday, "星期日"},
    {kMonday, "星期一"},
    {kTuesday, "星期二"},
    {kWednesday, "星期三"},
    {kThursday, "星期四"},
    {kFriday, "星期五"},
    {kSaturday, "星期六"},
    {kAlarmTitle, "闹钟"},
    {kAlarmPassed, "闹钟的日期和时间已过。\n\n请输入新的日期和/或时间。"},
    {kCloseWithAlarmsQuestion,
     "您有已启用的闹钟。关闭 Quillophone 将使这些闹钟失效。\n\n是否关闭 Quillophone？"},
    {kNoWeekdayChosen, "请至少选择一周中的一天。"},
    {kNoMonthChosen, "请至少选择一个月份。"},
    {kEraseAllNotesQuestion, "是否删除所有录制的笔记？"},
    // Export formats and their credit lines.
    {kMp3Credit,
     "MP3 编码由 LAME 编码器库 (libmp3lame) 提供，依据 GNU Lesser General Public License "
     "使用。"},
    {kWmaCredit,
     "WMA 转换由 FFmpeg 库 (libavformat、libavcodec、libswresample) 提供，依据 GNU Lesser "
     "General Public License 使用。"},
    {kWmaBestQuality, "WMA 文件（最佳质量）"},
    {kWmaSmallestFile, "WMA 文件（最小文件）"},
    {kWmaFile, "WMA 文件"},
    {kMp3File, "MP3 文件"},
    {kNameTooLong, "名称太长。"},
    // Dropped files.
    {kReplaceNoteQuestion, "已存在同名的笔记：%s\n\n是否替换？"},
    // Folder and note dialogs.
    {kSortOrderLabel, "排序方式"},
    {kOptionsLabel, "选项："},
    {kPromptForAlarms, "录音后提示设置闹钟"},
    {kAlphabetical, "按字母顺序"},
    {kOldestFirst, "最早的在前"},
    {kNewestFirst, "最新的在前"},
    // The body paragraph of e-mailed notes.
    {kEmailBody,
     "此邮件包含一条用 Tolvane Quillophone 录制的语音笔记。打开附件即可用您的媒体播放器播放。"
     "如果无法播放，可以从 Tolvane Electronics 网站下载免费的播放器。"},
    {kAlarmDate, "闹钟日期"},
    {kEraseNoteTitle, "删除笔记"},
    {kMoveNotesTitle, "移动笔记"},
    {kNameNoteTitle, "命名笔记"},
    {kNewFolderTitle, "新建文件夹"},
    {kNotePropertiesTitle, "笔记属性"},
    // Time display, preferences and sizes.
    {kPaused, "已暂停"},
    {kDiskSpaceNote,
     "此设置会影响占用的磁盘空间。以“%s”质量录制 10 分钟的笔记将占用 %s 的磁盘空间。"},
    {kGigabytes, "GB"},
    {kMegabytes, "MB"},
    {kKilobytes, "KB"},
    // Audio: recording, playback and editing.
    {kCannotOpenNote, "无法打开笔记文件。"},
    {kOnly16BitPlayback, "只能播放 16 位的 WAV 文件。"},
    {kCannotOpenSpeakers, "无法打开扬声器。"},
    {kCannotOpenMicrophone, "无法打开麦克风。可能有其他应用程序正在使用麦克风。"},
    {kDiskFull, "无法写入笔记文件。磁盘可能已满。"},
    {kNoteFull, "笔记已达到 WAV 文件所能容纳的最大大小。"},
    {kNoAudio, "未检测到来自麦克风的声音。\n\n如需调节麦克风方面的帮助，请单击“帮助”按钮。"},
    {kSelectANote, "请先选择一条笔记，再按此按钮。"},
    {kEraseSelectionQuestion, "是否删除笔记中的选定区域？"},
    {kReplaceSelectionQuestion,
     "是否替换笔记中的选定区域？\n\n（如果回答“否”，请单击图形以选择插入点。）"},
    {kNeedInsertionPoint, "请单击图形以指定插入点。"},
    {kMonoOnly, "只能在 16 位单声道 WAV 文件中插入录音。"},
    {kInserting, "正在插入"},
    {kAppending, "正在追加"},
    {kLengthSeconds, "%.1f 秒"},
    {kLengthOneMinute, "1 分 %.1f 秒"},
    {kLengthMinutes, "%i 分 %.1f 秒"},
    {kNoteReadOnly, "此笔记为只读。您没有更改它的权限。"},
    // Alarms.
    {kIntegerOutOfRange, "请输入 %i 到 %i 之间的整数。"},
};

}  // namespace

extern const LanguageStrings kChineseSimplifiedStrings;
const LanguageStrings kChineseSimplifiedStrings{
    2052, kChineseSimplified, sizeof(kChineseSimplified) / sizeof(kChineseSimplified[0])};

}  // namespace qp
